#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "kernel/colour_rules.h"
#include "kernel/kernel_fixture.h"

namespace plv::kernel {
namespace {

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
  EXPECT_EQ(mode_for_lcmode(6), KernelMode::kScale2);
  EXPECT_EQ(mode_for_lcmode(7), KernelMode::kScale3);
  EXPECT_FALSE(mode_for_lcmode(0));
  EXPECT_FALSE(mode_for_lcmode(8));
}

TEST_F(KernelTest, PaletteIndicesOutsideTheTableAreEight) {
  Kernel& k = open();
  EXPECT_EQ(k.colour_mode(), KernelMode::kNone);
  const size_t before = records().size();
  k.gkcolor(20);
  EXPECT_EQ(k.colour_mode(), KernelMode::kIndex);
  EXPECT_EQ(k.colour_index(), 8);
  const Lines added = records_after(before);
  ASSERT_FALSE(added.empty());
  EXPECT_EQ(added.back(), "colourgrey 124 124 124 191");
  k.gkcolor(0);
  EXPECT_EQ(records().back(), "colourgrey 0 0 0 0");
  k.gkcolor(7);
  EXPECT_EQ(records().back(), "colourgrey 252 252 252 255");
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
