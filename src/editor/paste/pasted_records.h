#pragma once
// What pasting the buffer appends to the drawing. With no rotation and
// equal scales the paste is simple: one leading layer record carries the
// whole transform and the buffer's own layer records are composed with it.
// Otherwise every point goes through the paste, record by record.

#include <optional>
#include <vector>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_store.h"
#include "kinds/colour_mode.h"

namespace plv::paste {

bool is_simple(const PasteTransform& paste);

// The transform's cosine and sine from its rotation in degrees.
PasteTransform with_rotation(PasteTransform paste, double degrees);

// The drawing a buffer is pasted into: its work layer and colour mode.
struct PasteTarget {
  int work_layer = 0;
  ColourMode colour_mode = ColourMode::kNone;
};

// The records to append, in order, for pasting `buffer` about `centre`.
// A point-by-point paste starts from the identity layer, as its preview
// does, whatever layer the drawing ends in. No colour record goes in that
// the drawing's mode would reject, and no mode record: a drawing has one.
std::vector<Record> pasted_records(const RecordStore& buffer, const PasteTransform& paste, DrawingPoint centre,
                                   const PasteTarget& target);

// The transform that fits a buffer of extent `buffer` into `box` (drawing
// units, ordered), keeping its proportions, with its lower-left corner on
// the box's. Nothing for a buffer without size in both directions, or
// for a box flat across the buffer's size, which would scale it to nothing.
std::optional<PasteTransform> fitted_into(const Extent& buffer, const Extent& box);

}  // namespace plv::paste
