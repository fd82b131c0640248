#include "publish/page_frame.h"

#include <algorithm>

namespace plv::publish {
namespace {

// Draw-all fills 99 % of the window, so half a per cent stays clear on
// each side of the larger direction.
constexpr double kMarginFraction = 0.005;
// A frame is never flatter than this in either direction, nor smaller
// than this many drawing units, so a single line or point still makes a page.
constexpr double kFlattest = 1.0 / 20;
constexpr double kSmallestSide = 10;

Extent grown(const Extent& e, double by) { return {e.xmin - by, e.xmax + by, e.ymin - by, e.ymax + by}; }

Extent joined(const Extent& a, const Extent& b) {
  return {std::min(a.xmin, b.xmin), std::max(a.xmax, b.xmax), std::min(a.ymin, b.ymin), std::max(a.ymax, b.ymax)};
}

// Widens the range [low, high] about its middle to at least `size`.
void at_least(double& low, double& high, double size) {
  if (high - low >= size) return;
  const double middle = (low + high) / 2;
  low = middle - size / 2;
  high = middle + size / 2;
}

}  // namespace

DrawingPoint PageFrame::to_page(DrawingPoint p) const {
  if (orientation == Orientation::kPortrait) return {(p.x - frame.xmin) * scale, (frame.ymax - p.y) * scale};
  return {(frame.ymax - p.y) * scale, (frame.xmax - p.x) * scale};
}

std::array<double, 6> PageFrame::page_map() const {
  const double s = scale;
  if (orientation == Orientation::kPortrait) return {s, 0, 0, -s, -frame.xmin * s, frame.ymax * s};
  return {0, -s, -s, 0, frame.ymax * s, frame.xmax * s};
}

PageFrame frame_page(const Extent& extent, const std::optional<Extent>& ink, double width_cm, Orientation orientation) {
  const double larger = std::max(extent.xmax - extent.xmin, extent.ymax - extent.ymin);
  Extent f = grown(extent, kMarginFraction * larger);
  if (ink) f = joined(f, grown(*ink, kMarginFraction * larger));
  const double side = std::max({f.xmax - f.xmin, f.ymax - f.ymin, kSmallestSide});
  at_least(f.xmin, f.xmax, kFlattest * side);
  at_least(f.ymin, f.ymax, kFlattest * side);

  PageFrame page;
  page.frame = f;
  page.orientation = orientation;
  page.scale = width_cm * kPointsPerCentimetre / (f.xmax - f.xmin);
  const double across = (f.xmax - f.xmin) * page.scale, along = (f.ymax - f.ymin) * page.scale;
  page.width = orientation == Orientation::kPortrait ? across : along;
  page.height = orientation == Orientation::kPortrait ? along : across;
  return page;
}

}  // namespace plv::publish
