#include <gtest/gtest.h>

#include "publish/paper_colours.h"

namespace plv::publish {
namespace {

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
