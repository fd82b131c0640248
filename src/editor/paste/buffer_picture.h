#pragma once
// The buffer on the picture as the present paste transform would place
// it: drawn in its colours to preview a paste, or in the background colour
// to take the preview away.

#include "drawing/drawing_transforms.h"
#include "editor/editor.h"
#include "editor/paste/pasted_records.h"
#include "kinds/colour_problem.h"

namespace plv::paste {

enum class BufferPen {
  kDraw,
  kErase,
};

// The open drawing as the target of a paste.
PasteTarget paste_target(const Editor& editor);

void draw_buffer(Editor& editor, DrawingPoint centre, BufferPen pen, ColourProblems& messages);

}  // namespace plv::paste
