#pragma once
// Snapping: the user picks a point and gets the nearest defining point of
// an element of the drawing (the ends of lines, corners, circle points,
// an ellipse's centre), on the layers worked on.

#include <optional>

#include "drawing/drawing_transforms.h"
#include "drawing/record_store.h"
#include "editor/create/create_state.h"
#include "editor/document.h"
#include "editor/screen.h"
#include "kinds/render_state.h"

namespace plv::create {

// The defining point nearest `to`, after its layer transform: records of
// the work layer only (any when it is 0), deleted ones only while they are
// shown, the earlier record and point on a tie. Nothing when no element
// qualifies.
std::optional<DrawingPoint> nearest_defining_point(const RecordStore& drawing, const RenderState& state,
                                                   DrawingPoint to);

// Picks a point from the first point (which becomes the pick), finds the
// nearest defining point and marks it with a cross. When none qualifies
// the user is told and nothing is returned; a pick cancelled with Escape
// returns nothing, tells nothing and leaves the first point as it was.
std::optional<DrawingPoint> snap(const Document& document, Screen& screen, SharedPoints& shared);

}  // namespace plv::create
