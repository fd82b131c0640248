// How a drawing sits on paper: the page's frame and the colours it prints in.

#include <gtest/gtest.h>

#include "publish/page_frame.h"
#include "publish/paper_colours.h"

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

TEST(PageFrame, CornersLandOnThePagesCornersAndTheLandscapePictureTurnsLeft) {
  for (const Orientation o : {Orientation::kPortrait, Orientation::kLandscape}) {
    const PageFrame p = frame_page({0, 100, 0, 50}, std::nullopt, 5.0, o);
    const Extent& f = p.frame;
    // Turned a quarter turn counter-clockwise, the picture's right edge is the
    // page's top and its top edge the page's left.
    const bool turned = o == Orientation::kLandscape;
    const std::pair<DrawingPoint, DrawingPoint> corners[] = {
        {{turned ? f.xmax : f.xmin, f.ymax}, {0, 0}},
        {{turned ? f.xmin : f.xmax, f.ymin}, {p.width, p.height}},
        {{turned ? f.xmax : f.xmin, f.ymin}, turned ? DrawingPoint{p.width, 0} : DrawingPoint{0, p.height}}};
    for (const auto& [at, on_page] : corners) {
      EXPECT_NEAR(p.to_page(at).x, on_page.x, 1e-9) << turned;
      EXPECT_NEAR(p.to_page(at).y, on_page.y, 1e-9) << turned;
    }
  }
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

bool is_grey(host::Rgb c) { return c.red == c.green && c.green == c.blue; }

// Every kind of colour call, across its range, after each colour mode.
template <typename See>
void every_call(PaperColours& paper, See&& see) {
  for (int i = -1; i <= 16; ++i) see(paper.index(i));
  for (float v = 0; v <= 1.0f; v += 0.125f) {
    see(paper.rgb(v, 1 - v, v / 2));
    for (int s = 1; s <= 3; ++s) see(paper.scale(s, v * 2 - 1));
  }
  for (int g = -2; g <= 17; ++g) see(paper.grey(g));
}

TEST(PaperColours, InkAndPaperTradePlacesAndMonoHasOnlyGreys) {
  for (const bool colour : {false, true}) {
    PaperColours paper(colour);
    EXPECT_EQ(paper.first(), host::kBlack) << "the screen's white is ink";
    EXPECT_EQ(paper.index(7), host::kBlack);
    EXPECT_EQ(paper.index(0), host::kWhite) << "the screen's black is paper";
  }
  for (const ColourMode mode : {ColourMode::kBar, ColourMode::kRgb, ColourMode::kGrey, ColourMode::kCircl,
                                ColourMode::kHot, ColourMode::kHotIron}) {
    PaperColours mono(false);
    mono.mode(mode);
    every_call(mono, [](std::optional<host::Rgb> c) {
      if (c) {
        EXPECT_TRUE(is_grey(*c)) << int(c->red) << "," << int(c->green) << "," << int(c->blue);
      }
    });
  }
}

TEST(PaperColours, ColourKeepsTheDrawingsColoursAndMonoKeepsItsGreyLevels) {
  PaperColours colour(true), mono(false);
  const auto blue = colour.index(4);
  ASSERT_TRUE(blue);
  EXPECT_GT(blue->blue, 200);
  EXPECT_LT(blue->red, 60);
  // Mono prints palette colours 1-7 as ink and 8-15 as a dark grey.
  EXPECT_EQ(mono.index(4), host::kBlack);
  EXPECT_EQ(mono.index(9), host::grey(255 - 191));
  // Grey levels stay apart in mono, lighter levels lighter.
  PaperColours greys(false);
  greys.mode(ColourMode::kGrey);
  const auto dark = greys.grey(3), light = greys.grey(12);
  ASSERT_TRUE(dark && light);
  EXPECT_NE(*dark, *light);
  // The lowest iron entry is white in both.
  PaperColours iron(true);
  iron.mode(ColourMode::kHotIron);
  EXPECT_EQ(iron.scale(3, 0.0f), host::kWhite);
}

}  // namespace
}  // namespace plv::publish
