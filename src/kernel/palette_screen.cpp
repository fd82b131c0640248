#include "kernel/palette_screen.h"

#include "text/field_format.h"
#include "kernel/kernel.h"

namespace plv::kernel {

void show_colour_palette(Kernel& k) {
  constexpr float kTextSize = 12;
  k.gkpage(PageStart::kErased);
  k.lcmode(1);
  k.gkcolor(7);
  k.gkmove(-600, 1000);
  k.gkchars(kTextSize, 0, "COLOUR PALETTE");
  for (int i = 1; i <= 15; ++i) {
    const float y = static_cast<float>(900 - 130 * i);
    k.gkcolor(i);
    k.box_filled(-1000, y, -600, y + 90, 0);
    k.gkmove(-500, y);
    k.gkchars(kTextSize, 0, "COLOUR NUMBER " + fmt::int_text(2, i));
  }
  k.tekflush(Flush::kShowAndWait);
}

}  // namespace plv::kernel
