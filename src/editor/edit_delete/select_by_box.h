#pragma once
// Selecting every graphic that lies inside a box: deleting them, copying
// them to the buffer with the colour and layer records they need, or both.

#include <optional>
#include <vector>

#include "drawing/drawing_transforms.h"
#include "editor/document.h"
#include "editor/screen.h"

namespace plv::editing {

// A box in drawing units, x1 <= x2 and y1 <= y2; its bounds belong to it.
struct DrawingBox {
  double x1, y1, x2, y2;
  bool holds(DrawingPoint p) const { return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2; }
};

enum class BoxAction {
  kDelete,
  kCopy,
  kDeleteAndCopy,  // a cut
};

// The graphics on the work layer whose test points all lie in the box,
// deleted ones too while they are shown, by record number.
std::vector<long> graphics_in_box(const Document& document, const Screen& screen, const DrawingBox& box);

// Every live graphic (and deleted one, while they are shown) on the work
// layer whose test points all lie in the box. Copies go to the end of the
// buffer, each after the colour and layer records in force for it, those
// written only when they differ from the last ones copied. Deleted ones
// leave the picture and are marked deleted. Returns how many were taken.
long select_by_box(Document& document, Screen& screen, const DrawingBox& box, BoxAction action);

// The box dragged with the pointer from the screen's last selection box,
// its corners ordered and kept for the next drag, in drawing units.
std::optional<DrawingBox> drag_selection_box(Screen& screen);

}  // namespace plv::editing
