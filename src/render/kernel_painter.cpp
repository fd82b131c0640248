#include "render/kernel_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "kernel/kernel.h"

namespace plv {
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

// A kernel coordinate: one past what a float holds becomes an infinity
// (which the kernel draws nothing to) instead of an undefined conversion.
float to_kernel(double v) {
  if (std::abs(v) > static_cast<double>(std::numeric_limits<float>::max()))
    return v > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
  return static_cast<float>(v);
}

}  // namespace

std::optional<Span> KernelPainter::visible_part(DrawingPoint a, DrawingPoint b) const {
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

void KernelPainter::move(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.gkmove(to_kernel(s.x), to_kernel(s.y));
}

void KernelPainter::draw(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.gkdraw(to_kernel(s.x), to_kernel(s.y));
}

void KernelPainter::direct_move(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.move(to_kernel(s.x), to_kernel(s.y * state_.aspect));
}

void KernelPainter::direct_draw(DrawingPoint p) {
  const DrawingPoint s = screen(p);
  kernel_.draw(to_kernel(s.x), to_kernel(s.y * state_.aspect));
}

void KernelPainter::filled_box(DrawingPoint a, DrawingPoint b, int edge_flags) {
  const DrawingPoint sa = screen(a), sb = screen(b);
  kernel_.box_filled(to_kernel(sa.x), to_kernel(sa.y * state_.aspect), to_kernel(sb.x),
                     to_kernel(sb.y * state_.aspect), edge_flags);
}

void KernelPainter::filled_quad(const DrawingPoint (&corners)[4]) {
  std::array<float, 8> c{};
  for (int k = 0; k < 4; ++k) {
    const DrawingPoint s = screen(corners[k]);
    c[2 * k] = to_kernel(s.x);
    c[2 * k + 1] = to_kernel(s.y * state_.aspect);
  }
  kernel_.quad_filled(c);
}

void KernelPainter::text(DrawingPoint start, Vec offset, const TextStyle& style, std::string_view text, int length) {
  kernel_.set_char_size(style.char_width, style.char_height);
  kernel_.set_advance(style.advance_x, style.advance_y);
  kernel_.set_rotation(style.rotation_s, style.rotation_c);
  const DrawingPoint s = screen(start) + offset;
  kernel_.move(to_kernel(s.x), to_kernel(s.y * state_.aspect));
  kernel_.draw_string(length, text);
}

void KernelPainter::colour_mode(ColourMode mode) { kernel_.lcmode(static_cast<int>(mode)); }
void KernelPainter::colour(int index) { kernel_.gkcolor(index); }
void KernelPainter::colour_rgb(float red, float green, float blue) { kernel_.gkrgb(red, green, blue); }
void KernelPainter::colour_grey(int level) { kernel_.gkgrey(level); }
void KernelPainter::colour_scale(int scale, float value) { kernel_.gkscale(scale, value); }

void KernelPainter::leave_picture() { kernel_.tekflush(kernel::Flush::kClose); }
void KernelPainter::resume_picture() { kernel_.gkpage(kernel::PageStart::kKept); }

}  // namespace plv
