#pragma once
// Drawing a whole drawing with its layers and colours, and the box it
// takes.

#include "drawing/drawing_transforms.h"
#include "drawing/record_store.h"
#include "kinds/colour_problem.h"
#include "kinds/painter.h"
#include "kinds/render_state.h"

namespace plv::kernel {
class Kernel;
}

namespace plv {

// True when records of the current layer are shown with these settings.
bool layer_shown(const RenderState& state);

// Records 1 to count of the drawing, from the default colour and layer.
void redraw_all(const RecordStore& drawing, RenderState& state, kernel::Kernel& kernel, ColourProblems& messages);

// The same onto any painter.
void redraw_through(const RecordStore& drawing, RenderState& state, Painter& painter, ColourProblems& messages);

// One element shown on the picture as it stands: the colour record applied,
// then the element drawn with the current layer and view. Nothing is erased.
void draw_element(const Record& element, const Record& colour, RenderState& state, kernel::Kernel& kernel,
                  ColourProblems& messages);
// The element drawn in the background colour, so that it leaves the picture.
void erase_element(const Record& element, RenderState& state, kernel::Kernel& kernel);

// The box round every drawable element shown with the state's layer
// settings, after the layer transforms; -1650..1650 by -1250..1250 when
// there is none.
Extent drawing_extent(const RecordStore& store, const RenderState& state);

// The drawing centred, filling 99 % of the window in its tighter direction.
ViewTransform fit_view(const Extent& extent);

}  // namespace plv
