// Element kinds drawn through a painter of the test's own, with no kernel
// or window behind it: the calls each kind makes, in drawing units, under
// its layer transform.

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
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

  void move(DrawingPoint p) override { note("move", p); }
  void draw(DrawingPoint p) override { note("draw", p); }
  void direct_move(DrawingPoint p) override { note("direct_move", p); }
  void direct_draw(DrawingPoint p) override { note("direct_draw", p); }
  void filled_box(DrawingPoint a, DrawingPoint b, int edge_flags) override {
    std::ostringstream s;
    s << "box " << a.x << ' ' << a.y << ' ' << b.x << ' ' << b.y << " flags " << edge_flags;
    calls.push_back(s.str());
  }
  void filled_quad(const DrawingPoint (&corners)[4]) override {
    std::ostringstream s;
    s << "quad";
    for (const DrawingPoint& c : corners) s << ' ' << c.x << ' ' << c.y;
    calls.push_back(s.str());
  }
  void text(DrawingPoint start, Vec, const TextStyle&, std::string_view text, int length) override {
    std::ostringstream s;
    s << "text " << start.x << ' ' << start.y << ' ' << text.substr(0, static_cast<size_t>(length));
    calls.push_back(s.str());
  }
  std::optional<Span> visible_part(DrawingPoint, DrawingPoint) const override {
    return everything_visible ? std::optional<Span>(Span{}) : std::nullopt;
  }
  double view_scale() const override { return 1.0; }
  void colour_mode(ColourMode mode) override { calls.push_back("mode " + std::to_string(static_cast<int>(mode))); }
  void colour(int index) override { calls.push_back("colour " + std::to_string(index)); }
  void colour_rgb(float, float, float) override { calls.push_back("rgb"); }
  void colour_grey(int level) override { calls.push_back("grey " + std::to_string(level)); }
  void colour_scale(int, float) override { calls.push_back("scale"); }
  void leave_picture() override { calls.push_back("leave"); }
  void resume_picture() override { calls.push_back("resume"); }

 private:
  void note(const char* what, DrawingPoint p) {
    std::ostringstream s;
    s << what << ' ' << p.x << ' ' << p.y;
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
  {
    RecordingPainter p;
    EXPECT_EQ(painted(line_record({0, 0}, {100, 5}, 'S'), doubled, p),
              (std::vector<std::string>{"move 10 0", "draw 210 10"}));
  }
  {
    RecordingPainter p;
    EXPECT_EQ(painted(box_record(ElementKind::kFilledRectangle, {0, 0}, {50, 20}), doubled, p),
              (std::vector<std::string>{"box 10 0 110 40 flags 0"}));
  }
  {
    RecordingPainter p;
    EXPECT_EQ(painted(quad_record({{{0, 0}, {10, 0}, {10, 10}, {0, 10}}}), doubled, p),
              (std::vector<std::string>{"quad 10 0 30 0 30 20 10 20"}));
  }
  {
    RecordingPainter p;
    const auto calls = painted(string_record({{5, 5}, 12, 'S', 0, "HELLO"}), doubled, p);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "text 20 10 HELLO");
  }
}

TEST(Painting, ADashedLineOutOfSightDrawsNothingAndASolidOneOfNoLengthNothingEither) {
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
}

TEST(Painting, ColourRecordsSetTheModeThenTheColour) {
  RenderState state;
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
