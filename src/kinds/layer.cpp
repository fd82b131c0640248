#include "kinds/layer.h"

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace LA = layout::stored::layer;

class LayerKind final : public Kind {
 public:
  // Of a run of layer records only the one in force when something else
  // follows is written.
  FileRole file_role(const Record&) const override { return FileRole::kLayerRun; }
  bool act_on_redraw(const Record& r, RedrawContext& c) const override {
    if (const auto layer = read_layer_record(r)) c.state.layer = *layer;
    return false;
  }
  std::optional<LayerTransform> layer_of(const Record& r) const override { return read_layer_record(r); }
};

}  // namespace

bool is_layer_record(const Record& record) { return record.has_code("LA"); }

std::optional<LayerTransform> read_layer_record(const Record& record) {
  const auto number = record.get(LA::kNumber);
  const auto scale = record.get(LA::kScale), dx = record.get(LA::kXShift), dy = record.get(LA::kYShift);
  if (!number || !scale || !dx || !dy) return std::nullopt;
  return LayerTransform{static_cast<int>(*number), *scale, *dx, *dy};
}

Record layer_record(const LayerTransform& layer) {
  Record r;
  r.put_text(layout::kCode, "LA");
  r.put(LA::kNumber, layer.layer);
  r.put(LA::kScale, layer.scale);
  r.put(LA::kXShift, layer.x_shift);
  r.put(LA::kYShift, layer.y_shift);
  return r;
}

const Kind& layer_kind() {
  static const LayerKind kind;
  return kind;
}

}  // namespace plv
