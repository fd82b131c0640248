#pragma once
// The text a field shows for its value, by kind. Pure functions.

#include <string>

#include "ui/field.h"

namespace plv::ui {

// The value right-justified in 20 characters, of which the last `width` show.
std::string integer_display(int value, int width);
// Rounded to `decimals`; asterisks when it does not fit.
std::string fixed_display(float value, int width, int decimals);
// Mantissa, "E" and a plain exponent (a multiple of 3 for engineering),
// of which the last `width` of 20 characters show.
std::string exponent_display(float value, int width, int decimals, bool engineering);
// Fixed notation for magnitudes from 0.1 below 10 to the power `digits`,
// exponent notation otherwise, moved to the field's right end.
std::string general_display(float value, int width, int digits);

// What the field shows: from its value for the numeric kinds, its own
// text (blank-padded to its width) for text.
std::string display_text(const Field& field);

}  // namespace plv::ui
