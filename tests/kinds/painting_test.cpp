// Element kinds drawn through a painter of the test's own, with no kernel
// or window behind it: the calls each kind makes, in drawing units, under
// its layer transform.

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "kinds/box_form.h"
#include "kinds/colour.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/line.h"
#include "kinds/painter.h"
#include "kinds/registry.h"
#include "kinds/render_state.h"
#include "kinds/string.h"

namespace plv {
namespace {

// Writes every call down; the whole of the picture is visible unless a
// test says otherwise.
class RecordingPainter final : public Painter {
 public:
  std::vector<std::string> calls;
  bool everything_visible = true;

  void move(DrawingPoint p) override { note("move", {p.x, p.y}); }
  void draw(DrawingPoint p) override { note("draw", {p.x, p.y}); }
  void direct_move(DrawingPoint p) override { note("direct_move", {p.x, p.y}); }
  void direct_draw(DrawingPoint p) override { note("direct_draw", {p.x, p.y}); }
  void filled_box(DrawingPoint a, DrawingPoint b, int edge_flags) override {
    note("box", {a.x, a.y, b.x, b.y}, " flags " + std::to_string(edge_flags));
  }
  void filled_quad(const DrawingPoint (&c)[4]) override {
    note("quad", {c[0].x, c[0].y, c[1].x, c[1].y, c[2].x, c[2].y, c[3].x, c[3].y});
  }
  void text(DrawingPoint start, Vec, const TextStyle&, std::string_view text, int length) override {
    note("text", {start.x, start.y}, " " + std::string(text.substr(0, static_cast<size_t>(length))));
  }
  std::optional<Span> visible_part(DrawingPoint, DrawingPoint) const override {
    return everything_visible ? std::optional<Span>(Span{}) : std::nullopt;
  }
  double view_scale() const override { return 1.0; }
  void colour_mode(ColourMode mode) override { note("mode", {static_cast<double>(mode)}); }
  void colour(int index) override { note("colour", {static_cast<double>(index)}); }
  void colour_rgb(float, float, float) override { note("rgb"); }
  void colour_grey(int level) override { note("grey", {static_cast<double>(level)}); }
  void colour_scale(int, float) override { note("scale"); }
  void leave_picture() override { note("leave"); }
  void resume_picture() override { note("resume"); }

 private:
  // The call's name and its numbers, as "draw 210 10", then the rest.
  void note(std::string_view what, std::initializer_list<double> numbers = {}, std::string_view rest = "") {
    std::ostringstream s;
    s << what;
    for (const double n : numbers) s << ' ' << n;
    s << rest;
    calls.push_back(s.str());
  }
};

std::vector<std::string> painted(const Record& r, const RenderState& state, RecordingPainter& painter) {
  kinds().kind_of(r).draw(r, state, painter);
  return painter.calls;
}

TEST(Painting, KindsDrawTheirPointsThroughTheLayer) {
  RenderState doubled;
  doubled.layer = {1, 2.0, 10.0, 0.0};
  const std::pair<Record, std::vector<std::string>> cases[] = {
      {line_record({0, 0}, {100, 5}, 'S'), {"move 10 0", "draw 210 10"}},
      {box_record(ElementKind::kFilledRectangle, {0, 0}, {50, 20}), {"box 10 0 110 40 flags 0"}},
      {quad_record({{{0, 0}, {10, 0}, {10, 10}, {0, 10}}}), {"quad 10 0 30 0 30 20 10 20"}},
      {string_record({{5, 5}, 12, 'S', 0, "HELLO"}), {"text 20 10 HELLO"}},
  };
  for (const auto& [record, calls] : cases) {
    RecordingPainter p;
    EXPECT_EQ(painted(record, doubled, p), calls) << record.trimmed();
  }
}

TEST(Painting, DashesOnlyInSightNothingForAPointAndColourRecordsSetTheModeFirst) {
  RenderState state;
  RecordingPainter hidden;
  hidden.everything_visible = false;
  EXPECT_TRUE(painted(line_record({0, 0}, {1000, 0}, 'D'), state, hidden).empty());

  RecordingPainter seen;
  const auto dashes = painted(line_record({0, 0}, {1000, 0}, 'D'), state, seen);
  EXPECT_GT(dashes.size(), 2u);
  EXPECT_EQ(dashes.size() % 2, 0u);  // each dash a move and a draw

  RecordingPainter point;
  EXPECT_TRUE(painted(line_record({7, 7}, {7, 7}, 'S'), state, point).empty());

  // A colour record sets the drawing's mode, then the colour.
  RecordingPainter p;
  struct Quiet final : ColourProblems {
    void met(const ColourProblem&) override {}
  } quiet;
  ColourHandler colours(state, p, quiet);
  colours.apply(palette_colour_record(12));
  EXPECT_EQ(p.calls, (std::vector<std::string>{"mode 1", "colour 12"}));
  EXPECT_EQ(state.colour_mode, ColourMode::kBar);
}

}  // namespace
}  // namespace plv
