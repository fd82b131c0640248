#include "host/page_setup_fields.h"
#include "text/fixed_text.h"

#include <cstdint>
#include <limits>

namespace plv::host {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> fits_int(std::int64_t value) {
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return std::nullopt;
  return static_cast<int>(value);
}

// Floor division for a positive divisor.
int floor_div(int value, int divisor) {
  const int q = value / divisor;
  return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

}  // namespace

std::optional<int> parse_inches(std::string_view text) {
  std::string_view s = text::trimmed(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (!s.empty() && s.back() == '"') s.remove_suffix(1);

  std::int64_t whole = 0;
  int decimals[3] = {0, 0, 0};
  int decimal_count = 0;
  bool seen_point = false;
  bool seen_digit = false;
  for (const char c : s) {
    if (c == '.') {
      if (seen_point) return std::nullopt;
      seen_point = true;
    } else if (!is_digit(c)) {
      return std::nullopt;  // blanks inside, a second mark, letters
    } else {
      seen_digit = true;
      if (!seen_point) {
        whole = whole * 10 + (c - '0');
        if (whole > std::numeric_limits<int>::max()) return std::nullopt;
      } else if (decimal_count < 3) {
        decimals[decimal_count++] = c - '0';
      }
    }
  }
  if (!seen_digit) return std::nullopt;
  std::int64_t hundredths = whole * 100 + decimals[0] * 10 + decimals[1] + (decimals[2] >= 5 ? 1 : 0);
  return fits_int(negative ? -hundredths : hundredths);
}

std::string format_inches(int hundredths) {
  const std::int64_t value = hundredths;
  const std::int64_t magnitude = value < 0 ? -value : value;
  std::string text = (value < 0 ? "-" : "") + std::to_string(magnitude / 100);
  const int cents = static_cast<int>(magnitude % 100);
  if (cents != 0) {
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  }
  return text + '"';
}

int step_inches(int hundredths, int direction, int minimum) {
  if (direction > 0) {
    if (hundredths > std::numeric_limits<int>::max() - 10) return hundredths;
    return (floor_div(hundredths, 10) + 1) * 10;
  }
  if (hundredths <= minimum) return hundredths;
  const int below = (floor_div(hundredths - 1, 10)) * 10;
  return below < minimum ? minimum : below;
}

std::optional<PageSetup> read_page_setup(std::string_view top, std::string_view left, std::string_view width,
                                         PageSetup values) {
  const auto t = parse_inches(top);
  const auto l = parse_inches(left);
  const auto w = parse_inches(width);
  // A margin off the page or a picture of no width prints nothing useful.
  if (!t || !l || !w || *t < 0 || *l < 0 || *w <= 0) return std::nullopt;
  values.top_margin = *t;
  values.left_margin = *l;
  values.width = *w;
  return values;
}

std::optional<int> parse_pen_width(std::string_view text) {
  const std::string_view s = text::trimmed(text);
  if (s.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : s) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
  }
  if (value < 1) return std::nullopt;
  return static_cast<int>(value);
}

int step_pen_width(int width, int direction) {
  if (direction > 0) return width == std::numeric_limits<int>::max() ? width : width + 1;
  return width > 1 ? width - 1 : 1;
}

std::optional<PenWidths> read_pen_widths(std::string_view window, std::string_view printer,
                                         std::string_view metafile) {
  const auto w = parse_pen_width(window);
  const auto p = parse_pen_width(printer);
  const auto m = parse_pen_width(metafile);
  if (!w || !p || !m) return std::nullopt;
  return PenWidths{*w, *p, *m};
}

}  // namespace plv::host
