// Lines, arrows, brackets, boxes and filled shapes.

#include "kinds/element_renderers.h"

#include <array>
#include <cmath>
#include <optional>

#include "kinds/bracket_profile.h"
#include "kinds/element_curves.h"
#include "drawing/record_layout.h"
#include "kinds/string_renderer.h"

namespace plv {
namespace {

namespace TP = layout::stored::two_point;
constexpr double kDash = 20.0;
// Past this many dashes in sight they are far finer than the screen can
// show: the line is drawn solid.
constexpr double kMostDashesInSight = 100000;
constexpr double kHeadLength = 60.0, kHeadHalfWidth = 30.0, kMarkerHalfLength = 60.0;

template <size_t N>
std::optional<std::array<double, N>> read_reals(const Record& r, const std::array<RealField, N>& fields) {
  std::array<double, N> out{};
  for (size_t i = 0; i < N; ++i) {
    const auto v = r.get(fields[i]);
    if (!v) return std::nullopt;
    out[i] = *v;
  }
  return out;
}

bool flag_on(const Record& r, int k) { return r.text(TP::kFlags[static_cast<size_t>(k - 1)]) == "Y"; }

struct Segment {
  DrawingPoint p1, p2;
  double length;
  Vec u, n;  // unit vector from p1 to p2 and its left normal
};

std::optional<Segment> two_points(const Record& r, ElementPainter& painter) {
  const auto v = read_reals(r, TP::kPoints);
  if (!v) return std::nullopt;
  Segment s{painter.layer((*v)[0], (*v)[1]), painter.layer((*v)[2], (*v)[3]), 0, {}, {}};
  s.length = length(s.p2 - s.p1);
  s.u = unit(s.p2 - s.p1);
  s.n = left_normal(s.u);
  return s;
}

void render_line(const Record& r, ElementPainter& painter) {
  const auto s = two_points(r, painter);
  if (!s || s->p1 == s->p2) return;
  const std::string_view type = r.text(TP::kLineType);
  if (type != "D" && type != "Y") return painter.line(s->p1, s->p2);
  // Only dashes in sight are drawn, so a line scaled far beyond the picture
  // costs no more than one inside it. The first starts on the line's own
  // dash pattern: whole periods from p1 are exact multiples.
  const auto part = painter.visible_part(s->p1, s->p2);
  if (!part) return;
  const double period = 2 * kDash, last = part->to * s->length;
  double t = std::floor(part->from * s->length / period) * period;
  // So far out that a dash no longer moves along (or too many to matter):
  // solid.
  if (t + kDash == t || (last - t) / period > kMostDashesInSight)
    return painter.line(s->p1 + part->from * s->length * s->u, s->p1 + last * s->u);
  for (;;) {
    painter.move(s->p1 + t * s->u);
    t += kDash;
    if (t > s->length) return painter.draw(s->p2);
    painter.draw(s->p1 + t * s->u);
    t += kDash;
    if (t > s->length || t > last) return;
  }
}

void render_wide_line(const Record& r, ElementPainter& painter) {
  const auto s = two_points(r, painter);
  const auto w = r.get(TP::kHalfWidth);
  if (!s || !w || *w < 0) return;
  if (*w <= 1) return painter.line(s->p1, s->p2);
  if (s->length == 0) return;  // no direction to offset the strokes along
  for (long long k = -*w; k <= *w; ++k) {
    const Vec offset = static_cast<double>(k) * s->n;
    painter.line(s->p1 + offset, s->p2 + offset);
  }
}

// An arrow head at `tip` whose barbs point back towards `towards`.
void head(ElementPainter& painter, DrawingPoint tip, DrawingPoint towards) {
  const Vec e = unit(towards - tip);
  if (e.x == 0 && e.y == 0) return;
  const Vec m = left_normal(e);
  const DrawingPoint base = tip + kHeadLength * e;
  painter.line(tip, base + kHeadHalfWidth * m);
  painter.line(tip, base - kHeadHalfWidth * m);
}

void marker(ElementPainter& painter, DrawingPoint at, DrawingPoint towards) {
  const Vec e = unit(towards - at);
  if (e.x == 0 && e.y == 0) return;
  const Vec m = left_normal(e);
  painter.line(at + kMarkerHalfLength * m, at - kMarkerHalfLength * m);
}

void render_bent_arrow(const Record& r, const Segment& s, ElementPainter& painter);

void render_arrow(const Record& r, ElementPainter& painter) {
  const auto s = two_points(r, painter);
  if (!s) return;
  if (flag_on(r, 5)) return render_bent_arrow(r, *s, painter);
  painter.line(s->p1, s->p2);
  if (flag_on(r, 3)) head(painter, s->p1, s->p2);
  if (flag_on(r, 4)) head(painter, s->p2, s->p1);
  if (flag_on(r, 1)) marker(painter, s->p1, s->p2);
  if (flag_on(r, 2)) marker(painter, s->p2, s->p1);
}

void render_bent_arrow(const Record& r, const Segment& s, ElementPainter& painter) {
  constexpr double h = 50.0, kBend = 40.0 * 0.017435329;
  const double t = r.get(TP::kBend).value_or(0.0);
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

void render_bracket(const Record& r, ElementPainter& painter) {
  const auto s = two_points(r, painter);
  if (!s) return;
  const double f = s->length / kBracketBaseLength;
  painter.move(s->p1);
  for (int k = 1; k < 58; ++k) painter.draw(s->p1 + f * kBracketX[static_cast<size_t>(k)] * s->u + f * bracket_y(k) * s->n);
  painter.draw(s->p2);
}

void render_box_outline(const Record& r, ElementPainter& painter) {
  const auto v = read_reals(r, layout::stored::box::kPoints);
  if (!v) return;
  const DrawingPoint a = painter.layer((*v)[0], (*v)[1]), b = painter.layer((*v)[2], (*v)[3]);
  painter.move(a);
  painter.draw({b.x, a.y});
  painter.draw(b);
  painter.draw({a.x, b.y});
  painter.draw(a);
}

void render_filled_box(const Record& r, ElementPainter& painter) {
  const auto v = read_reals(r, layout::stored::box::kPoints);
  if (!v) return;
  const int flags = static_cast<int>(r.get(layout::stored::box::kEdgeFlags).value_or(0));
  painter.filled_box(painter.layer((*v)[0], (*v)[1]), painter.layer((*v)[2], (*v)[3]), flags);
}

void render_filled_quad(const Record& r, ElementPainter& painter) {
  const auto v = read_reals(r, layout::stored::quad::kCorners);
  if (!v) return;
  DrawingPoint corners[4];
  for (size_t k = 0; k < 4; ++k) corners[k] = painter.layer((*v)[2 * k], (*v)[2 * k + 1]);
  painter.filled_quad(corners);
}

void render_circle(const Record& r, ElementPainter& painter) {
  const auto v = read_reals(r, layout::stored::circle::kValues);
  if (!v) return;
  const auto& c = *v;
  if (c[2] == c[0] && c[3] == c[1]) return;  // the arc starts at its centre
  draw_arc(painter, painter.layer(c[0], c[1]), painter.layer(c[2], c[3]), painter.layer(c[4], c[5]));
}

}  // namespace

void render_element(const Record& r, ElementPainter& painter) {
  const std::string_view code = r.code();
  if (code == "LI") render_line(r, painter);
  else if (code == "LW") render_wide_line(r, painter);
  else if (code == "AR") render_arrow(r, painter);
  else if (code == "BR") render_bracket(r, painter);
  else if (code == "BX" || code == "RB") render_box_outline(r, painter);
  else if (code == "RF") render_filled_box(r, painter);
  else if (code == "QF") render_filled_quad(r, painter);
  else if (code == "CI") render_circle(r, painter);
  else if (code == "EL") render_ellipse(r, painter);
  else if (code == "CH" || code == "ST") render_string(r, painter);
}

}  // namespace plv
