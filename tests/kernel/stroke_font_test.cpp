// The stroke font's glyphs, and strings laid out in them.

#include "kernel/stroke_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "kernel/stroke_font_layout.h"

namespace plv::kernel {
namespace {

// The bounds of a glyph's strokes or of a layout's lines.
struct Box {
  float min_x = 1e9f, max_x = -1e9f, min_y = 1e9f, max_y = -1e9f;
  bool operator==(const Box&) const = default;
};
void PrintTo(const Box& b, std::ostream* os) { *os << b.min_x << ".." << b.max_x << " x " << b.min_y << ".." << b.max_y; }

template <typename Lines>
Box box_of(const Lines& lines) {
  Box b;
  for (const auto& line : lines)
    for (const auto& p : line) {
      const float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
      b = {std::min(b.min_x, x), std::max(b.max_x, x), std::min(b.min_y, y), std::max(b.max_y, y)};
    }
  return b;
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
    const Box e = box_of(glyph.strokes);
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

TEST(StrokeFontGlyphs, HeightsOfCapitalsDigitsAscendersAndDescendersAndPenLifts) {
  // Characters with the lowest and highest points of their strokes, where they matter.
  const std::tuple<std::string, std::optional<int>, std::optional<int>> cases[] = {
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0, kCellHeight}, {"0123456789", std::nullopt, kCellHeight},
      {"gjpqy", -kDescent, std::nullopt}, {"bdhkl", std::nullopt, kCellHeight}, {"acemnorsuvwxz", 0, 6}};
  for (const auto& [characters, lowest, highest] : cases) {
    for (const char c : characters) {
      const Box e = box_of(glyph_for(c).strokes);
      EXPECT_EQ(e.min_y, lowest.value_or(e.min_y)) << c;
      EXPECT_EQ(e.max_y, highest.value_or(e.max_y)) << c;
    }
  }

  // Pen lifts split strokes.
  EXPECT_EQ(glyph_for('H').strokes.size(), 3u);
  EXPECT_EQ(glyph_for('i').strokes.size(), 2u);
  const Glyph o = glyph_for('O');
  ASSERT_EQ(o.strokes.size(), 1u);
  EXPECT_EQ(o.strokes[0].front(), o.strokes[0].back());
  const Glyph p = glyph_for('p');
  ASSERT_EQ(p.strokes.size(), 2u);
  EXPECT_EQ(p.strokes[0], (GlyphStroke{{0, 6}, {0, -3}}));
}

// Font units of `unit` by `unit`, advancing 9 units along the direction.
StringSettings settings(float unit, int direction, bool proportional = true) {
  const Rotation r = direction_rotation(direction);
  return {.char_width = 6 * unit, .char_height = 9 * unit, .advance_x = r.c * 9 * unit, .advance_y = -r.s * 9 * unit,
          .rotation_s = r.s, .rotation_c = r.c, .proportional = proportional};
}

TEST(StrokeFontLayout, SizeScalesEachAxisAndEachDirectionTurnsTheGlyphsAndTheAdvance) {
  StringSettings s = settings(1, 0);
  s.char_width = 12;   // 2 per unit across
  s.char_height = 27;  // 3 per unit up
  const TextLayout h = lay_out_text(s, {10, 20}, "H");
  EXPECT_EQ(h.polylines.size(), 3u);
  EXPECT_EQ(box_of(h.polylines), (Box{10, 22, 20, 47}));
  const TextLayout p = lay_out_text(s, {0, 0}, "p");
  EXPECT_NEAR(box_of(p.polylines).min_y, -9, 1e-4);

  // Two H's, each 12 across and 18 up, the second 18 further on.
  const std::tuple<int, Box, std::pair<float, float>> cases[] = {{0, {100, 130, 50, 68}, {136, 50}},
                                                                   {1, {82, 100, 50, 80}, {100, 86}},
                                                                   {2, {70, 100, 32, 50}, {64, 50}},
                                                                   {3, {100, 118, 20, 50}, {100, 14}}};
  for (const auto& [direction, box, next] : cases) {
    const TextLayout t = lay_out_text(settings(2, direction), {100, 50}, "HH");
    EXPECT_EQ(box_of(t.polylines), box) << direction;
    EXPECT_EQ(std::pair(t.next_origin.x, t.next_origin.y), next) << direction;
  }
  EXPECT_EQ(direction_rotation(5).s, direction_rotation(1).s);
}

TEST(StrokeFontLayout, ProportionalModeTrimsNarrowGlyphs) {
  // "i" leaves its whole cell but the stroke empty: 6 units trimmed of 9.
  const TextLayout narrow = lay_out_text(settings(1, 0), {0, 0}, "iH");
  const TextLayout fixed = lay_out_text(settings(1, 0, false), {0, 0}, "iH");
  EXPECT_NEAR(narrow.next_origin.x, 3 + 9, 1e-4);
  EXPECT_NEAR(fixed.next_origin.x, 18, 1e-4);
  EXPECT_NEAR(box_of(narrow.polylines).max_x, 3 + 6, 1e-4);
  // Along +y the trim shortens the advance the same way.
  EXPECT_NEAR(lay_out_text(settings(1, 1), {0, 0}, "i").next_origin.y, 3, 1e-4);
  // Figures keep their whole advance.
  EXPECT_NEAR(lay_out_text(settings(1, 0), {0, 0}, "1").next_origin.x, 9, 1e-4);
  StringSettings still = settings(1, 0);
  still.advance_x = 0;
  EXPECT_NEAR(lay_out_text(still, {5, 5}, "iii").next_origin.x, 5, 1e-4);
}

TEST(StrokeFontLayout, BlanksUnknownCodesAndTheEndCode) {
  const TextLayout blank = lay_out_text(settings(1, 0), {0, 0}, " ");
  EXPECT_TRUE(blank.polylines.empty());
  EXPECT_NEAR(blank.next_origin.x, 9, 1e-4);
  const TextLayout unknown = lay_out_text(settings(1, 0), {0, 0}, "~");
  EXPECT_FALSE(unknown.polylines.empty());
  EXPECT_NEAR(unknown.next_origin.x, 9, 1e-4);
  const TextLayout stopped = lay_out_text(settings(1, 0, false), {0, 0}, std::string("AB\0CD", 5));
  EXPECT_NEAR(stopped.next_origin.x, 18, 1e-4);
  EXPECT_EQ(stopped.polylines.size(), lay_out_text(settings(1, 0), {0, 0}, "AB").polylines.size());
  EXPECT_TRUE(lay_out_text(settings(1, 0), {0, 0}, "").polylines.empty());
}

}  // namespace
}  // namespace plv::kernel
