#pragma once
// The colour record that graphics appended at a place in a drawing are
// drawn with: the last colour-setting "SC" record before it.

#include "drawing/record.h"
#include "drawing/record_store.h"

namespace plv {

// "SC" records that set a colour, not those that choose a colour mode.
bool is_colour_setting(const Record& record);

// The last colour-setting record among records 1 to `last`; a drawing is
// drawn in colour 7 until one comes, so that is the answer when none does.
Record colour_setting_in_force(const RecordStore& store, long last);

// True when palette colour records ("SC BAR n") set colours in this
// drawing: no live "SC MODE" record names another mode.
bool takes_palette_colours(const RecordStore& store);

}  // namespace plv
