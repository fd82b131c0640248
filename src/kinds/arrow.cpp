// "AR": an arrow, straight or bent, with heads and marker lines as its
// flags ask.

#include "kinds/arrow.h"

#include "drawing/record_layout.h"
#include "kinds/arc.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"
#include "kinds/two_point.h"

namespace plv {
namespace {

constexpr double kHeadLength = 60.0, kHeadHalfWidth = 30.0, kMarkerHalfLength = 60.0;

// An arrow head at `tip` whose barbs point back towards `towards`.
void head(Painter& painter, DrawingPoint tip, DrawingPoint towards) {
  const Vec e = unit(towards - tip);
  if (e.x == 0 && e.y == 0) return;
  const Vec m = left_normal(e);
  const DrawingPoint base = tip + kHeadLength * e;
  painter.line(tip, base + kHeadHalfWidth * m);
  painter.line(tip, base - kHeadHalfWidth * m);
}

void marker(Painter& painter, DrawingPoint at, DrawingPoint towards) {
  const Vec e = unit(towards - at);
  if (e.x == 0 && e.y == 0) return;
  const Vec m = left_normal(e);
  painter.line(at + kMarkerHalfLength * m, at - kMarkerHalfLength * m);
}

double bend_of(const Record& r) { return r.get(layout::stored::two_point::kBend).value_or(0.0); }

void draw_bent(const Record& r, const Segment& s, Painter& painter) {
  constexpr double h = 50.0, kBend = 40.0 * 0.017435329;
  const double t = bend_of(r);
  const double radius = std::sqrt(s.length * s.length + 4 * h * h);
  const double beta = std::atan2(s.u.y, s.u.x) - std::atan2(2 * h, radius);
  const Vec e{std::cos(beta), std::sin(beta)}, m{-std::sin(beta), std::cos(beta)};
  const DrawingPoint a = s.p1 + radius * e;
  const DrawingPoint b = s.p1 + t * radius * e;
  const double k = h / (std::sin(kBend) + 1);
  const Vec turn = k * (std::cos(kBend) * e + std::sin(kBend) * m);
  const DrawingPoint c = b + k * m, d = c + turn, e2 = d + turn, f = e2 + k * m, g = a + 2 * h * m;
  painter.line(s.p1, b);
  draw_arc(painter, c, b, d);
  draw_arc(painter, e2, f, d);
  painter.line(f, g);
  if (flag_on(r, 3)) head(painter, s.p1, a);
}

class ArrowKind final : public TwoPointKind {
 public:
  ElementKind element() const override { return ElementKind::kArrow; }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto s = two_points(r, state.layer);
    if (!s) return;
    if (flag_on(r, 5)) return draw_bent(r, *s, painter);
    painter.line(s->p1, s->p2);
    if (flag_on(r, 3)) head(painter, s->p1, s->p2);
    if (flag_on(r, 4)) head(painter, s->p2, s->p1);
    if (flag_on(r, 1)) marker(painter, s->p1, s->p2);
    if (flag_on(r, 2)) marker(painter, s->p2, s->p1);
  }
};

}  // namespace

Record arrow_record(DrawingPoint from, DrawingPoint to, const ArrowFlags& flags, double bend) {
  namespace TP = layout::stored::two_point;
  Record r = two_point_record("AR", from, to);
  for (size_t k = 0; k < flags.size(); ++k) r.put_text(TP::kFlags[k], std::string_view(&flags[k], 1));
  r.put(TP::kBend, bend);
  return r;
}

Record arrow_record(const ArrowValues& v) { return arrow_record(v.from, v.to, v.flags, v.bend); }

std::optional<ArrowValues> arrow_values(const Record& record) {
  const auto ends = two_point_ends(record);
  if (!ends) return std::nullopt;
  ArrowValues v{(*ends)[0], (*ends)[1], {}, bend_of(record)};
  for (size_t k = 0; k < v.flags.size(); ++k) v.flags[k] = record.text(layout::stored::two_point::kFlags[k])[0];
  return v;
}

const Kind& arrow_kind() {
  static const ArrowKind kind;
  return kind;
}

}  // namespace plv
