#pragma once
// Drawing in drawing units: points pass the view transform and reach the
// kernel either through its top layer (which applies the aspect factor) or
// through its direct calls with y multiplied by the aspect factor here.

#include <optional>

#include "drawing/drawing_transforms.h"
#include "kinds/render_state.h"

namespace plv::kernel {
class Kernel;
}

namespace plv {

struct Vec {
  double x = 0, y = 0;
};
inline DrawingPoint operator+(DrawingPoint p, Vec v) { return {p.x + v.x, p.y + v.y}; }
inline DrawingPoint operator-(DrawingPoint p, Vec v) { return {p.x - v.x, p.y - v.y}; }
inline Vec operator-(DrawingPoint a, DrawingPoint b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(double k, Vec v) { return {k * v.x, k * v.y}; }
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
double length(Vec v);
Vec unit(Vec v);  // (0, 0) stays (0, 0)
inline Vec left_normal(Vec u) { return {-u.y, u.x}; }

// A stretch of a segment, as fractions of its length from its first point.
struct Span {
  double from = 0, to = 1;
};

class ElementPainter {
 public:
  ElementPainter(const RenderState& state, kernel::Kernel& kernel) : state_(state), kernel_(kernel) {}

  DrawingPoint layer(double x, double y) const { return apply_layer(state_.layer, {x, y}); }
  double layer_scale() const { return state_.layer.scale; }

  void move(DrawingPoint p);  // top layer
  void draw(DrawingPoint p);
  void line(DrawingPoint a, DrawingPoint b) {
    move(a);
    draw(b);
  }
  void direct_move(DrawingPoint p);
  void direct_draw(DrawingPoint p);
  // Corners in drawing units; flags as the record holds them.
  void filled_box(DrawingPoint a, DrawingPoint b, int edge_flags);
  void filled_quad(const DrawingPoint (&corners)[4]);

  // The part of the segment from a to b (drawing units) that can show in
  // the kernel's visible window, with a margin; nothing when none can.
  std::optional<Span> visible_part(DrawingPoint a, DrawingPoint b) const;

  const RenderState& state() const { return state_; }
  kernel::Kernel& kernel() { return kernel_; }

 private:
  DrawingPoint screen(DrawingPoint p) const { return apply_view(state_.view, p); }

  const RenderState& state_;
  kernel::Kernel& kernel_;
};

}  // namespace plv
