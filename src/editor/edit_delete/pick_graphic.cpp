#include "editor/edit_delete/pick_graphic.h"

#include "editor/edit_delete/edit_menus.h"
#include "editor/pointer.h"
#include "host/key.h"
#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/record_context.h"
#include "kinds/registry.h"
#include "render/redraw.h"

namespace plv::editing {
namespace {

// Nothing is ever this far away: the distance to beat at the start.
constexpr double kFarAway = 1000000.0;

// A deleted record as the graphic it stands for, when deleted graphics are shown.
std::optional<Record> as_shown(const Record& stored, const RenderState& render) {
  if (!kinds().kind_of(stored).is_deleted()) return stored;
  if (!render.show_deleted) return std::nullopt;
  return restore_deleted(stored);
}

bool on_work_layer(const RenderState& render, const LayerTransform& layer) {
  return render.work_layer == 0 || render.work_layer == layer.layer;
}

// Draws `element` in the background colour under its own layer record.
void erase_under_layer(Screen& screen, const Record& element, const Record& layer) {
  screen.render.layer = read_layer_record(layer).value_or(LayerTransform{});
  erase_element(element, screen.render, screen.kernel);
}

void delete_nearest(const EditMenus& e, DrawingPoint point) {
  RecordStore& drawing = e.document.drawing;
  const std::optional<long> best = nearest_graphic(drawing, e.screen.render, point);
  if (!best) {
    e.state.last_deleted = 0;
    return;
  }
  const Record stored = drawing.read(*best);
  const bool already_deleted = kinds().kind_of(stored).is_deleted();
  const Record layer = layer_record_before(drawing, *best);
  erase_under_layer(e.screen, already_deleted ? restore_deleted(stored) : stored, layer);
  e.state.last_picked = stored;
  if (!already_deleted) drawing.write(*best, mark_deleted(stored));
  e.state.picked_colour = colour_setting_in_force(drawing, *best - 1);
  e.state.picked_layer = layer;
  e.state.last_deleted = *best;
}

bool ends_picking(host::Key key) {
  return key == host::Key::kEnter || key == host::Key::pointer_press(host::kLeftButton);
}

}  // namespace

std::optional<long> nearest_graphic(const RecordStore& drawing, const RenderState& render, DrawingPoint point) {
  LayerTransform layer{};
  std::optional<long> best;
  double best_distance = kFarAway;
  for (long n = 1; n <= drawing.count(); ++n) {
    const std::optional<Record> record = as_shown(drawing.read(n), render);
    if (!record) continue;
    const Kind& kind = kinds().kind_of(*record);
    if (const auto starts = kind.layer_of(*record)) {
      layer = *starts;
      continue;
    }
    if (!on_work_layer(render, layer)) continue;
    const std::optional<double> d = kind.distance_to(*record, layer, point);
    if (d && *d < best_distance) {
      best_distance = *d;
      best = n;
    }
  }
  return best;
}

void pick_graphics(const EditMenus& e, PickMode mode) {
  const PointingAt at(e.screen, "Delete: pick near the graphic to delete");
  for (;;) {
    const PickedPoint picked = pick_point(e.screen, e.state.last_pick);
    e.state.last_pick = picked.point;
    if (cancels_pointing(picked.key)) return;  // nothing picked, nothing deleted
    if (mode == PickMode::kRepeatedly && ends_picking(picked.key)) return;
    delete_nearest(e, picked.point);
    if (mode == PickMode::kOnce) return;
  }
}

void undelete_last(const EditMenus& e, ColourProblems& messages) {
  RecordStore& drawing = e.document.drawing;
  Screen& screen = e.screen;
  const long n = e.state.last_deleted;
  e.state.last_deleted = 0;
  if (n == 0 || n > drawing.count()) return;
  const Record stored = drawing.read(n);
  if (!kinds().kind_of(stored).is_deleted()) return;
  const Record restored = restore_deleted(stored);
  drawing.write(n, restored);
  screen.kernel.gkpage(kernel::PageStart::kKept);
  screen.render.layer = read_layer_record(layer_record_before(drawing, n)).value_or(LayerTransform{});
  draw_element(restored, colour_setting_in_force(drawing, n - 1), screen.render, screen.kernel, messages);
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

}  // namespace plv::editing
