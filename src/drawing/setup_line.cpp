#include "drawing/setup_line.h"

#include <optional>
#include <string>

#include "text/field_format.h"
#include "drawing/record.h"
#include "text/fixed_text.h"

namespace plv {
namespace {

namespace columns {
inline constexpr Columns kProgram{1, 6};
inline constexpr Columns kMode{8, 2};
inline constexpr Columns kDrawingWidth{11, 10};  // F10.2
inline constexpr Columns kLineWidth{22, 10};     // F10.3
inline constexpr Columns kFont{33, 1};
inline constexpr Columns kColour{35, 1};
inline constexpr Columns kOrientation{37, 1};
inline constexpr int kDrawingWidthDecimals = 2;
inline constexpr int kLineWidthDecimals = 3;
}  // namespace columns

inline constexpr std::string_view kProgramName = "GLIMPT";

void put(std::string& line, Columns c, std::string_view text) {
  fmt::write_text(line.data() + (c.first - 1), c.width, text);
}

// The value as its column of the line holds it is above 0: what would be
// written as 0.00, or as asterisks, makes a page or a line of nothing.
bool held_above_zero(double value, Columns c, int decimals) {
  const std::string text = fmt::fixed_text(c.width, decimals, value);
  if (text.find('*') != std::string::npos) return false;
  const std::optional<double> held = fmt::read_real(text, decimals);
  return held && *held > 0;
}

bool one_of(char c, std::string_view choices) { return choices.find(c) != std::string_view::npos; }

}  // namespace

SetupValues parse_setup_line(std::string_view given) {
  const std::string line = text::padded(given, kSetupLineLength);
  SetupValues v;
  const SetupValues defaults;
  v.mode = std::string(text::in_columns(line, columns::kMode));
  v.drawing_width = fmt::read_real(text::in_columns(line, columns::kDrawingWidth), columns::kDrawingWidthDecimals)
                        .value_or(defaults.drawing_width);
  v.line_width =
      fmt::read_real(text::in_columns(line, columns::kLineWidth), columns::kLineWidthDecimals).value_or(defaults.line_width);
  v.font = text::in_columns(line, columns::kFont)[0];
  v.colour = text::in_columns(line, columns::kColour)[0];
  v.orientation = text::in_columns(line, columns::kOrientation)[0];
  return v;
}

std::string format_setup_line(const SetupValues& v) {
  std::string line(kSetupLineLength, ' ');
  put(line, columns::kProgram, kProgramName);
  put(line, columns::kMode, v.mode);
  put(line, columns::kDrawingWidth,
      fmt::fixed_text(columns::kDrawingWidth.width, columns::kDrawingWidthDecimals, v.drawing_width));
  put(line, columns::kLineWidth, fmt::fixed_text(columns::kLineWidth.width, columns::kLineWidthDecimals, v.line_width));
  put(line, columns::kFont, std::string(1, v.font));
  put(line, columns::kColour, std::string(1, v.colour));
  put(line, columns::kOrientation, std::string(1, v.orientation));
  return line;
}

bool accepted_mode(std::string_view mode) { return mode == "PR" || mode == "EP" || mode == "WP" || mode == "MS"; }
bool accepted_font(char font) { return one_of(font, "DCHT"); }
bool accepted_colour(char colour) { return one_of(colour, "MC"); }
bool accepted_orientation(char orientation) { return one_of(orientation, "LP"); }

bool accepted_drawing_width(double width) {
  return held_above_zero(width, columns::kDrawingWidth, columns::kDrawingWidthDecimals);
}
bool accepted_line_width(double width) {
  return held_above_zero(width, columns::kLineWidth, columns::kLineWidthDecimals);
}

SetupValues accept_typed(const SetupValues& old, const SetupValues& typed) {
  SetupValues v = old;
  if (accepted_mode(typed.mode)) v.mode = typed.mode;
  if (accepted_drawing_width(typed.drawing_width)) v.drawing_width = typed.drawing_width;
  if (accepted_line_width(typed.line_width)) v.line_width = typed.line_width;
  if (accepted_font(typed.font)) v.font = typed.font;
  if (accepted_colour(typed.colour)) v.colour = typed.colour;
  if (accepted_orientation(typed.orientation)) v.orientation = typed.orientation;
  return v;
}

}  // namespace plv
