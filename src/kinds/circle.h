#pragma once
// Circles and arcs ("CI"): centre, arc start and arc end.

#include <array>
#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_layout.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace circle {  // CI
inline constexpr RealField kCentreX = e12(3), kCentreY = e12(15);
inline constexpr RealField kStartX = e12(27), kStartY = e12(39);
inline constexpr RealField kEndX = e12(51), kEndY = e12(63);
inline constexpr std::array<RealField, 6> kValues{kCentreX, kCentreY, kStartX, kStartY, kEndX, kEndY};
}  // namespace circle
}  // namespace stored

namespace file {
namespace circle {
inline constexpr std::array<IntField, 6> kValues{i6(3), i6(9), i6(15), i6(21), i6(27), i6(33)};
}  // namespace circle
}  // namespace file

}  // namespace plv::layout

namespace plv {

Record circle_record(DrawingPoint centre, DrawingPoint start, DrawingPoint end);
std::optional<std::array<DrawingPoint, 3>> circle_points(const Record& record);

}  // namespace plv
