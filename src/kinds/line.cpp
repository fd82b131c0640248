// "LI": a straight line, solid or dashed.

#include <cmath>

#include "kinds/line.h"

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"
#include "kinds/two_point.h"

namespace plv {
namespace {

constexpr double kDash = 20.0;
// Past this many dashes in sight they are far finer than the screen can
// show: the line is drawn solid.
constexpr double kMostDashesInSight = 100000;

void draw_dashes(const Segment& s, Painter& painter) {
  // Only dashes in sight are drawn, so a line scaled far beyond the picture
  // costs no more than one inside it. The first starts on the line's own
  // dash pattern: whole periods from p1 are exact multiples.
  const auto part = painter.visible_part(s.p1, s.p2);
  if (!part) return;
  const double period = 2 * kDash, last = part->to * s.length;
  double t = std::floor(part->from * s.length / period) * period;
  // So far out that a dash no longer moves along (or too many to matter):
  // solid.
  if (t + kDash == t || (last - t) / period > kMostDashesInSight)
    return painter.line(s.p1 + part->from * s.length * s.u, s.p1 + last * s.u);
  for (;;) {
    painter.move(s.p1 + t * s.u);
    t += kDash;
    if (t > s.length) return painter.draw(s.p2);
    painter.draw(s.p1 + t * s.u);
    t += kDash;
    if (t > s.length || t > last) return;
  }
}

class LineKind final : public TwoPointKind {
 public:
  ElementKind element() const override { return ElementKind::kLine; }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto s = two_points(r, state.layer);
    if (!s || s->p1 == s->p2) return;
    if (dashed_line_type(r.text(layout::stored::two_point::kLineType)[0])) return draw_dashes(*s, painter);
    painter.line(s->p1, s->p2);
  }
};

}  // namespace

Record line_record(DrawingPoint start, DrawingPoint end, char type) {
  Record r = two_point_record("LI", start, end);
  r.put_text(layout::stored::two_point::kLineType, std::string_view(&type, 1));
  return r;
}

std::optional<LineValues> line_values(const Record& record) {
  const auto ends = two_point_ends(record);
  if (!ends) return std::nullopt;
  LineValues v{(*ends)[0], (*ends)[1], 'S', std::nullopt};
  if (record.has_code("LW")) {
    v.width = record.get(layout::stored::two_point::kHalfWidth);
    if (!v.width) return std::nullopt;
  } else {
    v.type = record.text(layout::stored::two_point::kLineType)[0];
  }
  return v;
}

Record line_record(const LineValues& v) {
  return v.width ? wide_line_record(v.start, v.end, static_cast<int>(*v.width)) : line_record(v.start, v.end, v.type);
}

bool dashed_line_type(char type) { return type == 'D' || type == 'Y'; }

const Kind& line_kind() {
  static const LineKind kind;
  return kind;
}

}  // namespace plv
