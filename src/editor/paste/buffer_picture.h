#pragma once
// The buffer on the picture as the present paste transform would place
// it: drawn in its colours to preview a paste, or in the background colour
// to take the preview away.

#include "drawing/drawing_transforms.h"
#include "editor/editor.h"
#include "kinds/colour_messages.h"

namespace plv::paste {

enum class BufferPen {
  kDraw,
  kErase,
};

void draw_buffer(Editor& editor, DrawingPoint centre, BufferPen pen, ColourMessages& messages);

}  // namespace plv::paste
