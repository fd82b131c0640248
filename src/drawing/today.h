#pragma once
// The 9-character date of drawing headers: day as I2, "-", the month's
// three capitals, "-", the year modulo 100 as I2 (" 8-DEC-26", " 1-MAR- 5").

#include <string>

namespace plv {

// month 1..12; anything outside gives "???" for the month.
std::string date_text(int day, int month, int year);
std::string today_date_text();

}  // namespace plv
