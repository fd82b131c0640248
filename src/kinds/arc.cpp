#include "kinds/arc.h"

#include <cmath>
#include <numbers>

namespace plv {
namespace {

constexpr double kPi = std::numbers::pi;

DrawingPoint whole_units(DrawingPoint p) { return {std::round(p.x), std::round(p.y)}; }

// How far round from u the direction w lies, counter-clockwise, in (0, 2 pi].
double sweep_angle(Vec u, Vec w) {
  const Vec m = left_normal(u);
  const double c = u.x * w.x + u.y * w.y, s = m.x * w.x + m.y * w.y;
  const double b = c == 0 ? kPi / 2 : std::atan(std::fabs(s / c));
  double phi = c > 0 ? (s < 0 ? 2 * kPi - b : b) : (s < 0 ? kPi + b : kPi - b);
  if (std::fabs(phi) < 0.0314) phi = 2 * kPi;
  return phi;
}

}  // namespace

DrawingPoint ArcSteps::at(double angle) const {
  return centre + radius * std::cos(angle) * u + radius * std::sin(angle) * m;
}

std::optional<ArcSteps> arc_steps(DrawingPoint centre, DrawingPoint start, DrawingPoint end) {
  ArcSteps a;
  a.centre = centre;
  a.radius = length(start - centre);
  a.u = unit(start - centre);
  a.m = left_normal(a.u);
  const Vec w = unit(end - centre);
  a.sweep = (w.x == 0 && w.y == 0) ? 2 * kPi : sweep_angle(a.u, w);
  a.step = ((a.radius - 5.0) * 0.1 + 5.0) / a.radius;
  // The step is never under 0.1 radian, so an arc has at most 63 chords;
  // no radius, or one beyond all numbers, has none.
  if (!(a.radius > 0) || !std::isfinite(a.radius) || !std::isfinite(a.step) || !std::isfinite(a.sweep))
    return std::nullopt;
  return a;
}

void draw_arc(Painter& painter, DrawingPoint centre, DrawingPoint start, DrawingPoint end) {
  const DrawingPoint s = whole_units(start), c = whole_units(centre);
  DrawingPoint e = whole_units(end);
  if (e == s) e.y -= 1.0;  // the arc closes into a full circle
  const auto arc = arc_steps(c, s, e);
  if (!arc) return;
  if (painter.true_arc({arc->centre, arc->radius, std::atan2(arc->u.y, arc->u.x), arc->sweep})) return;
  painter.direct_move(s);
  for_each_arc_point(*arc, [&](DrawingPoint p) { painter.direct_draw(p); });
}

}  // namespace plv
