#include "editor/edit_delete/recolour.h"

#include <algorithm>

#include "kernel/kernel.h"
#include "kinds/colour_mode.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
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
  if (picked.empty()) return done;
  const Record colour_record = palette_colour_record(colour);
  const LayerTransform kept_layer = e.render.layer;
  e.kernel.gkpage(1);
  // One pass over the drawing carries the layer record in force; a graphic
  // before any layer record is on layer 0 and goes back there.
  Record layer = layer_record({0, 1.0, 0.0, 0.0});
  Record last_layer;
  auto next = picked.begin();
  for (long n = 1; n <= picked.back() && next != picked.end(); ++n) {
    const Record graphic = e.drawing.read(n);
    if (is_layer_record(graphic)) layer = graphic;
    if (n != *next) continue;
    ++next;
    if (!is_live_graphic(graphic)) continue;
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
  for (long n = done.appended_from; n != 0 && n <= e.drawing.count(); ++n) done.appended.push_back(e.drawing.read(n));
  e.render.layer = kept_layer;
  e.kernel.tekflush(0);
  return done;
}

RestoreOutcome restore_colours(Editor& e, const Recolouring& done) {
  if (done.appended_from == 0) return RestoreOutcome::kNothingToRestore;
  const long appended_to = done.appended_from + static_cast<long>(done.appended.size()) - 1;
  if (e.drawing.count() != appended_to) return RestoreOutcome::kDrawingChanged;
  // The recoloured copies must stand as they were made: one deleted or
  // edited since would otherwise come back as its old self.
  for (long n = done.appended_from; n <= appended_to; ++n)
    if (e.drawing.read(n) != done.appended[static_cast<size_t>(n - done.appended_from)]) return RestoreOutcome::kDrawingChanged;
  const bool still_marked = std::all_of(done.marked.begin(), done.marked.end(), [&e](long n) {
    return n <= e.drawing.count() && kinds().kind_of(e.drawing.read(n)).is_deleted();
  });
  if (!still_marked) return RestoreOutcome::kDrawingChanged;
  while (e.drawing.count() >= done.appended_from) e.drawing.drop_last();
  for (const long n : done.marked) e.drawing.write(n, restore_deleted(e.drawing.read(n)));
  return RestoreOutcome::kRestored;
}

}  // namespace plv::editing
