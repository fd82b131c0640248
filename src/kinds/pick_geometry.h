#pragma once
// Distances from the pointer to what an element draws, for picking the
// nearest graphic. Points are in drawing units, after the layer transform.

#include <array>
#include <limits>
#include <optional>
#include <span>

#include "kinds/painter.h"

namespace plv {

// The distance of p from the segment ab: from the foot of the perpendicular
// when it falls on the segment, otherwise from the nearer end (a press just
// past the end of a line still measures to that line, not to a far one).
// A segment of no length is its point a.
double segment_distance(DrawingPoint p, DrawingPoint a, DrawingPoint b);

// The smallest distance to the edges of the outline joining the corners in
// turn, the last back to the first.
double outline_distance(DrawingPoint p, std::span<const DrawingPoint> corners);

// The smallest distance to the four edges of the box with corners a and b
// (its sides along x and y).
double box_edges_distance(DrawingPoint p, DrawingPoint a, DrawingPoint b);

// A distance fit to compare with others: nothing when it is not a finite
// number (an element whose values overflowed cannot be picked).
std::optional<double> pick_distance(double d);

// The smallest distance to a chain of chords, given point by point.
class NearestChord {
 public:
  NearestChord(DrawingPoint from, DrawingPoint start) : p_(from), last_(start) {}
  void to(DrawingPoint next);
  std::optional<double> distance() const { return pick_distance(best_); }

 private:
  DrawingPoint p_, last_;
  double best_ = std::numeric_limits<double>::infinity();
};

// The two corners of the box round the points: lower left, upper right.
std::array<DrawingPoint, 2> bounding_corners(std::span<const DrawingPoint> points);

}  // namespace plv
