#pragma once
// Ellipses ("EL"): centre and the two semi-axes, along x and y.

#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

Record ellipse_record(DrawingPoint centre, double semi_axis_x, double semi_axis_y);

struct EllipseValues {
  DrawingPoint centre;
  double semi_axis_x, semi_axis_y;
};
std::optional<EllipseValues> ellipse_values(const Record& record);

}  // namespace plv
