#include "kernel/palettes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

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

TEST(Palettes, SizesAndUnknownPalettes) {
  EXPECT_EQ(stored_palette(1).size(), 236u);
  EXPECT_EQ(stored_palette(2).size(), 224u);
  EXPECT_EQ(stored_palette(3).size(), 225u);
  EXPECT_THROW(stored_palette(0), std::out_of_range);
  EXPECT_THROW(realised_palette(4), std::out_of_range);
}

TEST(Palettes, BasicColoursRealisedAlike) {
  for (int p = 1; p <= 3; ++p) {
    const bool scaled = p != 3;
    const auto colours = realised_palette(p);
    EXPECT_EQ(colours[0], (C{0, 0, 0})) << p;
    EXPECT_EQ(colours[7], scaled ? (C{252, 252, 252}) : (C{255, 255, 255})) << p;
    EXPECT_EQ(colours[8], scaled ? (C{124, 124, 124}) : (C{127, 127, 127})) << p;
    EXPECT_EQ(colours[9], scaled ? (C{252, 124, 0}) : (C{255, 127, 0})) << p;
    EXPECT_EQ(colours[15], scaled ? (C{0, 124, 124}) : (C{0, 127, 127})) << p;
  }
}

TEST(Palettes, ColourCubeAndGreyTailOfPaletteOne) {
  const auto p = stored_palette(1);
  EXPECT_EQ(p[16], (C{0, 0, 0}));
  EXPECT_EQ(p[16 + 36 * 5], (C{63, 0, 0}));
  EXPECT_EQ(p[16 + 36 * 1 + 6 * 4 + 5], (C{13, 50, 63}));
  EXPECT_EQ(p[231], (C{63, 63, 63}));
  for (int i = 232; i <= 235; ++i) EXPECT_EQ(p[i], (C{31, 31, 31})) << i;
  EXPECT_EQ(realised_palette(1)[231], (C{252, 252, 252}));
}

TEST(Palettes, GreyRamps) {
  const auto p2 = stored_palette(2);
  const auto p3 = stored_palette(3);
  EXPECT_EQ(p2[16], (C{0, 0, 0}));
  EXPECT_EQ(p2[31], (C{63, 63, 63}));
  EXPECT_EQ(p2[32], (C{31, 31, 31}));
  EXPECT_EQ(p3[24], (C{138, 138, 138}));
  EXPECT_EQ(p3[31], (C{255, 255, 255}));
}

TEST(Palettes, HueCircleCornersAndSteps) {
  const auto p = stored_palette(2);
  // Inside segments: rising blue takes the step values, falling red runs them backwards.
  const std::pair<int, C> colours[] = {{43, {63, 0, 0}},   {73, {63, 0, 63}}, {103, {0, 0, 63}}, {133, {0, 63, 63}},
                                       {163, {0, 63, 0}},  {193, {63, 63, 0}}, {223, {63, 0, 0}}, {44, {63, 0, 2}},
                                       {58, {63, 0, 42}}, {222, {63, 2, 0}}};
  for (const auto& [i, colour] : colours) EXPECT_EQ(p[i], colour) << i;
  EXPECT_LE(largest_step(p, 43, 223), 4);
  EXPECT_EQ(realised_palette(2)[193], (C{252, 252, 0}));
}

TEST(Palettes, IronScaleThroughItsPointsSmoothly) {
  const auto p = stored_palette(3);
  EXPECT_EQ(p[32], (C{0, 0, 0}));
  EXPECT_EQ(p[96], (C{85, 0, 85}));
  EXPECT_EQ(p[160], (C{170, 0, 0}));
  EXPECT_EQ(p[224], (C{255, 255, 0}));
  EXPECT_LE(largest_step(p, 32, 224), 4);
  for (int i = 32; i < 224; ++i) {
    EXPECT_LE(p[i].red, p[i + 1].red) << i;
    EXPECT_LE(p[i].blue, 85) << i;
    EXPECT_EQ(p[i].green == 0, i <= 160) << i;
  }
  EXPECT_EQ(realised_palette(3)[96], p[96]);
}

}  // namespace
}  // namespace plv::kernel
