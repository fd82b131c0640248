#include "core/element_painter.h"

#include <cmath>

#include "kernel/kernel.h"

namespace plv {

double length(Vec v) { return std::hypot(v.x, v.y); }

Vec unit(Vec v) {
  const double l = length(v);
  return l == 0 ? Vec{} : Vec{v.x / l, v.y / l};
}

void ElementPainter::move(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.gkmove(static_cast<float>(s.x), static_cast<float>(s.y));
}

void ElementPainter::draw(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.gkdraw(static_cast<float>(s.x), static_cast<float>(s.y));
}

void ElementPainter::direct_move(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.move(static_cast<float>(s.x), static_cast<float>(s.y * state_.aspect));
}

void ElementPainter::direct_draw(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.draw(static_cast<float>(s.x), static_cast<float>(s.y * state_.aspect));
}

void ElementPainter::filled_box(DrawingPoint a, DrawingPoint b, int edge_flags) {
  const DrawingPoint sa = screen(a), sb = screen(b);
  kernel_.box_filled(static_cast<float>(sa.x), static_cast<float>(sa.y * state_.aspect), static_cast<float>(sb.x),
                     static_cast<float>(sb.y * state_.aspect), edge_flags);
}

void ElementPainter::filled_quad(const DrawingPoint (&corners)[4]) {
  std::array<float, 8> c{};
  for (int k = 0; k < 4; ++k) {
    const DrawingPoint s = screen(corners[k]);
    c[2 * k] = static_cast<float>(s.x);
    c[2 * k + 1] = static_cast<float>(s.y * state_.aspect);
  }
  kernel_.quad_filled(c);
}

}  // namespace plv
