#include <gtest/gtest.h>

#include "publish/page_frame.h"

namespace plv::publish {
namespace {

constexpr double kCm = kPointsPerCentimetre;

TEST(PageFrame, TheWidthAsAskedWithTheDrawingsProportionsInBothOrientations) {
  const Extent extent{-1000, 1000, -500, 500};
  const PageFrame portrait = frame_page(extent, std::nullopt, 10.0, Orientation::kPortrait);
  EXPECT_NEAR(portrait.width, 10 * kCm, 1e-9);
  EXPECT_NEAR(portrait.height / portrait.width, 0.5, 0.01);  // the margin is the same on all sides
  const PageFrame landscape = frame_page(extent, std::nullopt, 10.0, Orientation::kLandscape);
  EXPECT_NEAR(landscape.height, 10 * kCm, 1e-9);
  EXPECT_NEAR(landscape.width, portrait.height, 1e-9);
  // The frame takes in the extent with the margin draw-all leaves.
  EXPECT_LT(portrait.frame.xmin, -1000);
  EXPECT_GT(portrait.frame.ymax, 500);
  EXPECT_NEAR(portrait.frame.xmax - 1000, 10, 1e-9);
}

TEST(PageFrame, CornersLandWhereThePageStartsAndTheLandscapePictureTurnsLeft) {
  const PageFrame p = frame_page({0, 100, 0, 50}, std::nullopt, 5.0, Orientation::kPortrait);
  const Extent& f = p.frame;
  const DrawingPoint top_left = p.to_page({f.xmin, f.ymax}), bottom_right = p.to_page({f.xmax, f.ymin});
  EXPECT_NEAR(top_left.x, 0, 1e-9);
  EXPECT_NEAR(top_left.y, 0, 1e-9);
  EXPECT_NEAR(bottom_right.x, p.width, 1e-9);
  EXPECT_NEAR(bottom_right.y, p.height, 1e-9);

  const PageFrame l = frame_page({0, 100, 0, 50}, std::nullopt, 5.0, Orientation::kLandscape);
  // Turned a quarter turn counter-clockwise: the picture's right edge is the
  // page's top, its top edge the page's left.
  const DrawingPoint top_right = l.to_page({l.frame.xmax, l.frame.ymax});
  const DrawingPoint bottom_left = l.to_page({l.frame.xmin, l.frame.ymin});
  EXPECT_NEAR(top_right.x, 0, 1e-9);
  EXPECT_NEAR(top_right.y, 0, 1e-9);
  EXPECT_NEAR(bottom_left.x, l.width, 1e-9);
  EXPECT_NEAR(bottom_left.y, l.height, 1e-9);
  EXPECT_GT(l.to_page({l.frame.xmin, l.frame.ymin}).y, l.to_page({l.frame.xmax, l.frame.ymin}).y);
}

TEST(PageFrame, InkPastTheExtentWidensTheFrameAndFlatDrawingsStillMakeAPage) {
  const Extent extent{0, 1000, 0, 1000};
  const PageFrame plain = frame_page(extent, Extent{0, 1000, 0, 1000}, 10.0, Orientation::kPortrait);
  const PageFrame inked = frame_page(extent, Extent{-200, 1000, 0, 1300}, 10.0, Orientation::kPortrait);
  EXPECT_LT(inked.frame.xmin, -200);
  EXPECT_GT(inked.frame.ymax, 1300);
  EXPECT_NEAR(inked.width, plain.width, 1e-9);  // still as wide as asked
  EXPECT_LT(inked.scale, plain.scale);

  for (const Extent flat : {Extent{0, 1000, 5, 5}, Extent{7, 7, 0, 1000}, Extent{3, 3, 3, 3}}) {
    const PageFrame p = frame_page(flat, std::nullopt, 10.0, Orientation::kPortrait);
    EXPECT_NEAR(p.width, 10 * kCm, 1e-9);
    EXPECT_GT(p.height, 0);
    EXPECT_LE(p.height, 20 * p.width + 1e-9);
    EXPECT_GE(p.height, p.width / 20 - 1e-9);
  }
}

}  // namespace
}  // namespace plv::publish
