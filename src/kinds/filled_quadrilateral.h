#pragma once
// Filled quadrilaterals ("QF"): four corners in drawing order, in whole
// units (F6.0) in both forms.

#include <array>
#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_layout.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace quad {  // QF, both forms: x1, y1 .. x4, y4
inline constexpr RealField f6(int first) { return {{first, 6}, RealField::Fixed, 0}; }
inline constexpr std::array<RealField, 8> kCorners{f6(3), f6(9), f6(15), f6(21), f6(27), f6(33), f6(39), f6(45)};
}  // namespace quad
}  // namespace stored

}  // namespace plv::layout

namespace plv {

using QuadCorners = std::array<DrawingPoint, 4>;

Record quad_record(const QuadCorners& corners);
std::optional<QuadCorners> quad_corners(const Record& record);

}  // namespace plv
