#pragma once
// Arrows ("AR"): two points, five switches (marker line at point 1 and at
// point 2, head at point 1 and at point 2, bend) and the bend amount.

#include <array>
#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

using ArrowFlags = std::array<char, 5>;  // the record's flags 1 to 5

// The arrow menu always bends by a half.
inline constexpr double kArrowBend = 0.5;

// A flag is on when it holds "Y"; anything else is off.
constexpr bool arrow_flag_on(char flag) { return flag == 'Y'; }

Record arrow_record(DrawingPoint from, DrawingPoint to, const ArrowFlags& flags, double bend = kArrowBend);

struct ArrowValues {
  DrawingPoint from, to;
  ArrowFlags flags;
  double bend = kArrowBend;  // as drawn: one that cannot be read is 0
};
std::optional<ArrowValues> arrow_values(const Record& record);
Record arrow_record(const ArrowValues& values);

}  // namespace plv
