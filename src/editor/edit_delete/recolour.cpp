#include "editor/edit_delete/recolour.h"

#include <algorithm>

#include "kernel/kernel.h"
#include "kinds/colour_mode.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/record_context.h"
#include "kinds/registry.h"
#include "render/redraw.h"

namespace plv::editing {
namespace {

bool is_live_graphic(const Record& record) {
  const Kind& kind = kinds().kind_of(record);
  return !kind.is_deleted() && kind.drawn_in_colour();
}

LayerTransform transform_of(const Record& layer) { return read_layer_record(layer).value_or(LayerTransform{}); }

}  // namespace

Recolouring recolour(Editor& e, const std::vector<long>& picked, int colour, ColourMessages& messages) {
  Recolouring done;
  const Record colour_record = palette_colour_record(colour);
  const LayerTransform kept_layer = e.render.layer;
  e.kernel.gkpage(1);
  Record last_layer;
  for (const long n : picked) {
    const Record graphic = e.drawing.read(n);
    if (!is_live_graphic(graphic)) continue;
    const Record layer = layer_record_before(e.drawing, n);
    e.render.layer = transform_of(layer);
    erase_element(graphic, e.render, e.kernel);
    e.drawing.write(n, mark_deleted(graphic));
    done.marked.push_back(n);
    if (done.appended_from == 0) {
      e.drawing.append(colour_record);
      done.appended_from = e.drawing.count();
    }
    if (layer != last_layer) {
      e.drawing.append(layer);
      last_layer = layer;
    }
    e.drawing.append(graphic);
    draw_element(graphic, colour_record, e.render, e.kernel, messages);
  }
  done.appended_to = done.appended_from == 0 ? 0 : e.drawing.count();
  e.render.layer = kept_layer;
  e.kernel.tekflush(0);
  return done;
}

RestoreOutcome restore_colours(Editor& e, const Recolouring& done) {
  if (done.appended_from == 0) return RestoreOutcome::kNothingToRestore;
  const bool still_marked = std::all_of(done.marked.begin(), done.marked.end(), [&e](long n) {
    return n <= e.drawing.count() && kinds().kind_of(e.drawing.read(n)).is_deleted();
  });
  if (e.drawing.count() != done.appended_to || !still_marked) return RestoreOutcome::kDrawingChanged;
  while (e.drawing.count() >= done.appended_from) e.drawing.drop_last();
  for (const long n : done.marked) e.drawing.write(n, restore_deleted(e.drawing.read(n)));
  return RestoreOutcome::kRestored;
}

}  // namespace plv::editing
