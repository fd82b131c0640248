#pragma once
// Clipping a segment to the clip window, in user units: left and right
// edges first, then bottom and top.

#include <optional>

#include "kernel/device_transform.h"

namespace plv::kernel {

struct UserSegment {
  double x1, y1, x2, y2;
  friend bool operator==(const UserSegment&, const UserSegment&) = default;
};

// The visible part, or nothing when the segment misses the window.
std::optional<UserSegment> clip_segment(UserSegment s, const Rect& window);

}  // namespace plv::kernel
