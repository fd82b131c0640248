#pragma once
// How the kernel's colour calls pick a palette entry and a grey level.

#include <optional>

namespace plv::kernel {

// Colour modes: none until a colour call or mode selection picks one.
enum class KernelMode : int { kNone = 0, kIndex = 1, kRgb = 2, kGrey = 3, kScale1 = 4, kScale2 = 5, kScale3 = 6 };

// The palette (1, 2 or 3) a colour mode draws from.
int palette_for_mode(KernelMode mode);
// The mode LCMODE selects for its argument, if any.
std::optional<KernelMode> mode_for_lcmode(int imode);
// The scale mode of scale 1, 2 or 3.
KernelMode scale_mode(int scale);

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
