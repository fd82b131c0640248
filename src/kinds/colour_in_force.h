#pragma once
// The colour record that graphics appended at a place in a drawing are
// drawn with: the last colour-setting "SC" record before it.

#include "drawing/record.h"
#include "drawing/record_store.h"
#include "kinds/colour_mode.h"

namespace plv {

// "SC" records that set a colour, not those that choose a colour mode.
bool is_colour_setting(const Record& record);

// The last colour-setting record among records 1 to `last`; a drawing is
// drawn in colour 7 until one comes, so that is the answer when none does.
Record colour_setting_in_force(const RecordStore& store, long last);

// The colour mode the drawing's colour records choose: its first mode
// record's, or the bar mode when a palette colour comes first; none when
// nothing chooses one.
ColourMode colour_mode_of(const RecordStore& store);

// True when palette colour records ("SC BAR n") set colours in this
// drawing: it is in the bar mode, or in none yet.
bool takes_palette_colours(const RecordStore& store);

}  // namespace plv
