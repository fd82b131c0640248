#pragma once
// What the edit/delete and colour edit menus remember: where the last
// pick was, the graphic picked last with its colour and layer
// records, the graphic deleted last, and the last recolouring.

#include <span>
#include <vector>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_store.h"
#include "editor/document.h"
#include "kinds/colour_mode.h"
#include "kinds/layer.h"

namespace plv::editing {

// What one recolouring did, so that it can be taken back exactly: the
// colour records it put in, where they then stood. None: nothing to restore.
struct Recolouring {
  std::vector<PlacedRecord> inserted;
};

// Where record `n` (0: none) stands after the records were put in.
inline long moved_up(long n, std::span<const PlacedRecord> inserted) {
  if (n == 0) return 0;
  for (const PlacedRecord& r : inserted)
    if (r.number <= n) ++n;
  return n;
}

struct EditState final : RecordsListener {
  DrawingPoint last_pick{0, 0};  // drawing units
  long last_deleted = 0;  // record number; 0: none
  Record last_picked;     // as stored before it was marked; blank: none
  long remade_at = 0;     // where the last edit left its graphic; 0: none
  Record picked_colour = palette_colour_record(7);
  Record picked_layer = layer_record({1, 1.0, 0.0, 0.0});
  int colour_menu_colour = 0;  // 0 until the colour edit menu is first left
  Recolouring last_recolouring;

  // Records put in between others move the graphics after them up.
  void records_inserted(std::span<const PlacedRecord> inserted) override {
    for (long* n : {&last_deleted, &remade_at}) *n = moved_up(*n, inserted);
  }

  // Record numbers from before an undo, a redo or in another drawing mean
  // nothing now: undelete, re-edit and restore must not act on graphics
  // the user never touched.
  void records_replaced() override {
    last_deleted = 0;
    last_picked = Record();
    remade_at = 0;
    last_recolouring = {};
  }
};

}  // namespace plv::editing
