#pragma once
// The six values of the translation-setup line and the values the
// translator accepts for each.

#include <string>
#include <string_view>

#include "drawing/translation_setup.h"

namespace plv {

struct SetupValues {
  std::string mode = "EP";  // "PR" printer, "EP" Encapsulated PostScript, "WP", "MS"
  double drawing_width = 17.36;  // centimetres
  double line_width = 1.0;
  char font = 'D';         // D drafting, C Courier, H Helvetica, T Times-Roman
  char colour = 'M';       // M mono, C colour
  char orientation = 'P';  // L landscape, P portrait

  friend bool operator==(const SetupValues&, const SetupValues&) = default;
};

// The values of a line; the first seven columns are passed over whatever
// they hold, and a width that cannot be read takes its default.
SetupValues parse_setup_line(std::string_view line);
// The 40-character line: "GLIMPT" and the six values.
std::string format_setup_line(const SetupValues& values);

bool accepted_mode(std::string_view mode);
bool accepted_font(char font);
bool accepted_colour(char colour);
bool accepted_orientation(char orientation);
// Greater than 0 as the line's column holds it (a drawing width to two
// decimals, a line width to three), and fitting that column. The setup
// menu and every page made from the values take this one rule.
bool accepted_drawing_width(double width);
bool accepted_line_width(double width);

// The typed values that are accepted, the old ones elsewhere.
SetupValues accept_typed(const SetupValues& old, const SetupValues& typed);

}  // namespace plv
