#pragma once
// A real as a string of significant decimal digits and a power of ten:
// value = 0.d1 d2 ... dn x 10^exponent. Used by the field writers so that
// rounding is decided on decimal digits, not on binary approximations.

#include <array>

namespace plv::fmt {

struct DecimalDigits {
  bool negative = false;
  std::array<char, 24> digits{};  // ASCII '0'..'9', first one non-zero
  int count = 0;                  // 0 means the value is zero
  int exponent = 0;

  static DecimalDigits of_integer(unsigned long long magnitude, bool negative);
  // The shortest digits that read back as `value`; `value` must be finite.
  static DecimalDigits of(double value);

  bool is_zero() const { return count == 0; }
  // Keep `n` significant digits, rounding halves away from zero.
  void round_to_significant(int n);
  // Keep `d` digits after the decimal point, rounding halves away from zero.
  void round_to_fraction(int d) { round_to_significant(exponent + d); }
  // The k-th digit (0-based) of the significand, zeros past the end.
  char digit(int k) const { return k < count ? digits[k] : '0'; }
};

}  // namespace plv::fmt
