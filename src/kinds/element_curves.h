#pragma once
// Renderers of the curved elements.

#include "kinds/element_painter.h"
#include "drawing/record.h"

namespace plv {

void render_ellipse(const Record& record, ElementPainter& painter);

}  // namespace plv
