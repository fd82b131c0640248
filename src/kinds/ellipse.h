#pragma once
// Ellipses ("EL"): centre and the two semi-axes, along x and y.

#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_layout.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace ellipse {  // EL, both forms
inline constexpr RealField kCentreX = e15(4, 5), kCentreY = e15(19, 5);
inline constexpr RealField kSemiAxisX = e15(34, 5), kSemiAxisY = e15(49, 5);
}  // namespace ellipse
}  // namespace stored

}  // namespace plv::layout

namespace plv {

Record ellipse_record(DrawingPoint centre, double semi_axis_x, double semi_axis_y);

struct EllipseValues {
  DrawingPoint centre;
  double semi_axis_x, semi_axis_y;
};
std::optional<EllipseValues> ellipse_values(const Record& record);

}  // namespace plv
