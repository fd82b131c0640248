#pragma once
// The colour and layer records a graphic was drawn under: what the
// element menus need with a graphic taken from the drawing, to draw it
// again as it stood.

#include "drawing/record.h"
#include "drawing/record_store.h"

namespace plv {

// The last colour-setting record before record n, or colour 7.
Record colour_record_before(const RecordStore& store, long n);
// The last layer record before record n, or one for layer 1, unscaled and
// unshifted.
Record layer_record_before(const RecordStore& store, long n);

}  // namespace plv
