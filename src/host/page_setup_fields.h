#pragma once
// What the Page Setup and Pen Width dialogs read and show, kept apart from
// any toolkit so the rules can be checked on their own.
//
// Page values are hundredths of an inch, shown in inches with an inch mark
// ("6.5\""). Pen widths are whole pixels, at least 1.

#include <optional>
#include <string>
#include <string_view>

#include "host/window_system.h"

namespace plv::host {

inline constexpr std::string_view kPageSetupTitle = "Page Setup";
inline constexpr std::string_view kPageSetupErrorTitle = "Page Setup Error";
inline constexpr std::string_view kPageSetupError = "Invalid data";
inline constexpr std::string_view kPenWidthTitle = "Pen Width";
inline constexpr std::string_view kPenWidthErrorTitle = "Pen Width Error";
inline constexpr std::string_view kPenWidthError = "All pen width values must be positive integers";
// A page field holds at most this many characters.
inline constexpr int kInchFieldLength = 8;

// Reads "1.25", " -1 ", "6.5\"" as hundredths: an optional sign, digits
// with at most one point, an optional inch mark at the very end, blanks
// only around it all. A third decimal of 5 or more rounds up; further
// decimals are ignored. Nothing else reads.
std::optional<int> parse_inches(std::string_view text);

// 650 shows as 6.5", 100 as 1", 5 as 0.05".
std::string format_inches(int hundredths);

// The next multiple of a tenth of an inch above (direction > 0) or below
// the value; a step down never goes under `minimum`.
int step_inches(int hundredths, int direction, int minimum);

// The three page fields as typed; margins may be 0, the width must be
// positive. The orientation is not a text field and is left as it is.
std::optional<PageSetup> read_page_setup(std::string_view top, std::string_view left, std::string_view width,
                                         PageSetup values);

// A whole number of at least 1, blanks around it allowed.
std::optional<int> parse_pen_width(std::string_view text);

// Up adds 1, down takes 1 away but not below 1.
int step_pen_width(int width, int direction);

std::optional<PenWidths> read_pen_widths(std::string_view window, std::string_view printer,
                                         std::string_view metafile);

}  // namespace plv::host
