#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "host/transforms.h"

namespace plv::host {
namespace {

TEST(WindowTransform, FitsThePictureKeepingItsShape) {
  // 700 x 500: both products are 1,750,000, so the width rule applies.
  const auto t = WindowTransform::for_client(700, 500);
  EXPECT_EQ(std::pair(t.multiplier(), t.divisor()), std::pair(700, 3500));
  EXPECT_EQ(t.centre(), (Point{350, 250}));
  for (const auto& [x, y, pixel] : {std::tuple{1, 0, Point{350, 250}}, {3, 0, {351, 250}}, {-3, 0, {349, 250}},
                                    {0, 1250, {350, 0}}, {0, -1250, {350, 500}}, {-1750, 0, {0, 250}}})
    EXPECT_EQ(t.to_pixel(x, y), pixel) << x << ", " << y;
  // A wide client is limited by its height.
  const auto wide = WindowTransform::for_client(1400, 500);
  EXPECT_EQ(std::pair(wide.multiplier(), wide.divisor()), std::pair(500, 2500));
  EXPECT_EQ(wide.to_pixel(-1750, 1250), (Point{350, 0}));
}

TEST(WindowTransform, InverseRoundsAndReturnsTheLastDrawnPointExactly) {
  const auto t = WindowTransform::for_client(700, 500);
  EXPECT_EQ(t.to_plot(370, 250), (Point{100, 0}));
  EXPECT_EQ(t.to_plot(350, 0), (Point{0, 1250}));
  EXPECT_EQ(t.to_plot(349, 251), (Point{-5, -5}));
  // (101, 2) becomes pixel (370, 250), which alone would read back as
  // (100, 0); the cache gives the drawn point back.
  const Point p = t.to_pixel(101, 2);
  EXPECT_EQ(p, (Point{370, 250}));
  EXPECT_EQ(t.to_plot(370, 250), (Point{101, 2}));
  t.to_pixel(0, 0);
  EXPECT_EQ(t.to_plot(370, 250), (Point{100, 0}));
}

TEST(WindowTransform, EmptyClientDoesNotDivideByZero) {
  const auto t = WindowTransform::for_client(0, 0);
  EXPECT_EQ(t.to_plot(5, 5).x, 17500);
  EXPECT_EQ(t.to_pixel(0, 0), (Point{0, 0}));
}

TEST(OutputTransform, ScalesTruncatingAndTurnsForLandscape) {
  OutputTransform metafile;  // plot units, y downwards, origin top left
  EXPECT_EQ(metafile.to_device(-1750, 1250), (Point{0, 0}));
  EXPECT_EQ(metafile.to_device(1750, -1250), (Point{3500, 2500}));
  OutputTransform page{.width = 3900, .width_divisor = 3500, .height = 2785, .height_divisor = 2500,
                       .centre = {2550, 1992}, .landscape = false};
  EXPECT_EQ(page.to_device(1, 1), (Point{2551, 1991}));   // 1.11 -> 1, -1.114 -> -1
  EXPECT_EQ(page.to_device(-1, -1), (Point{2549, 1993}));
  page.landscape = true;
  page.height = -2785;
  EXPECT_EQ(page.to_device(1750, 0), (Point{1992, 4500}));
}

}  // namespace
}  // namespace plv::host
