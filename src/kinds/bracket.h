#pragma once
// Brackets ("BR"): a brace along its two points, opening to the left going
// from the first to the second. Its points are read as any two-point
// record's (two_point_ends).

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

Record bracket_record(DrawingPoint first, DrawingPoint second);

}  // namespace plv
