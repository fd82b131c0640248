#pragma once
// Drawing a whole drawing, or one record of it, with its layers and colours.

#include "kinds/colour_handler.h"
#include "drawing/drawing_transforms.h"
#include "drawing/record_store.h"
#include "kinds/render_state.h"

namespace plv::kernel {
class Kernel;
}

namespace plv {

// Reads a layer record into the current layer transform; false when a
// field cannot be read (the transform is then left as it was).
bool read_layer_record(const Record& record, LayerTransform& layer);
// True when records of the current layer are shown with these settings.
bool layer_shown(const RenderState& state);

// Applies layer records, the layer filter and the other-layer colour, then
// draws the record.
void dispatch_record(const Record& record, RenderState& state, kernel::Kernel& kernel, ColourHandler& colours);
// Records 1 to count of the drawing, from the default colour and layer.
void redraw_all(const RecordStore& drawing, RenderState& state, kernel::Kernel& kernel, ColourMessages& messages);

// The box round every drawable element shown with the state's layer
// settings, after the layer transforms; -1650..1650 by -1250..1250 when
// there is none.
Extent drawing_extent(const RecordStore& store, const RenderState& state);

}  // namespace plv
