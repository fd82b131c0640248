// "RB": a rectangular box outline from two corners.

#include "kinds/box_form.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

class RectangularBoxKind final : public BoxFormKind {
 public:
  ElementKind element() const override { return ElementKind::kRectangularBox; }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    draw_box_outline(r, state.layer, painter);
  }
};

}  // namespace

const Kind& rectangular_box_kind() {
  static const RectangularBoxKind kind;
  return kind;
}

}  // namespace plv
