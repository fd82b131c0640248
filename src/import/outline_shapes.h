#pragma once
// Pure geometry on a figure's outlines: curves flattened into segments,
// and the shapes a drawing has records for recognised in them.

#include <optional>
#include <vector>

#include "import/figure.h"

namespace plv::import {

// Appends the points after `p0` of the cubic curve p0..p3, close enough
// that no point of the curve is further than `tolerance` from the segments.
void flatten_cubic(PagePoint p0, PagePoint p1, PagePoint p2, PagePoint p3, double tolerance,
                   std::vector<PagePoint>& out);

// The axis-parallel ellipse a closed, curved outline traces, when every
// point lies within `tolerance` of it.
std::optional<PageEllipse> traced_ellipse(const Outline& outline, double tolerance);

// The corners of an axis-parallel rectangle, when the outline is one.
std::optional<PageBox> traced_rectangle(const Outline& outline);

// The outline's corners without repeats and without points on a straight
// run, first corner not repeated at the end.
std::vector<PagePoint> corners_of(const Outline& outline);

bool is_convex(const std::vector<PagePoint>& polygon);

// Convex pieces of four corners (a triangle repeats its last corner) that
// together fill a simple polygon: a fan for a convex one, triangles cut off
// ear by ear for any other. Empty when the polygon crosses itself, or is
// concave with more than a few hundred corners.
std::vector<std::vector<PagePoint>> filling_pieces(const std::vector<PagePoint>& polygon);

}  // namespace plv::import
