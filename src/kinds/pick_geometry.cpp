#include "kinds/pick_geometry.h"

#include <algorithm>
#include <cmath>

namespace plv {

double segment_distance(DrawingPoint p, DrawingPoint a, DrawingPoint b) {
  const Vec ab = b - a, ap = p - a;
  const double l = length(ab);
  if (l == 0) return length(ap);
  const double t = (ap.x * ab.x + ap.y * ab.y) / l;
  if (t < 0) return length(ap);
  if (t > l) return length(p - b);
  return std::fabs(ap.x * ab.y - ap.y * ab.x) / l;
}

double outline_distance(DrawingPoint p, std::span<const DrawingPoint> corners) {
  if (corners.empty()) return std::numeric_limits<double>::infinity();
  NearestChord nearest(p, corners.back());
  for (const DrawingPoint c : corners) nearest.to(c);
  return nearest.distance().value_or(std::numeric_limits<double>::infinity());
}

double box_edges_distance(DrawingPoint p, DrawingPoint a, DrawingPoint b) {
  const DrawingPoint corners[4] = {a, {b.x, a.y}, b, {a.x, b.y}};
  return outline_distance(p, corners);
}

std::optional<double> pick_distance(double d) {
  if (!std::isfinite(d)) return std::nullopt;
  return d;
}

void NearestChord::to(DrawingPoint next) {
  // A chord that is not a number (values beyond range) is passed over.
  best_ = std::min(best_, segment_distance(p_, last_, next));
  last_ = next;
}

std::array<DrawingPoint, 2> bounding_corners(std::span<const DrawingPoint> points) {
  if (points.empty()) return {};
  DrawingPoint low = points.front(), high = points.front();
  for (const DrawingPoint q : points.subspan(1)) {
    low = {std::min(low.x, q.x), std::min(low.y, q.y)};
    high = {std::max(high.x, q.x), std::max(high.y, q.y)};
  }
  return {low, high};
}

}  // namespace plv
