#pragma once
// Reading what the user typed into a numeric field. Pure functions; an
// entry that does not read gives nothing and the field keeps its value.
//
// Both kinds: blanks around the entry are dropped, a blank inside it is
// refused, and a blank entry reads as 0.
// Integers: an optional "-" and digits, within -32768 to 32767.
// Reals: "e" reads as "E", "+" after "E" as "0", a last K, M or G as
// E3, E6 or E9; then an optional "-", digits with or without a point, and
// an optional exponent "E", optional "-", digits.

#include <optional>
#include <string_view>

#include "ui/field.h"

namespace plv::ui {

std::optional<int> parse_integer_entry(std::string_view text);
// A whole number of any size, as an integer entry writes one.
std::optional<long long> parse_whole_number(std::string_view text);
std::optional<float> parse_real_entry(std::string_view text);

// Reads `typed` into the field's value and shows the value in the kind's
// form; text fields take it as typed. False, and the field unchanged, when
// the entry does not read.
bool take_entry(Field& field, std::string_view typed);

}  // namespace plv::ui
