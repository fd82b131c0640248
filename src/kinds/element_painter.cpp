#include "kinds/element_painter.h"

#include <algorithm>
#include <cmath>

#include "kernel/kernel.h"

namespace plv {

double length(Vec v) { return std::hypot(v.x, v.y); }

Vec unit(Vec v) {
  const double l = length(v);
  return l == 0 ? Vec{} : Vec{v.x / l, v.y / l};
}

namespace {

// Narrows [span.from, span.to] to where p * t <= q holds; false when
// nothing is left (Liang and Barsky's clipping, one edge at a time).
bool keep_inside(double p, double q, Span& span) {
  if (p == 0) return q >= 0;
  const double t = q / p;
  if (p < 0) {
    if (t > span.to) return false;
    span.from = std::max(span.from, t);
  } else {
    if (t < span.from) return false;
    span.to = std::min(span.to, t);
  }
  return true;
}

}  // namespace

std::optional<Span> ElementPainter::visible_part(DrawingPoint a, DrawingPoint b) const {
  const DrawingPoint sa = screen(a), sb = screen(b);
  const double ax = sa.x, ay = sa.y * state_.aspect, bx = sb.x, by = sb.y * state_.aspect;
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return std::nullopt;
  const kernel::Rect w = kernel_.visible_window();
  // The kernel clips what reaches it exactly; the margin only covers rounding.
  const double mx = 1 + 1e-6 * (w.xmax - w.xmin), my = 1 + 1e-6 * (w.ymax - w.ymin);
  const double dx = bx - ax, dy = by - ay;
  Span span;
  if (keep_inside(-dx, ax - (w.xmin - mx), span) && keep_inside(dx, (w.xmax + mx) - ax, span) &&
      keep_inside(-dy, ay - (w.ymin - my), span) && keep_inside(dy, (w.ymax + my) - ay, span))
    return span;
  return std::nullopt;
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
