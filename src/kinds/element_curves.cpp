// Arcs, full circles and ellipses.

#include "kinds/element_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "kinds/element_renderers.h"
#include "drawing/record_layout.h"

namespace plv {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEllipseStep = 10.0;
// Enormous ellipses would take millions of steps; past this many the
// points are closer than any screen can show.
constexpr double kSmallestEllipseTurn = 2 * kPi / 65536;

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

void draw_arc(ElementPainter& painter, DrawingPoint centre, DrawingPoint start, DrawingPoint end) {
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

void render_ellipse(const Record& r, ElementPainter& painter) {
  namespace E = layout::stored::ellipse;
  const auto xc = r.get(E::kCentreX), yc = r.get(E::kCentreY), sp = r.get(E::kSemiAxisX), sq = r.get(E::kSemiAxisY);
  if (!xc || !yc || !sp || !sq) return;
  const DrawingPoint centre = painter.layer(*xc, *yc);
  const double p = painter.layer_scale() * *sp, q = painter.layer_scale() * *sq;
  if (!(p > 0 && q > 0) || !std::isfinite(p) || !std::isfinite(q) || !std::isfinite(centre.x) ||
      !std::isfinite(centre.y))
    return;
  double x = p, y = 0, theta = 0;
  painter.move({centre.x + p, centre.y});
  do {
    theta += std::max(kEllipseStep / std::hypot(x, y), kSmallestEllipseTurn);
    if (std::cos(theta) == 0) {
      x = 0;
    } else {
      const double t = std::tan(theta);
      x = 1 / std::sqrt(1 / (p * p) + (t / q) * (t / q));
      if (theta > kPi / 2) x = -x;
      if (theta > 3 * kPi / 2) x = -x;
    }
    y = x * x / (p * p) >= 1 ? 0 : q * std::sqrt(1 - x * x / (p * p));
    if (theta > kPi) y = -y;
    painter.draw({centre.x + x, centre.y + y});
  } while (theta < 2 * kPi);
  painter.draw({centre.x + p, centre.y});
}

}  // namespace plv
