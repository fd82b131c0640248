#pragma once
// Circles and arcs ("CI"): centre, arc start and arc end.

#include <array>
#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

Record circle_record(DrawingPoint centre, DrawingPoint start, DrawingPoint end);
std::optional<std::array<DrawingPoint, 3>> circle_points(const Record& record);

}  // namespace plv
