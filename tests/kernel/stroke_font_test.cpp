#include "kernel/stroke_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <stdexcept>
#include <utility>
#include <vector>

namespace plv::kernel {
namespace {

struct Extent {
  int min_x = 99, max_x = -99, min_y = 99, max_y = -99;
};

Extent extent_of(const Glyph& g) {
  Extent e;
  for (const auto& stroke : g.strokes)
    for (const FontPoint& p : stroke) {
      e.min_x = std::min(e.min_x, p.x);
      e.max_x = std::max(e.max_x, p.x);
      e.min_y = std::min(e.min_y, p.y);
      e.max_y = std::max(e.max_y, p.y);
    }
  return e;
}

Glyph glyph_for(char c) { return decode_glyph(glyph_number(static_cast<unsigned char>(c))); }

TEST(StrokeFontGlyphNumbers, RangesAndTheirEdges) {
  const std::vector<std::pair<int, int>> code_glyph{
      {0, 0},    {1, 85},   {32, 85},  {33, 1},   {47, 15},  {48, 23},  {57, 32},  {58, 16},
      {64, 22},  {65, 33},  {90, 58},  {91, 85},  {96, 85},  {97, 59},  {122, 84}, {123, 85},
      {126, 85}, {127, 85}, {200, 85}, {255, 85}};
  for (const auto& [code, glyph] : code_glyph) EXPECT_EQ(glyph_number(static_cast<unsigned char>(code)), glyph) << code;

  // Every glyph but the default one belongs to exactly one code.
  std::multiset<int> used;
  for (int code = 1; code < 256; ++code) used.insert(glyph_number(static_cast<unsigned char>(code)));
  for (int glyph = 1; glyph < kDefaultGlyph; ++glyph) EXPECT_EQ(used.count(glyph), 1u) << glyph;
}

TEST(StrokeFontGlyphs, EveryGlyphIsDrawnInsideItsCell) {
  std::vector<std::vector<GlyphStroke>> shapes;
  for (int g = 1; g <= kGlyphCount; ++g) {
    const Glyph glyph = decode_glyph(g);
    ASSERT_FALSE(glyph.strokes.empty()) << g;
    for (const auto& stroke : glyph.strokes) EXPECT_GE(stroke.size(), 2u) << "a lone move draws nothing, glyph " << g;
    const Extent e = extent_of(glyph);
    const bool digit = g >= 23 && g <= 32;
    EXPECT_EQ(e.min_x == 0, !digit || e.max_x == kCellWidth) << g;
    EXPECT_GE(e.min_x, 0) << g;
    EXPECT_LE(e.max_x, kCellWidth) << g;
    EXPECT_GE(e.min_y, -kDescent) << g;
    EXPECT_LE(e.max_y, kCellHeight) << g;
    EXPECT_EQ(glyph.trim, digit ? 0 : kCellWidth - e.max_x) << g;
    EXPECT_EQ(std::count(shapes.begin(), shapes.end(), glyph.strokes), 0) << "glyph " << g << " repeats another";
    shapes.push_back(glyph.strokes);
  }
  EXPECT_THROW(decode_glyph(0), std::out_of_range);
  EXPECT_THROW(decode_glyph(kGlyphCount + 1), std::out_of_range);
}

TEST(StrokeFontGlyphs, CapitalsDigitsAscendersAndDescenders) {
  for (char c = 'A'; c <= 'Z'; ++c) {
    const Extent e = extent_of(glyph_for(c));
    EXPECT_EQ(e.min_y, 0) << c;
    EXPECT_EQ(e.max_y, kCellHeight) << c;
  }
  for (char c = '0'; c <= '9'; ++c) {
    EXPECT_EQ(extent_of(glyph_for(c)).max_y, kCellHeight) << c;
    EXPECT_EQ(glyph_for(c).trim, 0) << c;
  }
  for (char c : std::string("gjpqy")) EXPECT_EQ(extent_of(glyph_for(c)).min_y, -kDescent) << c;
  for (char c : std::string("bdhkl")) EXPECT_EQ(extent_of(glyph_for(c)).max_y, kCellHeight) << c;
  for (char c : std::string("acemnorsuvwxz")) {
    const Extent e = extent_of(glyph_for(c));
    EXPECT_EQ(e.min_y, 0) << c;
    EXPECT_EQ(e.max_y, 6) << c;
  }
}

TEST(StrokeFontGlyphs, PenLiftsSplitStrokes) {
  EXPECT_EQ(glyph_for('H').strokes.size(), 3u);
  EXPECT_EQ(glyph_for('i').strokes.size(), 2u);
  const Glyph o = glyph_for('O');
  ASSERT_EQ(o.strokes.size(), 1u);
  EXPECT_EQ(o.strokes[0].front(), o.strokes[0].back());
  const Glyph p = glyph_for('p');
  ASSERT_EQ(p.strokes.size(), 2u);
  EXPECT_EQ(p.strokes[0], (GlyphStroke{{0, 6}, {0, -3}}));
}

}  // namespace
}  // namespace plv::kernel
