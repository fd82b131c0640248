// "QF": a quadrilateral filled in the current colour, corners in drawing
// order; the same layout in both forms.

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/painter.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace Q = layout::stored::quad;

class FilledQuadrilateralKind final : public Kind {
 public:
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto v = read_reals(r, Q::kCorners);
    if (!v) return;
    DrawingPoint corners[4];
    for (size_t k = 0; k < 4; ++k) corners[k] = apply_layer(state.layer, {(*v)[2 * k], (*v)[2 * k + 1]});
    painter.filled_quad(corners);
  }
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override {
    add_point_pairs(r, Q::kCorners, layer, box);
  }
};

}  // namespace

const Kind& filled_quadrilateral_kind() {
  static const FilledQuadrilateralKind kind;
  return kind;
}

}  // namespace plv
