#include "kernel/stroke_font_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace plv::kernel {
namespace {

struct Box {
  float min_x = 1e9f, max_x = -1e9f, min_y = 1e9f, max_y = -1e9f;
};

Box box_of(const TextLayout& t) {
  Box b;
  for (const auto& line : t.polylines)
    for (const UserPoint& p : line) {
      b.min_x = std::min(b.min_x, p.x);
      b.max_x = std::max(b.max_x, p.x);
      b.min_y = std::min(b.min_y, p.y);
      b.max_y = std::max(b.max_y, p.y);
    }
  return b;
}

// Font units of `unit` by `unit`, advancing 9 units along the direction.
StringSettings settings(float unit, int direction, bool proportional = true) {
  const Rotation r = direction_rotation(direction);
  StringSettings s;
  s.char_width = 6 * unit;
  s.char_height = 9 * unit;
  s.rotation_s = r.s;
  s.rotation_c = r.c;
  s.advance_x = r.c * 9 * unit;
  s.advance_y = -r.s * 9 * unit;
  s.proportional = proportional;
  return s;
}

void expect_box(const Box& b, float min_x, float max_x, float min_y, float max_y, int direction) {
  EXPECT_NEAR(b.min_x, min_x, 1e-4) << direction;
  EXPECT_NEAR(b.max_x, max_x, 1e-4) << direction;
  EXPECT_NEAR(b.min_y, min_y, 1e-4) << direction;
  EXPECT_NEAR(b.max_y, max_y, 1e-4) << direction;
}

TEST(StrokeFontLayout, SizeScalesEachAxisOnItsOwn) {
  StringSettings s = settings(1, 0);
  s.char_width = 12;   // 2 per unit across
  s.char_height = 27;  // 3 per unit up
  const TextLayout h = lay_out_text(s, {10, 20}, "H");
  EXPECT_EQ(h.polylines.size(), 3u);
  expect_box(box_of(h), 10, 22, 20, 47, 0);
  const TextLayout p = lay_out_text(s, {0, 0}, "p");
  EXPECT_NEAR(box_of(p).min_y, -9, 1e-4);
}

TEST(StrokeFontLayout, EachDirectionTurnsTheGlyphsAndTheAdvance) {
  const UserPoint o{100, 50};
  const TextLayout d0 = lay_out_text(settings(2, 0), o, "HH");
  const TextLayout d1 = lay_out_text(settings(2, 1), o, "HH");
  const TextLayout d2 = lay_out_text(settings(2, 2), o, "HH");
  const TextLayout d3 = lay_out_text(settings(2, 3), o, "HH");
  // Two H's, each 12 across and 18 up, the second 18 further on.
  expect_box(box_of(d0), 100, 130, 50, 68, 0);
  expect_box(box_of(d1), 82, 100, 50, 80, 1);
  expect_box(box_of(d2), 70, 100, 32, 50, 2);
  expect_box(box_of(d3), 100, 118, 20, 50, 3);
  EXPECT_NEAR(d0.next_origin.x, 136, 1e-4);
  EXPECT_NEAR(d1.next_origin.y, 86, 1e-4);
  EXPECT_NEAR(d2.next_origin.x, 64, 1e-4);
  EXPECT_NEAR(d3.next_origin.y, 14, 1e-4);
  EXPECT_NEAR(d3.next_origin.x, 100, 1e-4);
  EXPECT_EQ(direction_rotation(5).s, direction_rotation(1).s);
}

TEST(StrokeFontLayout, ProportionalModeTrimsNarrowGlyphs) {
  // "i" leaves its whole cell but the stroke empty: 6 units trimmed of 9.
  const TextLayout narrow = lay_out_text(settings(1, 0), {0, 0}, "iH");
  const TextLayout fixed = lay_out_text(settings(1, 0, false), {0, 0}, "iH");
  EXPECT_NEAR(narrow.next_origin.x, 3 + 9, 1e-4);
  EXPECT_NEAR(fixed.next_origin.x, 18, 1e-4);
  EXPECT_NEAR(box_of(narrow).max_x, 3 + 6, 1e-4);
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
