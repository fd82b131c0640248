// "QF": a quadrilateral filled in the current colour, corners in drawing
// order; the same layout in both forms.

#include "kinds/filled_quadrilateral.h"

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/painter.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace Q = layout::stored::quad;

class FilledQuadrilateralKind final : public Kind {
 public:
  ElementKind element() const override { return ElementKind::kFilledQuadrilateral; }
  std::vector<DrawingPoint> defining_points(const Record& r) const override {
    const auto c = quad_corners(r);
    return c ? std::vector<DrawingPoint>(c->begin(), c->end()) : std::vector<DrawingPoint>{};
  }
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

Record quad_record(const QuadCorners& corners) {
  Record r;
  r.put_text(layout::kCode, "QF");
  for (size_t k = 0; k < 4; ++k) {
    r.put(Q::kCorners[2 * k], corners[k].x);
    r.put(Q::kCorners[2 * k + 1], corners[k].y);
  }
  return r;
}

std::optional<QuadCorners> quad_corners(const Record& r) {
  const auto v = read_reals(r, Q::kCorners);
  if (!v) return std::nullopt;
  QuadCorners c;
  for (size_t k = 0; k < 4; ++k) c[k] = {(*v)[2 * k], (*v)[2 * k + 1]};
  return c;
}

const Kind& filled_quadrilateral_kind() {
  static const FilledQuadrilateralKind kind;
  return kind;
}

}  // namespace plv
