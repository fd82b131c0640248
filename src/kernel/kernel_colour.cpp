// Colour modes, palettes and the colour calls, passed on to the window.

#include "kernel/kernel.h"

namespace plv::kernel {

void Kernel::apply(const ColourEffect& effect) {
  if (effect.realise) {
    std::vector<host::Rgb> colours;
    colours.reserve(effect.realise->size());
    for (const PaletteColour& c : *effect.realise) colours.push_back({c.red, c.green, c.blue});
    host_.picture().realise_palette(colours);
  }
  if (!effect.send) return;
  const SentColour& c = *effect.send;
  if (c.white_index_record) host_.picture().set_colour_index(255, 255, 255, 0);
  else if (c.grey) host_.picture().set_colour_grey(c.rgb.red, c.rgb.green, c.rgb.blue, *c.grey);
  else host_.picture().set_colour(c.rgb.red, c.rgb.green, c.rgb.blue);
}

void Kernel::lcmode(int imode) { apply(colours_.lcmode(imode)); }
void Kernel::gkcolor(int index) { apply(colours_.colour(index)); }
void Kernel::gkrgb(float red, float green, float blue) { apply(colours_.rgb(red, green, blue)); }
void Kernel::gkgrey(int level) { apply(colours_.grey(level)); }
void Kernel::gkscale(int scale, float value) { apply(colours_.scale(scale, value)); }

}  // namespace plv::kernel
