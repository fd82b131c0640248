// "RF": a rectangle filled in the current colour; its edge flags tell which
// edges are not inset.

#include "drawing/record_layout.h"
#include "kinds/box_form.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace B = layout::stored::box;

class FilledRectangleKind final : public BoxFormKind {
 public:
  ElementKind element() const override { return ElementKind::kFilledRectangle; }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto v = read_reals(r, B::kPoints);
    if (!v) return;
    const int flags = static_cast<int>(r.get(B::kEdgeFlags).value_or(0));
    painter.filled_box(apply_layer(state.layer, {(*v)[0], (*v)[1]}), apply_layer(state.layer, {(*v)[2], (*v)[3]}),
                       flags);
  }

 protected:
  bool has_edge_flags() const override { return true; }
};

}  // namespace

const Kind& filled_rectangle_kind() {
  static const FilledRectangleKind kind;
  return kind;
}

}  // namespace plv
