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

namespace plv::paste {

bool is_simple(const PasteTransform& paste);

// The transform's cosine and sine from its rotation in degrees.
PasteTransform with_rotation(PasteTransform paste, double degrees);

// The records to append, in order, for pasting `buffer` about `centre`.
std::vector<Record> pasted_records(const RecordStore& buffer, const PasteTransform& paste, DrawingPoint centre,
                                   int work_layer);

// The transform that fits a buffer of extent `buffer` into `box` (drawing
// units, ordered), keeping its proportions, with its lower-left corner on
// the box's. Nothing for a buffer without size in both directions, or
// for a box flat across the buffer's size, which would scale it to nothing.
std::optional<PasteTransform> fitted_into(const Extent& buffer, const Extent& box);

}  // namespace plv::paste
