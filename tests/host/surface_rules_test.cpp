// The rules every surface keeps: where plot points land, the colour they
// take, and which pixels a shape covers.

#include "host/host_fixture.h"

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
  // An empty client does not divide by zero.
  const auto empty = WindowTransform::for_client(0, 0);
  EXPECT_EQ(std::pair(empty.to_plot(5, 5).x, empty.to_pixel(0, 0)), std::pair(17500, Point{0, 0}));
}

TEST(WindowTransform, InverseRoundsAndReturnsTheLastDrawnPointExactly) {
  const auto t = WindowTransform::for_client(700, 500);
  EXPECT_EQ(std::tuple(t.to_plot(370, 250), t.to_plot(350, 0), t.to_plot(349, 251)),
            std::tuple(Point{100, 0}, Point{0, 1250}, Point{-5, -5}));
  // (101, 2) becomes pixel (370, 250), which alone would read back as
  // (100, 0); the cache gives the drawn point back.
  EXPECT_EQ(t.to_pixel(101, 2), (Point{370, 250}));
  EXPECT_EQ(t.to_plot(370, 250), (Point{101, 2}));
  t.to_pixel(0, 0);
  EXPECT_EQ(t.to_plot(370, 250), (Point{100, 0}));
}

TEST(OutputTransform, ScalesTruncatingAndTurnsForLandscape) {
  OutputTransform metafile;  // plot units, y downwards, origin top left
  EXPECT_EQ(std::pair(metafile.to_device(-1750, 1250), metafile.to_device(1750, -1250)),
            std::pair(Point{0, 0}, Point{3500, 2500}));
  OutputTransform page{.width = 3900, .width_divisor = 3500, .height = 2785, .height_divisor = 2500,
                       .centre = {2550, 1992}, .landscape = false};
  EXPECT_EQ(page.to_device(1, 1), (Point{2551, 1991}));   // 1.11 -> 1, -1.114 -> -1
  EXPECT_EQ(page.to_device(-1, -1), (Point{2549, 1993}));
  page.landscape = true;
  page.height = -2785;
  EXPECT_EQ(page.to_device(1750, 0), (Point{1992, 4500}));
}

TEST(ColourRules, WindowSwapsBlackAndWhiteOnWhiteAndShowsGreysWithoutColour) {
  // colour, grey, black background, colour window: shown
  const std::tuple<Rgb, std::optional<int>, bool, bool, Rgb> cases[] = {
      {kWhite, {}, false, true, kBlack},           {{252, 253, 254}, {}, false, true, kBlack},
      {kBlack, 0, false, true, kWhite},            {{252, 253, 254}, {}, true, true, kWhite},
      {kBlack, 0, true, false, kBlack},            {{251, 255, 255}, {}, false, true, {251, 255, 255}},
      {{100, 50, 0}, {}, false, false, grey(200)}, {{100, 50, 0}, {}, true, false, grey(200)},
      {{100, 50, 0}, 191, true, false, grey(191)}, {{100, 50, 0}, 191, false, false, grey(64)},
      {{100, 50, 0}, 191, false, true, {100, 50, 0}}};
  for (const auto& [rgb, level, black, colour, shown] : cases)
    EXPECT_EQ(window_colour({rgb, level}, black, colour), shown) << int{rgb.red} << " " << black << colour;
  // Paper is always white.
  const std::tuple<Rgb, std::optional<int>, bool, Rgb> printed[] = {
      {kBlack, {}, true, kWhite}, {kWhite, {}, false, kBlack}, {{1, 2, 3}, {}, true, {1, 2, 3}},
      {{1, 2, 3}, {}, false, grey(200)}, {{1, 2, 3}, 55, false, grey(200)}};
  for (const auto& [rgb, level, colour, shown] : printed)
    EXPECT_EQ(output_colour({rgb, level}, colour), shown) << int{rgb.red} << " " << colour;
}

TEST(ColourRules, IndexRecordsUseTheTableOrTheirGreys) {
  const ColourIndex f{.black_bg_index = 3, .white_bg_index = 4, .black_bg_grey = 90, .white_bg_darkness = 40};
  const std::pair<SurfaceContext, Rgb> cases[] = {
      {{.black_background = true, .colour_window = true}, {255, 255, 0}},
      {{.black_background = false, .colour_window = true}, {0, 0, 255}},
      {{.black_background = true, .colour_window = false}, grey(90)},
      {{.black_background = false, .colour_window = false}, grey(215)},
      {{.window_active = false, .output_active = true, .output_takes_colour = true, .black_background = true},
       {0, 0, 255}},
      {{.window_active = false, .output_active = true, .black_background = true}, grey(215)}};
  for (const auto& [context, shown] : cases) EXPECT_EQ(index_colour(f, context), shown);
  // An index beyond the table falls back to the grey fields: white here.
  EXPECT_EQ(index_colour({255, 255, 255, 0}, {.black_background = false, .colour_window = true}), kWhite);
}

constexpr Rgb kInk{255, 0, 0};

// A white raster with the pen and brush selected.
Raster blank(int width, int height, std::optional<Pen> pen, std::optional<Rgb> brush = std::nullopt) {
  Raster r(width, height);
  r.select_pen(pen);
  r.select_brush(brush);
  return r;
}

