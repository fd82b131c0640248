#pragma once
// The element kinds' painter over the graphics kernel: drawing units go
// through the view transform, and y through the aspect factor, on their way
// to the kernel's plot coordinates.

#include "kinds/painter.h"
#include "kinds/render_state.h"

namespace plv::kernel {
class Kernel;
}

namespace plv {

class KernelPainter final : public Painter {
 public:
  KernelPainter(const RenderState& state, kernel::Kernel& kernel) : state_(state), kernel_(kernel) {}

  void move(DrawingPoint p) override;
  void draw(DrawingPoint p) override;
  void direct_move(DrawingPoint p) override;
  void direct_draw(DrawingPoint p) override;
  void filled_box(DrawingPoint a, DrawingPoint b, int edge_flags) override;
  void filled_quad(const DrawingPoint (&corners)[4]) override;
  void text(DrawingPoint start, Vec offset, const TextStyle& style, std::string_view text, int length) override;

  std::optional<Span> visible_part(DrawingPoint a, DrawingPoint b) const override;
  double view_scale() const override { return state_.view.scale; }

  void colour_mode(ColourMode mode) override;
  void colour(int index) override;
  void colour_rgb(float red, float green, float blue) override;
  void colour_grey(int level) override;
  void colour_scale(int scale, float value) override;

  void leave_picture() override;
  void resume_picture() override;

 private:
  DrawingPoint screen(DrawingPoint p) const { return apply_view(state_.view, p); }

  const RenderState& state_;
  kernel::Kernel& kernel_;
};

}  // namespace plv
