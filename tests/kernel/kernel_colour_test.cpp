// The palettes, and the colour each colour call gives the host.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "kernel/colour_rules.h"
#include "kernel/kernel_fixture.h"
#include "kernel/palettes.h"

namespace plv::kernel {
namespace {

using C = PaletteColour;

int largest_step(std::span<const C> p, int from, int to) {
  int largest = 0;
  for (int i = from; i < to; ++i) {
    largest = std::max({largest, std::abs(p[i + 1].red - p[i].red), std::abs(p[i + 1].green - p[i].green),
                        std::abs(p[i + 1].blue - p[i].blue)});
  }
  return largest;
}

TEST(Palettes, SizesAndBasicColoursRealisedAlikeTheRestScaledByFour) {
  for (const auto& [p, size] : {std::pair{1, 236u}, {2, 224u}, {3, 225u}}) EXPECT_EQ(stored_palette(p).size(), size);
  EXPECT_THROW(stored_palette(0), std::out_of_range);
  EXPECT_THROW(realised_palette(4), std::out_of_range);

  for (int p = 1; p <= 3; ++p) {
    const bool scaled = p != 3;
    const auto colours = realised_palette(p);
    EXPECT_EQ(colours[0], (C{0, 0, 0})) << p;
    EXPECT_EQ(colours[7], scaled ? (C{252, 252, 252}) : (C{255, 255, 255})) << p;
    EXPECT_EQ(colours[8], scaled ? (C{124, 124, 124}) : (C{127, 127, 127})) << p;
    EXPECT_EQ(colours[9], scaled ? (C{252, 124, 0}) : (C{255, 127, 0})) << p;
    EXPECT_EQ(colours[15], scaled ? (C{0, 124, 124}) : (C{0, 127, 127})) << p;
  }
  EXPECT_EQ(realised_palette(1)[231], (C{252, 252, 252}));
  EXPECT_EQ(realised_palette(2)[193], (C{252, 252, 0}));
  EXPECT_EQ(realised_palette(3)[96], stored_palette(3)[96]);
}

// Palette 1's colour cube and grey tail, the grey ramps of 2 and 3, the
// hue circle of 2 and the iron scale of 3, as kept.
TEST(Palettes, StoredEntries) {
  const std::tuple<int, int, C> entries[] = {
      {1, 16, {0, 0, 0}}, {1, 16 + 36 * 5, {63, 0, 0}}, {1, 16 + 36 * 1 + 6 * 4 + 5, {13, 50, 63}},
      {1, 231, {63, 63, 63}}, {1, 232, {31, 31, 31}}, {1, 233, {31, 31, 31}}, {1, 234, {31, 31, 31}},
      {1, 235, {31, 31, 31}}, {2, 16, {0, 0, 0}}, {2, 31, {63, 63, 63}}, {2, 32, {31, 31, 31}},
      {3, 24, {138, 138, 138}}, {3, 31, {255, 255, 255}},
      // The hue circle's corners. Inside segments, rising blue takes the
      // step values, falling red runs them backwards.
      {2, 43, {63, 0, 0}}, {2, 73, {63, 0, 63}}, {2, 103, {0, 0, 63}}, {2, 133, {0, 63, 63}}, {2, 163, {0, 63, 0}},
      {2, 193, {63, 63, 0}}, {2, 223, {63, 0, 0}}, {2, 44, {63, 0, 2}}, {2, 58, {63, 0, 42}}, {2, 222, {63, 2, 0}},
      // The iron scale's points.
      {3, 32, {0, 0, 0}}, {3, 96, {85, 0, 85}}, {3, 160, {170, 0, 0}}, {3, 224, {255, 255, 0}}};
  for (const auto& [palette, i, colour] : entries) EXPECT_EQ(stored_palette(palette)[i], colour) << palette << ": " << i;
}

TEST(Palettes, HueCircleAndIronScaleRunSmoothly) {
  EXPECT_LE(largest_step(stored_palette(2), 43, 223), 4);
  const auto p = stored_palette(3);
  EXPECT_LE(largest_step(p, 32, 224), 4);
  for (int i = 32; i < 224; ++i) {
    EXPECT_LE(p[i].red, p[i + 1].red) << i;
    EXPECT_LE(p[i].blue, 85) << i;
    EXPECT_EQ(p[i].green == 0, i <= 160) << i;
  }
}

TEST(ColourRules, ScalesTruncateAndClamp) {
  const std::tuple<int, double, int> entries[] = {{1, -1.0, 43}, {1, 1.0, 223},  {1, 5.0, 223},
                                                  {2, 0.5, 163}, {2, -0.5, 103}, {3, 1.0, 224}};
  for (const auto& [scale, value, entry] : entries) EXPECT_EQ(scale_colour(scale, value).entry, entry) << value;
  EXPECT_EQ(scale_colour(1, 0.0).grey, 128);
  EXPECT_EQ(scale_colour(2, 1.0).grey, 255);
  EXPECT_TRUE(scale_colour(3, 0.0).white_index_record);
  EXPECT_TRUE(scale_colour(3, 0.001).white_index_record);  // grey truncates to 0
  EXPECT_FALSE(scale_colour(3, 0.5).white_index_record);
  for (const auto& [value, component] : {std::pair{0.5, 128}, {1.0, 255}, {-0.2, 0}})
    EXPECT_EQ(rgb_component(value), component) << value;
  const std::pair<int, std::optional<KernelMode>> modes[] = {
      {6, KernelMode::kScale2}, {7, KernelMode::kScale3}, {0, std::nullopt}, {8, std::nullopt}};
  for (const auto& [lcmode, mode] : modes) EXPECT_EQ(mode_for_lcmode(lcmode), mode) << lcmode;
}

TEST_F(KernelTest, PaletteIndicesOutsideTheTableAreEight) {
  Kernel& k = open();
  EXPECT_EQ(k.colour_mode(), KernelMode::kNone);
  const std::pair<int, const char*> colours[] = {
      {0, "colourgrey 0 0 0 0"}, {7, "colourgrey 252 252 252 255"}, {20, "colourgrey 124 124 124 191"}};
  for (const auto& [index, record] : colours) {
    const size_t before = records().size();
    k.gkcolor(index);
    EXPECT_EQ(records_after(before), Lines{record}) << index;
  }
  EXPECT_EQ(k.colour_mode(), KernelMode::kIndex);
  EXPECT_EQ(k.colour_index(), 8);
}

TEST_F(KernelTest, TheFirstColourCallPicksItsMode) {
  Kernel& k = open();
  k.gkrgb(0.5f, 1.5f, 0.0f);
  EXPECT_EQ(k.colour_mode(), KernelMode::kRgb);
  EXPECT_EQ(records().back(), "colour 128 0 255");  // red, blue, green
  k.lcmode(7);
  EXPECT_EQ(k.colour_mode(), KernelMode::kScale3);
  EXPECT_EQ(k.palette_set(), 3);
  k.gkscale(3, 0.0f);
  EXPECT_EQ(records().back(), "colourindex 255 255 255 0");
  k.gkscale(3, 1.0f);
  EXPECT_EQ(records().back(), "colourgrey 255 0 255 255");  // yellow at the top of the iron scale
  k.lcmode(0);  // selects nothing
  EXPECT_EQ(k.colour_mode(), KernelMode::kScale3);
}

TEST_F(KernelTest, GreyLevelsComeFromTheRamp) {
  Kernel& k = open();
  k.lcmode(4);
  k.gkgrey(15);
  EXPECT_EQ(records().back(), "colourgrey 252 252 252 252");
  k.gkgrey(40);  // outside the ramp: entry 23
  EXPECT_EQ(records().back(), "colourgrey 116 116 116 116");
  k.lcmode(3);  // grey mode draws from palette 1, whose entries 16-31 are not greys
  k.gkgrey(7);
  EXPECT_EQ(records().back(), "colourgrey 116 116 116 116");
}

}  // namespace
}  // namespace plv::kernel
