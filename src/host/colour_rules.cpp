#include "host/colour_rules.h"

namespace plv::host {

bool is_black(Rgb c) { return c.red == 0 && c.green == 0 && c.blue == 0; }
bool is_white(Rgb c) { return c.red >= 252 && c.green >= 252 && c.blue >= 252; }

Rgb window_colour(const ColourRequest& request, bool black_background, bool colour_window) {
  const Rgb c = request.rgb;
  if (is_white(c)) return black_background ? kWhite : kBlack;
  if (is_black(c)) return black_background ? kBlack : kWhite;
  if (colour_window) return c;
  if (!request.grey) return grey(200);
  return black_background ? grey(*request.grey) : grey(255 - *request.grey);
}

Rgb output_colour(const ColourRequest& request, bool output_takes_colour) {
  const Rgb c = request.rgb;
  if (is_black(c)) return kWhite;
  if (is_white(c)) return kBlack;
  if (output_takes_colour) return c;
  return request.grey ? grey(255 - *request.grey) : grey(200);
}

Rgb index_colour(const ColourIndex& fields, const SurfaceContext& context) {
  const bool use_table = (!context.output_active || context.output_takes_colour) &&
                         (!context.window_active || context.colour_window);
  const bool black_window = context.window_active && context.black_background;
  if (use_table) {
    const int index = black_window ? fields.black_bg_index : fields.white_bg_index;
    if (index >= 0 && index < static_cast<int>(kHostColours.size())) return kHostColours[index];
  }
  if (!context.output_active && context.black_background) return grey(fields.black_bg_grey);
  return grey(255 - fields.white_bg_darkness);
}

}  // namespace plv::host
