#pragma once
// The layer records a paste writes. A simple paste (no rotation, equal
// scales) is itself a layer transform: it leads with its own layer record
// and composes the buffer's layer records with it. A point-by-point paste
// has already moved every point, so the buffer's layer records keep only
// their layer number.

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

// The layer record a simple paste appends before the buffer: the work
// layer, scale x and the shifts.
Record paste_layer_record(const PasteTransform& paste, int work_layer);
// A buffer layer record under a simple paste: moved to the work layer
// (unless that is 0) and its transform followed by the paste's.
Record composed_layer_record(const Record& layer_record, const PasteTransform& paste, int work_layer);
// A buffer layer record under a point-by-point paste: moved to the work
// layer (unless that is 0), scale 1 and no shift.
Record flattened_layer_record(const Record& layer_record, int work_layer);

}  // namespace plv
