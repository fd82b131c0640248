#pragma once
// Circular arcs, for circles and bent arrows.

#include "kinds/painter.h"

namespace plv {

// An arc counter-clockwise from `start` round `centre`; `end` only gives
// the direction at which it stops. Points are in drawing units, after the
// layer transform; an arc ending where it starts is a full circle.
void draw_arc(Painter& painter, DrawingPoint centre, DrawingPoint start, DrawingPoint end);

}  // namespace plv
