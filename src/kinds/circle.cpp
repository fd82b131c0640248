// "CI": a circle or an arc from its centre, start and end points.

#include "drawing/record_layout.h"
#include "kinds/arc.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace L = layout;
namespace C = layout::stored::circle;

class CircleKind final : public Kind {
 public:
  StoredConversion to_stored(const Record& line) const override {
    StoredConversion result;
    result.record.put_text(L::kCode, line.code());
    copy_numbers(line, L::file::circle::kValues, C::kValues, result.record, result.problem);
    return result;
  }
  FileConversion to_file(const Record& stored) const override {
    FileConversion result;
    result.line.put_text(L::kCode, stored.code());
    copy_numbers(stored, C::kValues, L::file::circle::kValues, result.line, result.problem, &result.kind);
    return result;
  }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto v = read_reals(r, C::kValues);
    if (!v) return;
    const auto& c = *v;
    if (c[2] == c[0] && c[3] == c[1]) return;  // the arc starts at its centre
    const LayerTransform& layer = state.layer;
    draw_arc(painter, apply_layer(layer, {c[0], c[1]}), apply_layer(layer, {c[2], c[3]}),
             apply_layer(layer, {c[4], c[5]}));
  }
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override {
    add_point_pairs(r, C::kValues, layer, box);
  }
};

}  // namespace

const Kind& circle_kind() {
  static const CircleKind kind;
  return kind;
}

}  // namespace plv
