#pragma once
// Filled quadrilaterals ("QF"): four corners in drawing order, in whole
// units (F6.0) in both forms.

#include <array>
#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

using QuadCorners = std::array<DrawingPoint, 4>;

Record quad_record(const QuadCorners& corners);
std::optional<QuadCorners> quad_corners(const Record& record);

}  // namespace plv
