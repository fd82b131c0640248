#include "text/field_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "text/decimal_digits.h"

namespace plv::fmt {
namespace {

void fill_stars(char* out, int width) { std::memset(out, '*', static_cast<size_t>(width)); }

// Right-justifies the `len` characters of `text` in `width` columns.
void place_right(char* out, int width, const char* text, int len) {
  if (len > width) return fill_stars(out, width);
  std::memset(out, ' ', static_cast<size_t>(width - len));
  std::memcpy(out + (width - len), text, static_cast<size_t>(len));
}

// Digits of an unsigned value, written backwards from `end`; returns the new start.
char* digits_backwards(char* end, unsigned long long v) {
  do {
    *--end = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  return end;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Copies the non-blank characters of a field; false when it does not fit.
bool squeeze(std::string_view field, char* out, int capacity, int& len) {
  len = 0;
  for (char c : field) {
    if (is_blank(c)) continue;
    if (len == capacity) return false;
    out[len++] = c;
  }
  return true;
}

const double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// mantissa x 10^exp10, correctly rounded.
std::optional<double> scale_by_power_of_ten(unsigned long long mantissa, int exp10,
                                            const char* digits, int ndigits) {
  if (mantissa < (1ULL << 53) && exp10 >= -22 && exp10 <= 22)
    return exp10 >= 0 ? static_cast<double>(mantissa) * kExactPowers[exp10]
                      : static_cast<double>(mantissa) / kExactPowers[-exp10];
  char text[96];
  if (ndigits > 60) return std::nullopt;
  std::memcpy(text, digits, static_cast<size_t>(ndigits));
  int len = ndigits;
  text[len++] = 'e';
  auto [end, ec] = std::to_chars(text + len, text + sizeof text, exp10);
  if (ec != std::errc()) return std::nullopt;
  double value = 0;
  auto res = std::from_chars(text, end, value);
  if (res.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

void write_int(char* out, int width, long long value) {
  char text[24];
  char* end = text + sizeof text;
  const unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  char* start = digits_backwards(end, magnitude);
  if (value < 0) *--start = '-';
  place_right(out, width, start, static_cast<int>(end - start));
}

std::optional<long long> round_half_away(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) return std::nullopt;
  return static_cast<long long>(std::round(value));  // std::round takes halves away from zero
}

void write_rounded_int(char* out, int width, double value) {
  const auto n = round_half_away(value);
  if (!n) return fill_stars(out, width);
  write_int(out, width, *n);
}

void write_exp(char* out, int width, int decimals, double value) {
  if (!std::isfinite(value) || decimals < 1 || decimals > 20) return fill_stars(out, width);
  DecimalDigits d = DecimalDigits::of(value);
  d.round_to_significant(decimals);
  const int exponent = d.is_zero() ? 0 : d.exponent;
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude > 999) return fill_stars(out, width);

  char text[48];
  int len = 0;
  if (d.negative && !d.is_zero()) text[len++] = '-';
  const int zero_at = len;
  text[len++] = '.';
  for (int k = 0; k < decimals; ++k) text[len++] = d.digit(k);
  if (magnitude <= 99) text[len++] = 'E';  // three-digit exponents drop the letter
  text[len++] = exponent < 0 ? '-' : '+';
  if (magnitude > 99) text[len++] = static_cast<char>('0' + magnitude / 100);
  text[len++] = static_cast<char>('0' + magnitude / 10 % 10);
  text[len++] = static_cast<char>('0' + magnitude % 10);

  if (len < width) {  // room for the leading zero
    std::memmove(text + zero_at + 1, text + zero_at, static_cast<size_t>(len - zero_at));
    text[zero_at] = '0';
    ++len;
  }
  place_right(out, width, text, len);
}

void write_fixed(char* out, int width, int decimals, double value) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 30 || std::fabs(value) >= 1e30)
    return fill_stars(out, width);
  DecimalDigits d = DecimalDigits::of(value);
  d.round_to_fraction(decimals);

  char text[80];
  int len = 0;
  if (d.negative && !d.is_zero()) text[len++] = '-';
  const int int_digits = d.is_zero() ? 0 : d.exponent;
  const int zero_at = len;
  const bool leading_zero = int_digits <= 0;
  if (leading_zero) text[len++] = '0';
  for (int k = 0; k < int_digits; ++k) text[len++] = d.digit(k);
  text[len++] = '.';
  for (int k = 0; k < decimals; ++k) {
    const int pos = int_digits + k;  // index into the significand
    text[len++] = pos < 0 ? '0' : d.digit(pos);
  }
  if (len > width && leading_zero) {  // the zero before the point goes first
    std::memmove(text + zero_at, text + zero_at + 1, static_cast<size_t>(len - zero_at - 1));
    --len;
  }
  place_right(out, width, text, len);
}

void write_text(char* out, int width, std::string_view text) {
  const size_t n = std::min(text.size(), static_cast<size_t>(width));
  if (n > 0) std::memcpy(out, text.data(), n);
  std::memset(out + n, ' ', static_cast<size_t>(width) - n);
}

std::optional<long long> read_int(std::string_view field) {
  // One pass: this runs for every coordinate of every record read.
  size_t i = 0;
  while (i < field.size() && is_blank(field[i])) ++i;
  if (i == field.size()) return 0;
  const bool negative = field[i] == '-';
  if (field[i] == '+' || field[i] == '-') ++i;
  unsigned long long v = 0;
  bool any_digit = false;
  for (; i < field.size(); ++i) {
    const char c = field[i];
    if (is_blank(c)) continue;
    if (c < '0' || c > '9') return std::nullopt;
    if (v > (9223372036854775807ULL - 9) / 10) return std::nullopt;
    v = v * 10 + static_cast<unsigned>(c - '0');
    any_digit = true;
  }
  if (!any_digit) return std::nullopt;
  return negative ? -static_cast<long long>(v) : static_cast<long long>(v);
}

namespace {

// A field that is one number between blanks, read straight from it: the
// value the general reading below finds, or nothing, and then that reading
// decides. Most fields in a drawing are such, and this spares them the copy.
std::optional<double> read_plain_real(std::string_view field, int decimals) {
  const char* p = field.data();
  const char* end = p + field.size();
  while (p < end && is_blank(*p)) ++p;
  while (end > p && is_blank(end[-1])) --end;
  if (p == end || end - p > 64) return std::nullopt;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  unsigned long long mantissa = 0;
  int ndigits = 0, mantissa_digits = 0, fraction_digits = 0;
  bool seen_point = false;
  for (; p < end; ++p) {
    const char c = *p;
    if (c == '.') {
      if (seen_point) return std::nullopt;
      seen_point = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    ++mantissa_digits;
    if (seen_point) ++fraction_digits;
    if (ndigits == 0 && c == '0') continue;
    if (++ndigits > 19) return std::nullopt;
    mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
  }
  if (mantissa_digits == 0) return std::nullopt;
  int exponent = 0;
  if (p < end) {
    if (*p == 'E' || *p == 'e' || *p == 'D' || *p == 'd') ++p;
    else if (*p != '+' && *p != '-') return std::nullopt;
    bool exponent_negative = false;
    if (p < end && (*p == '+' || *p == '-')) exponent_negative = *p++ == '-';
    if (p == end || end - p > 4) return std::nullopt;
    for (; p < end; ++p) {
      if (*p < '0' || *p > '9') return std::nullopt;
      exponent = exponent * 10 + (*p - '0');
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (!seen_point) fraction_digits = decimals;
  if (ndigits == 0) return negative ? -0.0 : 0.0;
  const int exp10 = exponent - fraction_digits;
  if (mantissa >= (1ULL << 53) || exp10 < -22 || exp10 > 22) return std::nullopt;
  const double value = exp10 >= 0 ? static_cast<double>(mantissa) * kExactPowers[exp10]
                                  : static_cast<double>(mantissa) / kExactPowers[-exp10];
  return negative ? -value : value;
}

}  // namespace

std::optional<double> read_real(std::string_view field, int decimals) {
  if (const std::optional<double> plain = read_plain_real(field, decimals)) return plain;
  char text[64];
  int len = 0;
  if (!squeeze(field, text, sizeof text, len)) return std::nullopt;
  if (len == 0) return 0.0;

  int i = 0;
  const bool negative = text[0] == '-';
  if (text[0] == '+' || text[0] == '-') ++i;

  char digits[64];
  int ndigits = 0, mantissa_digits = 0, fraction_digits = 0;
  unsigned long long mantissa = 0;
  bool seen_point = false;
  for (; i < len; ++i) {
    const char c = text[i];
    if (c == '.') {
      if (seen_point) return std::nullopt;
      seen_point = true;
    } else if (c >= '0' && c <= '9') {
      ++mantissa_digits;
      if (seen_point) ++fraction_digits;
      if (ndigits == 0 && c == '0') continue;  // leading zeros carry nothing
      digits[ndigits++] = c;
      if (ndigits <= 19) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
    } else {
      break;
    }
  }
  if (mantissa_digits == 0) return std::nullopt;

  int exponent = 0;
  if (i < len) {  // exponent: a letter with an optional sign, or a sign alone
    const char c = text[i];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') ++i;
    else if (c != '+' && c != '-') return std::nullopt;
    const char* start = text + i;
    if (i < len && text[i] == '+') ++start;
    if (start == text + len) return std::nullopt;
    auto [end, ec] = std::from_chars(start, text + len, exponent);
    if (ec != std::errc() || end != text + len) return std::nullopt;
  }
  if (!seen_point) fraction_digits = decimals;
  if (ndigits == 0) return negative ? -0.0 : 0.0;

  const int dropped = ndigits > 19 ? ndigits - 19 : 0;  // digits beyond the fast mantissa
  const long long exp10 = static_cast<long long>(exponent) - fraction_digits + dropped;
  if (exp10 > 400 || exp10 < -400) {
    if (exp10 > 0) return std::nullopt;
    return negative ? -0.0 : 0.0;
  }
  std::optional<double> value =
      dropped == 0 ? scale_by_power_of_ten(mantissa, static_cast<int>(exp10), digits, ndigits)
                   : scale_by_power_of_ten(~0ULL, static_cast<int>(exp10 - dropped), digits, ndigits);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

std::string int_text(int width, long long value) {
  std::string s(static_cast<size_t>(width), ' ');
  write_int(s.data(), width, value);
  return s;
}

std::string exp_text(int width, int decimals, double value) {
  std::string s(static_cast<size_t>(width), ' ');
  write_exp(s.data(), width, decimals, value);
  return s;
}

std::string fixed_text(int width, int decimals, double value) {
  std::string s(static_cast<size_t>(width), ' ');
  write_fixed(s.data(), width, decimals, value);
  return s;
}

}  // namespace plv::fmt
