#include "text/decimal_digits.h"

#include <charconv>
#include <cmath>

namespace plv::fmt {

DecimalDigits DecimalDigits::of_integer(unsigned long long magnitude, bool negative) {
  DecimalDigits d;
  d.negative = negative;
  char reversed[24];
  int n = 0;
  while (magnitude != 0) {
    reversed[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  int trailing_zeros = 0;
  while (trailing_zeros < n && reversed[trailing_zeros] == '0') ++trailing_zeros;
  d.count = n - trailing_zeros;
  d.exponent = d.count == 0 ? 0 : n;
  for (int i = 0; i < d.count; ++i) d.digits[i] = reversed[n - 1 - i];
  return d;
}

DecimalDigits DecimalDigits::of(double value) {
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  if (magnitude < 9.0e15 && magnitude == std::floor(magnitude))
    return of_integer(static_cast<unsigned long long>(magnitude), negative && magnitude != 0);

  // Shortest round-trip form, "d.ddddde[+-]x".
  char text[40];
  auto [end, ec] = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
  (void)ec;
  DecimalDigits d;
  d.negative = negative;
  const char* p = text;
  for (; p < end && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9' && d.count < static_cast<int>(d.digits.size())) d.digits[d.count++] = *p;
  int exp10 = 0;
  std::from_chars(p + 1 + (p[1] == '+'), end, exp10);
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  d.exponent = exp10 + 1;
  return d;
}

void DecimalDigits::round_to_significant(int n) {
  if (count <= n) return;
  if (n < 0) {  // the value lies below half a unit of the kept position
    count = 0;
    exponent = 0;
    return;
  }
  const bool round_up = digits[n] >= '5';
  count = n;
  if (round_up) {
    int i = n - 1;
    while (i >= 0 && digits[i] == '9') --i;
    if (i < 0) {  // 999.. became 1000..
      digits[0] = '1';
      count = 1;
      ++exponent;
    } else {
      ++digits[i];
      count = i + 1;
    }
  }
  while (count > 0 && digits[count - 1] == '0') --count;
  if (count == 0) exponent = 0;
}

}  // namespace plv::fmt
