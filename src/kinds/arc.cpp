#include "kinds/arc.h"

#include <algorithm>
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

void draw_arc(Painter& painter, DrawingPoint centre, DrawingPoint start, DrawingPoint end) {
  const DrawingPoint s = whole_units(start), c = whole_units(centre);
  if (s == c) return;
  DrawingPoint e = whole_units(end);
  if (e == s) e.y -= 1.0;  // the arc closes into a full circle
  const double radius = length(s - c);
  const Vec u = unit(s - c), m = left_normal(u);
  const Vec w = unit(e - c);
  const double phi = (w.x == 0 && w.y == 0) ? 2 * kPi : sweep_angle(u, w);
  const double step = ((radius - 5.0) * 0.1 + 5.0) / radius;
  // A radius beyond all numbers has no steps to take.
  if (!std::isfinite(radius) || !std::isfinite(step) || !std::isfinite(phi)) return;
  painter.direct_move(s);
  for (int k = 1;; ++k) {
    const double theta = std::min(k * step, phi);
    painter.direct_draw(c + radius * std::cos(theta) * u + radius * std::sin(theta) * m);
    if (theta == phi) return;
  }
}

}  // namespace plv
