// "BX": a box outline from two corners, as the box menu writes it; its
// file form is that of the lines.

#include "kinds/box_form.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"
#include "kinds/two_point.h"

namespace plv {
namespace {

class BoxKind final : public TwoPointKind {
 public:
  ElementKind element() const override { return ElementKind::kBox; }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    draw_box_outline(r, state.layer, painter);
  }
};

}  // namespace

const Kind& box_kind() {
  static const BoxKind kind;
  return kind;
}

}  // namespace plv
