#pragma once
// Renderers of the curved elements.

#include "core/element_painter.h"
#include "core/record.h"

namespace plv {

void render_ellipse(const Record& record, ElementPainter& painter);

}  // namespace plv
