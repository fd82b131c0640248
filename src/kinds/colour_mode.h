#pragma once
// Colour modes of a drawing, as its "SC MODE" record names them, and the
// palette colour records the editor makes and accepts.

#include "drawing/colour_track.h"
#include "drawing/record.h"

namespace plv {

// "SC BAR" with the colour right-justified in columns 7-10, as the menus write it.
Record palette_colour_record(int colour);
// "SC BAR" with a colour 0 to 15: what may mark deleted or other-layer graphics.
bool is_palette_colour(const Record& record);
// "SC MODE BAR": the mode a new drawing starts in.
Record bar_mode_record();
// "SC MODE RGB", and "SC RGB" with three levels 0 to 63 (3I3 in columns 8-16).
Record rgb_mode_record();
Record rgb_colour_record(int red, int green, int blue);

}  // namespace plv
