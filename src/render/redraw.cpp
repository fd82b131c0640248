#include "render/redraw.h"

#include "kinds/element_renderers.h"
#include "drawing/record_layout.h"
#include "kernel/kernel.h"

namespace plv {

bool read_layer_record(const Record& record, LayerTransform& layer) {
  namespace LA = layout::stored::layer;
  const auto number = record.get(LA::kNumber);
  const auto scale = record.get(LA::kScale), dx = record.get(LA::kXShift), dy = record.get(LA::kYShift);
  if (!number || !scale || !dx || !dy) return false;
  layer = {static_cast<int>(*number), *scale, *dx, *dy};
  return true;
}

bool layer_shown(const RenderState& s) {
  const int current = s.layer.layer;
  return !(s.work_layer != current && s.also_draw_layer != current && s.also_draw_layer != 0 && s.work_layer != 0);
}

void dispatch_record(const Record& record, RenderState& state, kernel::Kernel& kernel, ColourHandler& colours) {
  if (record.has_code("LA")) read_layer_record(record, state.layer);
  if (!layer_shown(state)) return;
  if (state.work_layer != 0 && state.work_layer != state.layer.layer && state.colour_mode == kBar)
    colours.apply(state.other_layer_colour);
  ElementPainter painter(state, kernel);
  render_element(record, painter);
}

void redraw_all(const RecordStore& drawing, RenderState& state, kernel::Kernel& kernel, ColourMessages& messages) {
  ColourHandler colours(state, kernel, messages);
  state.mode_seen = false;
  state.current_colour = Record("SC BAR   7");
  state.layer = LayerTransform{};
  for (long n = 1; n <= drawing.count(); ++n) {
    Record record = drawing.read(n);
    if (record.has_code("CM")) continue;
    if (state.colour_mode == kBar) colours.apply(state.current_colour);
    if (state.show_deleted && record.has_code("DE")) {
      record = restore_deleted(record);
      if (state.colour_mode == kBar) colours.apply(state.deleted_colour);
    }
    const std::string_view text = record.text();
    if (text.starts_with("SC M")) {
      colours.apply(record);
    } else if (text.starts_with("SC B")) {
      colours.apply(record);
      state.current_colour = record;
      continue;
    } else if (record.has_code("SC")) {
      colours.apply(record);
    }
    dispatch_record(record, state, kernel, colours);
  }
}

}  // namespace plv
