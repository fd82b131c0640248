#include "editor/create/snap.h"

#include "editor/create/cursor.h"
#include "editor/pointer.h"
#include "kinds/deleted.h"
#include "kinds/registry.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"

namespace plv::create {

std::optional<DrawingPoint> nearest_defining_point(const RecordStore& drawing, const RenderState& state,
                                                   DrawingPoint to) {
  LayerTransform layer{0, 1.0, 0.0, 0.0};
  std::optional<DrawingPoint> best;
  double best_distance = 0;
  for (long n = 1; n <= drawing.count(); ++n) {
    Record record = drawing.read(n);
    const Kind* kind = &kinds().kind_of(record);
    if (state.show_deleted && kind->is_deleted()) {
      record = restore_deleted(record);
      kind = &kinds().kind_of(record);
    }
    if (const auto l = kind->layer_of(record)) layer = *l;
    if (state.work_layer != 0 && state.work_layer != layer.layer) continue;
    for (const DrawingPoint stored : kind->defining_points(record)) {
      const DrawingPoint p = apply_layer(layer, stored);
      const double d = (p.x - to.x) * (p.x - to.x) + (p.y - to.y) * (p.y - to.y);
      if (!best || d < best_distance) {
        best = p;
        best_distance = d;
      }
    }
  }
  return best;
}

std::optional<DrawingPoint> snap(const Document& document, Screen& screen, SharedPoints& shared) {
  const DrawingPoint second = shared.second;  // only the first point follows the pick
  const PointingAt at(screen, "Snap: pick near the point of a graphic to take");
  const auto picked = pick_one_point(screen, shared);
  if (!picked) return std::nullopt;  // cancelled: nothing to tell
  shared.second = second;
  const auto found = nearest_defining_point(document.drawing, screen.render, *picked);
  if (!found) {
    screen.ui.lines().set_message("NO ELEMENT TO SNAP TO: THE POINT STAYS AS IT WAS.");
    ui::error_and_wait(screen.ui);
    return std::nullopt;
  }
  if (cancels_pointing(mark_point(screen, *found))) return std::nullopt;
  return found;
}

}  // namespace plv::create
