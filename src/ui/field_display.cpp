#include "ui/field_display.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/decimal_digits.h"
#include "text/field_format.h"
#include "text/fixed_text.h"

namespace plv::ui {
namespace {

// The scientific and engineering mantissa: 14 significant digits,
// right-justified in 16 characters before the "E".
constexpr int kMantissaDigits = 14;
constexpr int kMantissaWidth = 16;
// General notation keeps four columns for an exponent it does not show.
constexpr int kGeneralExponentRoom = 4;

std::string stars(int width) { return std::string(static_cast<std::size_t>(std::max(width, 0)), '*'); }

// The last `width` characters of `text` right-justified in 20 (or more) columns.
std::string right_part(const std::string& text, int width) {
  const auto w = static_cast<std::size_t>(std::max(width, 0));
  const std::size_t span = std::max({static_cast<std::size_t>(kNumericFieldWidth), w, text.size()});
  const std::string justified = std::string(span - text.size(), ' ') + text;
  return justified.substr(span - w);
}

// A float as the decimal it was typed as: 0.1f is 0.1, not 0.100000001.
double widen(float value) {
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  double out = value;
  if (ec == std::errc()) std::from_chars(buf, end, out);
  return out;
}

// The significand with `point` digits before the decimal point.
double mantissa_value(const fmt::DecimalDigits& d, int point) {
  if (d.is_zero()) return 0.0;
  std::string text = d.negative ? "-" : "";
  for (int k = 0; k < point; ++k) text += d.digit(k);
  text += '.';
  for (int k = point; k < d.count; ++k) text += d.digit(k);
  double out = 0;
  std::from_chars(text.data(), text.data() + text.size(), out);
  return out;
}

}  // namespace

std::string integer_display(int value, int width) { return right_part(std::to_string(value), width); }

std::string fixed_display(float value, int width, int decimals) {
  if (width < 1) return {};
  return fmt::fixed_text(width, decimals, widen(value));
}

std::string exponent_display(float value, int width, int decimals, bool engineering) {
  const double v = widen(value);
  if (!std::isfinite(v)) return stars(width);
  fmt::DecimalDigits digits = fmt::DecimalDigits::of(v);
  digits.round_to_significant(kMantissaDigits);
  int exponent = digits.is_zero() ? 0 : digits.exponent - 1;
  int point = 1;
  // The remainder takes the exponent's sign, so 0.5 becomes 500E-3.
  while (engineering && exponent % 3 != 0) {
    ++point;
    --exponent;
  }
  const std::string mantissa = fmt::fixed_text(kMantissaWidth, decimals, mantissa_value(digits, point));
  return right_part(mantissa + "E" + std::to_string(exponent), width);
}

std::string general_display(float value, int width, int digits) {
  const double v = widen(value);
  if (!std::isfinite(v) || digits < 1 || width < 1) return stars(width);
  fmt::DecimalDigits rounded = fmt::DecimalDigits::of(v);
  rounded.round_to_significant(digits);
  // 0.1 <= |v| < 10^digits, judged on the value as it will show.
  const bool fixed_form = !rounded.is_zero() && rounded.exponent >= 0 && rounded.exponent <= digits;
  std::string text;
  if (fixed_form && width > kGeneralExponentRoom) {
    text = fmt::fixed_text(width - kGeneralExponentRoom, digits - rounded.exponent, v);
  } else {
    text = fmt::exp_text(width, digits, v);
  }
  const std::string shown(text::trimmed_right(text));
  return std::string(static_cast<std::size_t>(width) - shown.size(), ' ') + shown;
}

std::string display_text(const Field& field) {
  const int d = field.type.decimals;
  switch (field.type.kind) {
    case FieldKind::kInteger: return integer_display(field.integer, field.width);
    case FieldKind::kFixed: return fixed_display(field.real, field.width, d);
    case FieldKind::kScientific: return exponent_display(field.real, field.width, d, false);
    case FieldKind::kEngineering: return exponent_display(field.real, field.width, d, true);
    case FieldKind::kGeneral: return general_display(field.real, field.width, d);
    case FieldKind::kText: break;
  }
  std::string text = field.text.substr(0, static_cast<std::size_t>(std::max(field.width, 0)));
  text.resize(static_cast<std::size_t>(std::max(field.width, 0)), ' ');
  return text;
}

}  // namespace plv::ui
