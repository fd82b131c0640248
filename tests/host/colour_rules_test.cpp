#include <gtest/gtest.h>

#include "host/colour_rules.h"

namespace plv::host {
namespace {

TEST(ColourRules, WindowSwapsBlackAndWhiteOnAWhiteBackground) {
  const ColourRequest white{{255, 255, 255}, std::nullopt};
  const ColourRequest near_white{{252, 253, 254}, std::nullopt};
  const ColourRequest black{{0, 0, 0}, 0};
  EXPECT_EQ(window_colour(white, false, true), kBlack);
  EXPECT_EQ(window_colour(near_white, false, true), kBlack);
  EXPECT_EQ(window_colour(black, false, true), kWhite);
  EXPECT_EQ(window_colour(near_white, true, true), kWhite);
  EXPECT_EQ(window_colour(black, true, false), kBlack);
  EXPECT_EQ(window_colour({{251, 255, 255}, std::nullopt}, false, true), (Rgb{251, 255, 255}));
}

TEST(ColourRules, MonochromeWindowShowsGreys) {
  EXPECT_EQ(window_colour({{100, 50, 0}, std::nullopt}, false, false), grey(200));
  EXPECT_EQ(window_colour({{100, 50, 0}, std::nullopt}, true, false), grey(200));
  EXPECT_EQ(window_colour({{100, 50, 0}, 191}, true, false), grey(191));
  EXPECT_EQ(window_colour({{100, 50, 0}, 191}, false, false), grey(64));
  EXPECT_EQ(window_colour({{100, 50, 0}, 191}, false, true), (Rgb{100, 50, 0}));
}

TEST(ColourRules, PaperIsAlwaysWhite) {
  EXPECT_EQ(output_colour({kBlack, std::nullopt}, true), kWhite);
  EXPECT_EQ(output_colour({kWhite, std::nullopt}, false), kBlack);
  EXPECT_EQ(output_colour({{1, 2, 3}, std::nullopt}, true), (Rgb{1, 2, 3}));
  EXPECT_EQ(output_colour({{1, 2, 3}, std::nullopt}, false), grey(200));
  EXPECT_EQ(output_colour({{1, 2, 3}, 55}, false), grey(200));
}

TEST(ColourRules, IndexRecordsUseTheTableOrTheirGreys) {
  const ColourIndex f{.black_bg_index = 3, .white_bg_index = 4, .black_bg_grey = 90, .white_bg_darkness = 40};
  SurfaceContext window_black{.black_background = true, .colour_window = true};
  EXPECT_EQ(index_colour(f, window_black), (Rgb{255, 255, 0}));
  SurfaceContext window_white{.black_background = false, .colour_window = true};
  EXPECT_EQ(index_colour(f, window_white), (Rgb{0, 0, 255}));
  window_black.colour_window = false;
  EXPECT_EQ(index_colour(f, window_black), grey(90));
  window_white.colour_window = false;
  EXPECT_EQ(index_colour(f, window_white), grey(215));
  SurfaceContext printer{.window_active = false, .output_active = true, .output_takes_colour = true,
                         .black_background = true};
  EXPECT_EQ(index_colour(f, printer), (Rgb{0, 0, 255}));
  printer.output_takes_colour = false;
  EXPECT_EQ(index_colour(f, printer), grey(215));
  // An index beyond the table falls back to the grey fields: white here.
  const ColourIndex lowest{255, 255, 255, 0};
  EXPECT_EQ(index_colour(lowest, {.black_background = false, .colour_window = true}), kWhite);
}

}  // namespace
}  // namespace plv::host
