#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/raster.h"

namespace plv::host {
namespace {

constexpr Rgb kInk{255, 0, 0};

// The raster as rows of '#' (not white) and '.' (white).
std::vector<std::string> rows(const Raster& r) {
  std::vector<std::string> out;
  for (int y = 0; y < r.height(); ++y) {
    std::string row;
    for (int x = 0; x < r.width(); ++x) row += r.pixel(x, y) == kWhite ? '.' : '#';
    out.push_back(row);
  }
  return out;
}

int count_ink(const Raster& r) {
  int n = 0;
  for (auto p : r.pixels()) n += p != pack(kWhite);
  return n;
}

TEST(Raster, LineLeavesOutItsEndPoint) {
  Raster r(6, 3);
  r.select_pen(Pen{kInk, 1});
  r.line({0, 0}, {4, 0});
  r.line({5, 2}, {5, 0});
  r.line({2, 2}, {2, 2});  // empty line draws nothing
  EXPECT_EQ(rows(r), (std::vector<std::string>{"####..", ".....#", ".....#"}));
  // A diagonal polyline touches its shared vertex once.
  Raster d(4, 4);
  d.select_pen(Pen{kInk, 1});
  d.line({0, 0}, {3, 3});
  EXPECT_EQ(rows(d), (std::vector<std::string>{"#...", ".#..", "..#.", "...."}));
}

TEST(Raster, ClipsEverythingOutside) {
  Raster r(3, 3);
  r.select_pen(Pen{kInk, 1});
  r.line({-5, 1}, {10, 1});
  r.select_brush(kInk);
  r.rectangle(-100, -100, 1, 1);
  EXPECT_EQ(rows(r), (std::vector<std::string>{"#..", "###", "..."}));
}

TEST(Raster, RectangleLeavesOutRightAndBottomEdges) {
  Raster r(6, 5);
  r.select_pen(Pen{kInk, 1});
  r.select_brush(std::nullopt);
  r.rectangle(1, 1, 5, 4);
  EXPECT_EQ(rows(r), (std::vector<std::string>{"......", ".####.", ".#..#.", ".####.", "......"}));
  // With a brush and no pen the whole area is filled, the same extent.
  Raster f(6, 5);
  f.select_pen(std::nullopt);
  f.select_brush(kInk);
  f.rectangle(5, 4, 1, 1);  // corners in any order
  EXPECT_EQ(rows(f), (std::vector<std::string>{"......", ".####.", ".####.", ".####.", "......"}));
  // Pen and brush: frame in the pen's colour, inside in the brush's.
  Raster both(5, 5);
  both.select_pen(Pen{kBlack, 1});
  both.select_brush(kInk);
  both.rectangle(0, 0, 5, 5);
  EXPECT_EQ(both.pixel(0, 0), kBlack);
  EXPECT_EQ(both.pixel(4, 4), kBlack);
  EXPECT_EQ(both.pixel(2, 2), kInk);
}

TEST(Raster, PolygonClosesItselfAndFillsEvenOdd) {
  Raster r(12, 12);
  r.select_pen(std::nullopt);
  r.select_brush(kInk);
  const Point square[] = {{1, 1}, {9, 1}, {9, 9}, {1, 9}};
  r.polygon(square);
  EXPECT_EQ(count_ink(r), 64);  // columns 1-8, rows 1-8
  EXPECT_EQ(r.pixel(1, 1), kInk);
  EXPECT_EQ(r.pixel(9, 5), kWhite);
  // A pentagram: its centre is crossed twice and stays empty.
  Raster star(40, 40);
  star.select_pen(std::nullopt);
  star.select_brush(kInk);
  const Point pts[] = {{20, 1}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
  star.polygon(pts);
  EXPECT_EQ(star.pixel(20, 22), kWhite);
  EXPECT_EQ(star.pixel(20, 8), kInk);
  EXPECT_EQ(star.pixel(6, 15), kInk);
  // With a pen the outline is drawn too, closing from the last vertex.
  Raster outline(6, 6);
  outline.select_pen(Pen{kInk, 1});
  outline.select_brush(std::nullopt);
  const Point tri[] = {{0, 0}, {4, 0}, {0, 4}};
  outline.polygon(tri);
  EXPECT_EQ(outline.pixel(0, 3), kInk);
  EXPECT_EQ(outline.pixel(1, 1), kWhite);
}

TEST(Raster, WidePenCoversItsWidth) {
  Raster r(10, 7);
  r.select_pen(Pen{kInk, 3});
  r.line({2, 3}, {7, 3});
  // Centres 2..6, each one pixel either side.
  EXPECT_EQ(rows(r), (std::vector<std::string>{"..........", "..........", ".#######..", ".#######..",
                                              ".#######..", "..........", ".........."}));
  Raster frame(8, 8);
  frame.select_pen(Pen{kInk, 2});
  frame.select_brush(std::nullopt);
  frame.rectangle(0, 0, 8, 8);
  EXPECT_EQ(count_ink(frame), 64 - 16);
}

TEST(Raster, InvertMixUndoesItselfWhenDrawnTwice) {
  Raster r(20, 20);
  r.select_pen(Pen{kInk, 1});
  r.select_brush(std::nullopt);
  r.line({0, 5}, {19, 5});
  const auto before = r.pixels();
  r.set_mix(Mix::kInvert);
  r.rectangle(2, 2, 15, 12);
  r.line({3, 0}, {3, 19});
  EXPECT_EQ(r.pixel(2, 2), kBlack);            // white inverted
  EXPECT_EQ(r.pixel(2, 5), (Rgb{0, 255, 255})); // red inverted
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
