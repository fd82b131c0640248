#pragma once
// Positioning elements with the pointer: the kernel's pick, rubber-band
// line and rubber-band box, from and to drawing units through the view.
// Each keeps the shared first and second point as the element menus need.
// Escape cancels any of them: the routine gives nothing and the shared
// points stay as they were.

#include <array>
#include <optional>
#include <string_view>

#include "drawing/drawing_transforms.h"
#include "editor/create/create_state.h"
#include "editor/screen.h"
#include "host/key.h"

namespace plv::create {

// A point picked from the first point; second := old first, first := the pick.
std::optional<DrawingPoint> pick_one_point(Screen& screen, SharedPoints& shared);

struct PointPair {
  DrawingPoint first, second;
};
// A line pulled from the first point to the second. The end nearer the old
// second point becomes the second point; the result is (start, end) as
// the rubber band gave them.
std::optional<PointPair> rubber_band_line(Screen& screen, SharedPoints& shared);
// The same from `ends`, which become the first and second point when the
// line is pulled; cancelled, the shared points stay as they were.
std::optional<PointPair> rubber_band_line(Screen& screen, SharedPoints& shared, PointPair ends);
// A box from the two points; its corners come back lower-left first and
// become the first and second point.
std::optional<PointPair> rubber_band_box(Screen& screen, SharedPoints& shared);
// Three picks, each marked with a cross and a wait for a key; second :=
// old first, first := the third pick.
// `subjects` name each pick on the status line.
std::optional<std::array<DrawingPoint, 3>> pick_three_points(Screen& screen, SharedPoints& shared,
                                                            const std::array<std::string_view, 3>& subjects);

// A pick from `from`, without the aspect factor (the quadrilateral menu's
// own), marked with a cross and a wait; the shared points stay.
std::optional<DrawingPoint> pick_corner(Screen& screen, DrawingPoint from);

// A cross at the point on the picture, then a wait for a key: the key,
// so that Escape there gives the pointing up too.
host::Key mark_point(Screen& screen, DrawingPoint point);

}  // namespace plv::create
