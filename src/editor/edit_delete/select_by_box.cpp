#include "editor/edit_delete/select_by_box.h"

#include <algorithm>
#include <vector>

#include "editor/pointer.h"
#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/registry.h"
#include "render/redraw.h"

namespace plv::editing {
namespace {

bool inside(const DrawingBox& box, const std::vector<DrawingPoint>& points) {
  return !points.empty() && std::all_of(points.begin(), points.end(), [&box](DrawingPoint p) { return box.holds(p); });
}

// The colour and layer records in force while the drawing is read, and
// the last ones copied to the buffer.
struct Carried {
  Record colour, layer;
  Record copied_colour, copied_layer;
};

// Each copy carries the colour and layer its graphics were drawn in, so
// that a copy added to a buffer never takes those of the copy before it:
// before any record of its own, colour 7 and layer 0 unscaled, as a redraw
// starts.
void copy_to_buffer(RecordStore& buffer, Carried& carried, const Record& graphic) {
  if (carried.colour.blank_in({1, 2})) carried.colour = palette_colour_record(7);
  if (carried.layer.blank_in({1, 2})) carried.layer = layer_record({0, 1.0, 0.0, 0.0});
  if (carried.colour != carried.copied_colour) {
    buffer.append(carried.colour);
    carried.copied_colour = carried.colour;
  }
  if (carried.layer != carried.copied_layer) {
    buffer.append(carried.layer);
    carried.copied_layer = carried.layer;
  }
  buffer.append(graphic);
}

// Reads the drawing as a redraw does, with the colour and layer records
// in force, and hands each graphic in the box to `take`.
template <typename Take>
void scan_box(const RecordStore& drawing, const RenderState& render, const DrawingBox& box, Take take) {
  LayerTransform layer{};
  Carried carried;
  for (long n = 1; n <= drawing.count(); ++n) {
    const Record& stored = drawing.read(n);
    const bool deleted = kinds().kind_of(stored).is_deleted();
    if (deleted && !render.show_deleted) continue;
    const Record record = deleted ? restore_deleted(stored) : stored;
    const Kind& kind = kinds().kind_of(record);
    if (is_colour_setting(record)) {
      carried.colour = record;
      continue;
    }
    if (const auto starts = kind.layer_of(record)) {
      layer = *starts;
      carried.layer = record;
      continue;
    }
    if (render.work_layer != 0 && render.work_layer != layer.layer) continue;
    if (inside(box, kind.test_points(record, layer))) take(n, record, deleted, layer, carried);
  }
}

}  // namespace

std::vector<long> graphics_in_box(const Document& document, const Screen& screen, const DrawingBox& box) {
  std::vector<long> found;
  scan_box(document.drawing, screen.render, box,
           [&found](long n, const Record&, bool, const LayerTransform&, Carried&) { found.push_back(n); });
  return found;
}

long select_by_box(Document& document, Screen& screen, const DrawingBox& box, BoxAction action) {
  const bool copy = action != BoxAction::kDelete, remove = action != BoxAction::kCopy;
  RenderState& render = screen.render;
  const LayerTransform kept_layer = render.layer;
  long taken = 0;
  screen.kernel.gkgraph();
  scan_box(document.drawing, render, box,
           [&](long n, const Record& record, bool deleted, const LayerTransform& layer, Carried& carried) {
             ++taken;
             if (copy) copy_to_buffer(document.buffer, carried, record);
             if (!remove) return;
             render.layer = layer;
             erase_element(record, render, screen.kernel);
             if (!deleted) document.drawing.write(n, mark_deleted(record));
           });
  screen.kernel.gkalpha();
  render.layer = kept_layer;
  return taken;
}

std::optional<DrawingBox> drag_selection_box(Screen& screen) {
  SelectionBox& s = screen.selection_box;
  const PointingAt at(screen, "The box around the graphics to take");
  const auto answer = on_picture(
      screen, [&s](kernel::Kernel& kernel) { return kernel.gkrbox(s.x1, s.y1, s.x2, s.y2, kSelectionBoxLimits); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  s = {std::min(answer.x1, answer.x2), std::min(answer.y1, answer.y2), std::max(answer.x1, answer.x2),
       std::max(answer.y1, answer.y2)};
  const DrawingPoint low = from_kernel(screen, s.x1, s.y1), high = from_kernel(screen, s.x2, s.y2);
  return DrawingBox{std::min(low.x, high.x), std::min(low.y, high.y), std::max(low.x, high.x), std::max(low.y, high.y)};
}

}  // namespace plv::editing
