#include "publish/paper_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plv::publish {

constexpr double kPi = std::numbers::pi;

// Each quarter turn or less of the arc as one cubic curve, its handles
// 4/3 tan(turn / 4) of the radius long.
void CurvesCanvas::arc(DrawingPoint centre, double radius, double from, double to) {
  while (to < from) to += 2 * kPi;
  auto at = [&](double angle) { return centre + Vec{radius * std::cos(angle), radius * std::sin(angle)}; };
  move_to(at(from));
  const int pieces = std::max(1, static_cast<int>(std::ceil((to - from) / (kPi / 2) - 1e-9)));
  const double turn = (to - from) / pieces;
  const double handle = 4.0 / 3.0 * std::tan(turn / 4) * radius;
  for (int k = 0; k < pieces; ++k) {
    const double a = from + k * turn, b = a + turn;
    curve_to(at(a) + handle * Vec{-std::sin(a), std::cos(a)}, at(b) + handle * Vec{std::sin(b), -std::cos(b)}, at(b));
  }
}

void CurvesCanvas::ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  const double handle = 4.0 / 3.0 * (std::sqrt(2.0) - 1);
  const double hx = handle * semi_axis_x, hy = handle * semi_axis_y;
  const DrawingPoint c = centre;
  const double rx = semi_axis_x, ry = semi_axis_y;
  move_to(c + Vec{rx, 0});
  curve_to(c + Vec{rx, hy}, c + Vec{hx, ry}, c + Vec{0, ry});
  curve_to(c + Vec{-hx, ry}, c + Vec{-rx, hy}, c + Vec{-rx, 0});
  curve_to(c + Vec{-rx, -hy}, c + Vec{-hx, -ry}, c + Vec{0, -ry});
  curve_to(c + Vec{hx, -ry}, c + Vec{rx, -hy}, c + Vec{rx, 0});
  close_path();
}

}  // namespace plv::publish
