#pragma once
// Arrows ("AR"): two points, five switches (marker line at point 1 and at
// point 2, head at point 1 and at point 2, bend) and the bend amount.

#include <array>
#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

using ArrowFlags = std::array<char, 5>;  // the record's flags 1 to 5

// The menus always bend by a half.
inline constexpr double kArrowBend = 0.5;

Record arrow_record(DrawingPoint from, DrawingPoint to, const ArrowFlags& flags);

struct ArrowValues {
  DrawingPoint from, to;
  ArrowFlags flags;
};
std::optional<ArrowValues> arrow_values(const Record& record);

}  // namespace plv
