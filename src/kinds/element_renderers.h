#pragma once
// Turning stored records into drawing: one renderer per element code.

#include "kinds/element_painter.h"
#include "drawing/record.h"

namespace plv {

// Draws a record of a drawable code; any other code draws nothing.
void render_element(const Record& record, ElementPainter& painter);

// An arc counter-clockwise from `start` round `centre`; `end` only gives
// the direction at which it stops. Points are in drawing units.
void draw_arc(ElementPainter& painter, DrawingPoint centre, DrawingPoint start, DrawingPoint end);

}  // namespace plv
