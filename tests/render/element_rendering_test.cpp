#include <gtest/gtest.h>

#include <cmath>

#include "drawing/record_layout.h"
#include "kinds/box_form.h"
#include "kinds/circle.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/two_point.h"
#include "render/render_fixture.h"

namespace plv {

std::string two_point(const char* code, double x1, double y1, double x2, double y2, const char* tail) {
  Record r;
  r.put_text(layout::kCode, code);
  const double v[4] = {x1, y1, x2, y2};
  for (int i = 0; i < 4; ++i) r.put(layout::stored::two_point::kPoints[static_cast<size_t>(i)], v[i]);
  r.put_text(layout::stored::two_point::kTail, tail);
  return std::string(r.text());
}

namespace {

std::string as_text(const Record& r) { return std::string(r.text()); }

TEST_F(RenderTest, SolidAndDashedLines) {
  const std::pair<std::string, Lines> cases[] = {
      {two_point("LI", 0, 0, 50, 0, " D"), {"line 0 0 20 0", "line 40 0 50 0"}},
      {two_point("LI", 0, 0, 0, 60, " Y"), {"line 0 0 0 20", "line 0 40 0 60"}},
      {two_point("LI", 5, 5, 100, 5, " S"), {"line 5 5 100 5"}},
      {two_point("LI", 7, 7, 7, 7, " S"), {}},
      {two_point("LI", 0, 5e6, 100, 5e6, " D"), {}}};  // dashes out of sight
  for (const auto& [record, lines] : cases) EXPECT_EQ(lines_of(redraw(store_of({record}))), lines) << record;
}

TEST_F(RenderTest, WideLinesByHalfWidth) {
  auto wide = [](int w) {
    Record r(two_point("LW", 0, 0, 100, 0));
    r.put(layout::stored::two_point::kHalfWidth, w);
    return as_text(r);
  };
  const Lines seven = lines_of(redraw(store_of({wide(3)})));
  ASSERT_EQ(seven.size(), 7u);
  EXPECT_EQ(seven.front(), "line 0 -3 100 -3");
  EXPECT_EQ(seven.back(), "line 0 3 100 3");
  EXPECT_EQ(lines_of(redraw(store_of({wide(1)}))), (Lines{"line 0 0 100 0"}));
  EXPECT_TRUE(lines_of(redraw(store_of({wide(-2)}))).empty());
}

TEST_F(RenderTest, ArrowHeadsAndMarkers) {
  const Lines lines = lines_of(redraw(store_of({two_point("AR", 0, 0, 200, 0, " Y N Y N N 0.000")})));
  EXPECT_EQ(lines, (Lines{"line 0 0 200 0", "line 0 0 60 30", "line 0 0 60 -30", "line 0 60 0 -60"}));
  const Lines head_at_end = lines_of(redraw(store_of({two_point("AR", 0, 0, 200, 0, " N N N Y N 0.000")})));
  EXPECT_EQ(head_at_end, (Lines{"line 0 0 200 0", "line 200 0 140 -30", "line 200 0 140 30"}));
}

TEST_F(RenderTest, BracketsRunThroughTheirProfile) {
  const Lines lines = lines_of(redraw(store_of({two_point("BR", 0, 0, 1440, 0)})));
  ASSERT_EQ(lines.size(), 58u);
  EXPECT_EQ(lines.front(), "line 0 0 29 -23");
  EXPECT_EQ(lines[28], "line 717 -91 720 -105");  // the point of the brace, 105 to the right
  EXPECT_EQ(lines.back(), "line 1410 -23 1440 0");
}

TEST_F(RenderTest, FullCirclesAndArcs) {
  const Lines circle = lines_of(redraw(store_of({as_text(circle_record({0, 0}, {100, 0}, {100, 0}))})));
  // Step (9.5 + 5) / 100 radians: 44 chords round the full turn.
  EXPECT_EQ(circle.size(), 44u);
  EXPECT_EQ(circle.front().substr(0, 12), "line 100 0 9");
  int x1, y1, x2, y2;
  ASSERT_EQ(std::sscanf(circle.back().c_str(), "line %d %d %d %d", &x1, &y1, &x2, &y2), 4);
  EXPECT_LE(std::abs(x2 - 100) + std::abs(y2), 1);  // ends a hair before where it began
  const Lines quarter = lines_of(redraw(store_of({as_text(circle_record({0, 0}, {100, 0}, {0, 100}))})));
  EXPECT_EQ(quarter.size(), 11u);
  EXPECT_EQ(quarter.back().substr(quarter.back().size() - 6), " 0 100");
  EXPECT_TRUE(lines_of(redraw(store_of({as_text(circle_record({5, 5}, {5, 5}, {100, 0}))}))).empty());
}

TEST_F(RenderTest, EllipsesCloseAndKeepToTheirAxes) {
  const Lines lines = lines_of(redraw(store_of({as_text(ellipse_record({0, 0}, 300, 100))})));
  ASSERT_EQ(lines.size(), 103u);  // steps of about 10 units along the curve
  EXPECT_EQ(lines[0], "line 300 0 298 9");
  EXPECT_EQ(lines[29], "line -32 99 -43 98");
  EXPECT_EQ(lines.back(), "line 298 -8 300 0");
  for (const auto& l : lines) {
    int x1, y1, x2, y2;
    ASSERT_EQ(std::sscanf(l.c_str(), "line %d %d %d %d", &x1, &y1, &x2, &y2), 4);
    EXPECT_LE(std::abs(x2), 300);
    EXPECT_LE(std::abs(y2), 100);
  }
  EXPECT_TRUE(lines_of(redraw(store_of({as_text(ellipse_record({0, 0}, 300, 0))}))).empty());
}

TEST_F(RenderTest, StringsStartFromTheirKeyPoint) {
  auto first_x = [&](const std::string& line) {
    const Lines l = lines_of(redraw(store_of({line})));
    EXPECT_FALSE(l.empty());
    int x = 0;
    std::sscanf(l.empty() ? "" : l.front().c_str(), "line %d", &x);
    return x;
  };
  Record ch(two_point("CH", 1000, 0, 0, 0));
  ch.put_text({27, 96}, " 10 S 0 ABC");
  const int start = first_x(as_text(ch));
  ch.put_text({31, 1}, "E");
  EXPECT_EQ(start - first_x(as_text(ch)), 180);  // 3 characters x 6 x size 10
  ch.put_text({31, 1}, "M");
  EXPECT_EQ(start - first_x(as_text(ch)), 90);
  Record blank(two_point("CH", 0, 0, 0, 0));
  blank.put_text({27, 96}, " 10 S 0");
  EXPECT_TRUE(lines_of(redraw(store_of({as_text(blank)}))).empty());
}

TEST_F(RenderTest, BoxesAndFilledShapes) {
  EXPECT_EQ(lines_of(redraw(store_of({two_point("RB", -10, -20, 30, 40)}))),
            (Lines{"line -10 -20 30 -20", "line 30 -20 30 40", "line 30 40 -10 40", "line -10 40 -10 -20"}));
  Record rf(two_point("RF", -10, -20, 30, 40));
  rf.put(layout::stored::box::kEdgeFlags, 3);  // left and right not inset: top and bottom are
  EXPECT_EQ(redraw(store_of({as_text(rf)})).back(), "fillrect -10 40 30 -20 3");
  EXPECT_EQ(redraw(store_of({as_text(quad_record({{{0, 0}, {100, 0}, {100, 50}, {0, 50}}}))})).back(),
            "polygon 4 0 0 100 0 100 50 0 50");
}

// Each kind places its own points: a layer of half scale shifted 100, seen
// at twice the scale shifted 10, moves every point 210 along.
TEST_F(RenderTest, LayerTransformAndTheViewApplyToEveryPoint) {
  Record rf(two_point("RF", -10, -20, 30, 40)), ch(two_point("CH", 0, 0, 0, 0));
  ch.put_text({27, 96}, " 10 S 0 A");
  state_.view = {2.0, 10.0, 0.0};
  EXPECT_EQ(redraw(store_of({"LA  2  0.5000000E+00  0.1000000E+03  0.0000000E+00", two_point("LI", 0, 0, 100, 0, " S"),
                             as_text(rf), as_text(quad_record({{{0, 5}, {200, 15}, {400, 25}, {600, 35}}})),
                             as_text(ch)})),
            (Lines{"line 210 0 310 0", "fillrect 200 40 240 -20 15", "polygon 4 210 5 410 15 610 25 810 35",
                   "line 217 0 238 64", "line 238 64 260 0", "line 224 21 252 21"}));  // "A" drawn at 7 0 unmoved
  EXPECT_EQ(state_.layer.layer, 2);  // the last layer stays current after a redraw
}

}  // namespace
}  // namespace plv
