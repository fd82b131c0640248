#pragma once
// Colour modes of a drawing, as its "SC MODE" record names them, and the
// palette colour records the editor makes and accepts.

#include "drawing/record.h"

namespace plv {

enum class ColourMode : int {
  kNone = -1,
  kMono = 0,
  kBar = 1,
  kRgb = 2,
  kGrey = 3,
  kCircl = 4,
  kHot = 5,
  kHotPj = 6,
  kHotIron = 7,
};

// "SC BAR" with the colour right-justified in columns 7-10, as the menus write it.
Record palette_colour_record(int colour);
// "SC BAR" with a colour 0 to 15: what may mark deleted or other-layer graphics.
bool is_palette_colour(const Record& record);
// "SC MODE BAR": the mode a new drawing starts in.
Record bar_mode_record();

}  // namespace plv
