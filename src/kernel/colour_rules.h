#pragma once
// How the kernel's colour calls pick a palette entry and a grey level.

#include <optional>

namespace plv::kernel {

// Colour modes: 0 until a colour call or mode selection picks one.
enum ColourMode { kNoMode = 0, kIndexMode = 1, kRgbMode = 2, kGreyMode = 3, kScale1Mode = 4, kScale2Mode = 5, kScale3Mode = 6 };

// The palette (1, 2 or 3) a colour mode draws from.
int palette_for_mode(int mode);
// The mode LCMODE selects for its argument, if any.
std::optional<int> mode_for_lcmode(int imode);

// Palette index calls: outside 0-15 is 8.
int clamp_palette_index(int index);
// The grey sent with a palette index for monochrome surfaces.
int grey_for_index(int index);
// An RGB fraction as a component 0-255.
int rgb_component(double fraction);

struct ScaleColour {
  int palette;
  int entry;
  int grey;
  bool white_index_record;  // the lowest iron entry goes as an index record
};
// Value v on scale 1 (circular), 2 (hot) or 3 (iron).
ScaleColour scale_colour(int scale, double v);

}  // namespace plv::kernel
