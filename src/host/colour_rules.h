#pragma once
// How a colour asked for by the picture becomes the colour a surface shows.
// Black and white swap roles on a white background and on paper, so that ink
// and background keep their meaning; monochrome surfaces show greys.

#include <array>
#include <optional>

#include "host/colour.h"

namespace plv::host {

// The host's own table of 16 colours, used by colour index records.
inline constexpr std::array<Rgb, 16> kHostColours{{
    {0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
    {127, 127, 127}, {255, 127, 0}, {127, 0, 0}, {0, 127, 0},
    {127, 127, 0}, {0, 0, 127}, {127, 0, 127}, {0, 127, 127},
}};

// A colour as set by the picture: a colour record has no grey level, a
// colour and grey record carries one for monochrome surfaces.
struct ColourRequest {
  Rgb rgb;
  std::optional<int> grey;
};

bool is_black(Rgb c);
bool is_white(Rgb c);  // all three components 252 or more

Rgb window_colour(const ColourRequest& request, bool black_background, bool colour_window);
Rgb output_colour(const ColourRequest& request, bool output_takes_colour);

// The four fields of a colour index record.
struct ColourIndex {
  int black_bg_index = 0;
  int white_bg_index = 0;
  int black_bg_grey = 0;
  int white_bg_darkness = 0;
};

// Which surfaces are drawn on and how they show colour.
struct SurfaceContext {
  bool window_active = true;
  bool output_active = false;
  bool output_takes_colour = false;
  bool black_background = false;
  bool colour_window = true;
};

// An index outside the host table is shown by the record's grey fields.
Rgb index_colour(const ColourIndex& fields, const SurfaceContext& context);

}  // namespace plv::host
