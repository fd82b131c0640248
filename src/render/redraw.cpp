#include "render/redraw.h"

#include "kinds/colour.h"
#include "kinds/deleted.h"
#include "kinds/registry.h"
#include "kernel/kernel.h"
#include "render/kernel_painter.h"

#include <algorithm>

namespace plv {
namespace {

// The colour records that mark the current, deleted and other-layer
// graphics act only in bar mode.
void in_bar_mode(const RenderState& state, ColourHandler& colours, const Record& colour) {
  if (state.colour_mode == ColourMode::kBar) colours.apply(colour);
}

void draw_record(const Record& stored, RedrawContext& c) {
  RenderState& state = c.state;
  Record record = stored;
  const Kind* kind = &kinds().kind_of(record);
  if (!kind->takes_part_in_redraw()) return;
  in_bar_mode(state, c.colours, state.current_colour);
  if (state.show_deleted && kind->is_deleted()) {
    record = restore_deleted(record);
    kind = &kinds().kind_of(record);
    in_bar_mode(state, c.colours, state.deleted_colour);
  }
  if (kind->act_on_redraw(record, c)) return;
  if (!layer_shown(state)) return;
  if (state.work_layer != 0 && state.work_layer != state.layer.layer) in_bar_mode(state, c.colours, state.other_layer_colour);
  kind->draw(record, state, c.painter);
}

}  // namespace

bool layer_shown(const RenderState& s) {
  const int current = s.layer.layer;
  return !(s.work_layer != current && s.also_draw_layer != current && s.also_draw_layer != 0 && s.work_layer != 0);
}

void redraw_all(const RecordStore& drawing, RenderState& state, kernel::Kernel& kernel, ColourProblems& messages) {
  KernelPainter painter(state, kernel);
  redraw_through(drawing, state, painter, messages);
}

void redraw_through(const RecordStore& drawing, RenderState& state, Painter& painter, ColourProblems& messages) {
  ColourHandler colours(state, painter, messages);
  RedrawContext context{state, painter, colours};
  state.mode_seen = false;
  state.current_colour = palette_colour_record(7);
  state.layer = LayerTransform{};
  for (long n = 1; n <= drawing.count(); ++n) draw_record(drawing.read(n), context);
}

void draw_element(const Record& element, const Record& colour, RenderState& state, kernel::Kernel& kernel,
                  ColourProblems& messages) {
  KernelPainter painter(state, kernel);
  ColourHandler colours(state, painter, messages);
  colours.apply(colour);
  kinds().kind_of(element).draw(element, state, painter);
}

void erase_element(const Record& element, RenderState& state, kernel::Kernel& kernel) {
  constexpr int kBackground = 0, kPointer = 7;
  KernelPainter painter(state, kernel);
  kernel.gkcolor(kBackground);
  kinds().kind_of(element).draw(element, state, painter);
  kernel.gkcolor(kPointer);
}

Extent drawing_extent(const RecordStore& store, const RenderState& state) {
  RenderState scan = state;
  scan.layer = LayerTransform{};
  ExtentBox box;
  for (long n = 1; n <= store.count(); ++n) {
    const Record& r = store.read(n);
    const Kind& kind = kinds().kind_of(r);
    if (const auto layer = kind.layer_of(r)) scan.layer = *layer;
    if (layer_shown(scan)) kind.add_extent(r, scan.layer, box);
  }
  if (box.empty()) return {-1650, 1650, -1250, 1250};
  return box.extent();
}

ViewTransform fit_view(const Extent& e) {
  constexpr double kWidth = 3300, kHeight = 2500, kFlat = 10000.0;
  const double rx = e.xmax - e.xmin == 0 ? kFlat : kWidth / (e.xmax - e.xmin);
  const double ry = e.ymax - e.ymin == 0 ? kFlat : kHeight / (e.ymax - e.ymin);
  ViewTransform v;
  v.scale = 0.99 * std::min(rx, ry);
  v.x_shift = -(e.xmax + e.xmin) * v.scale * 0.5;
  v.y_shift = -(e.ymax + e.ymin) * v.scale * 0.5;
  return v;
}

}  // namespace plv