// The raster as rows of '#' (not white) and '.' (white).
std::vector<std::string> rows(const Raster& r) {
  std::vector<std::string> out(r.height());
  for (int y = 0; y < r.height(); ++y)
    for (int x = 0; x < r.width(); ++x) out[y] += r.pixel(x, y) == kWhite ? '.' : '#';
  return out;
}

int count_ink(const Raster& r) {
  int n = 0;
  for (auto p : r.pixels()) n += p != pack(kWhite);
  return n;
}

TEST(Raster, LinesLeaveOutTheirEndPointAndEverythingOutsideIsClipped) {
  Raster r = blank(6, 3, Pen{kInk, 1});
  r.line({0, 0}, {4, 0});
  r.line({5, 2}, {5, 0});
  r.line({2, 2}, {2, 2});  // empty line draws nothing
  EXPECT_EQ(rows(r), (std::vector<std::string>{"####..", ".....#", ".....#"}));
  // A diagonal polyline touches its shared vertex once.
  Raster d = blank(4, 4, Pen{kInk, 1});
  d.line({0, 0}, {3, 3});
  EXPECT_EQ(rows(d), (std::vector<std::string>{"#...", ".#..", "..#.", "...."}));
  Raster clipped = blank(3, 3, Pen{kInk, 1}, kInk);
  clipped.line({-5, 1}, {10, 1});
  clipped.rectangle(-100, -100, 1, 1);
  EXPECT_EQ(rows(clipped), (std::vector<std::string>{"#..", "###", "..."}));
}

TEST(Raster, RectangleLeavesOutRightAndBottomEdges) {
  Raster r = blank(6, 5, Pen{kInk, 1});
  r.rectangle(1, 1, 5, 4);
  EXPECT_EQ(rows(r), (std::vector<std::string>{"......", ".####.", ".#..#.", ".####.", "......"}));
  // With a brush and no pen the whole area is filled, the same extent.
  Raster f = blank(6, 5, std::nullopt, kInk);
  f.rectangle(5, 4, 1, 1);  // corners in any order
  EXPECT_EQ(rows(f), (std::vector<std::string>{"......", ".####.", ".####.", ".####.", "......"}));
  // Pen and brush: frame in the pen's colour, inside in the brush's.
  Raster both = blank(5, 5, Pen{kBlack, 1}, kInk);
  both.rectangle(0, 0, 5, 5);
  EXPECT_EQ(std::tuple(both.pixel(0, 0), both.pixel(4, 4), both.pixel(2, 2)), std::tuple(kBlack, kBlack, kInk));
}

TEST(Raster, PolygonClosesItselfAndFillsEvenOdd) {
  Raster r = blank(12, 12, std::nullopt, kInk);
  const Point square[] = {{1, 1}, {9, 1}, {9, 9}, {1, 9}};
  r.polygon(square);
  EXPECT_EQ(count_ink(r), 64);  // columns 1-8, rows 1-8
  EXPECT_EQ(std::pair(r.pixel(1, 1), r.pixel(9, 5)), std::pair(kInk, kWhite));
  // A pentagram: its centre is crossed twice and stays empty.
  Raster star = blank(40, 40, std::nullopt, kInk);
  const Point pts[] = {{20, 1}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
  star.polygon(pts);
  EXPECT_EQ(std::tuple(star.pixel(20, 22), star.pixel(20, 8), star.pixel(6, 15)), std::tuple(kWhite, kInk, kInk));
  // With a pen the outline is drawn too, closing from the last vertex.
  Raster outline = blank(6, 6, Pen{kInk, 1});
  const Point tri[] = {{0, 0}, {4, 0}, {0, 4}};
  outline.polygon(tri);
  EXPECT_EQ(std::pair(outline.pixel(0, 3), outline.pixel(1, 1)), std::pair(kInk, kWhite));
}

TEST(Raster, WidePenCoversItsWidth) {
  Raster r = blank(10, 7, Pen{kInk, 3});
  r.line({2, 3}, {7, 3});
  // Centres 2..6, each one pixel either side.
  EXPECT_EQ(rows(r), (std::vector<std::string>{"..........", "..........", ".#######..", ".#######..",
                                              ".#######..", "..........", ".........."}));
  Raster frame = blank(8, 8, Pen{kInk, 2});
  frame.rectangle(0, 0, 8, 8);
  EXPECT_EQ(count_ink(frame), 64 - 16);
}

TEST(Raster, InvertMixUndoesItselfWhenDrawnTwice) {
  Raster r = blank(20, 20, Pen{kInk, 1});
  r.line({0, 5}, {19, 5});
  const auto before = r.pixels();
  r.set_mix(Mix::kInvert);
  r.rectangle(2, 2, 15, 12);
  r.line({3, 0}, {3, 19});
  // White inverted is black, red is cyan.
  EXPECT_EQ(std::pair(r.pixel(2, 2), r.pixel(2, 5)), std::pair(kBlack, Rgb{0, 255, 255}));
  r.rectangle(2, 2, 15, 12);
  r.line({3, 0}, {3, 19});
  EXPECT_EQ(r.pixels(), before);
  // A wide inverting line inverts each pixel once.
  r.select_pen(Pen{kInk, 4});
  r.line({1, 1}, {17, 9});
  r.line({1, 1}, {17, 9});
  EXPECT_EQ(r.pixels(), before);
}

}  // namespace
}  // namespace plv::host
