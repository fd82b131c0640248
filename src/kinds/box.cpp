// "BX": a box outline from two corners, as the box menu writes it; its
// file form is that of the lines.

#include "kinds/box_form.h"
#include "kinds/kind_list.h"
#include "kinds/pick_geometry.h"
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
  std::optional<double> distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const override {
    const auto s = two_points(r, layer);
    if (!s) return std::nullopt;
    return pick_distance(box_edges_distance(p, s->p1, s->p2));
  }
};

}  // namespace

const Kind& box_kind() {
  static const BoxKind kind;
  return kind;
}

}  // namespace plv
