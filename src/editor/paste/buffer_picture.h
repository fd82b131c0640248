#pragma once
// The buffer on the picture as the present paste transform would place
// it: drawn in its colours to preview a paste, or in the background colour
// to take the preview away.

#include "drawing/drawing_transforms.h"
#include "editor/document.h"
#include "editor/paste/pasted_records.h"
#include "editor/screen.h"
#include "kinds/colour_problem.h"

namespace plv::paste {

enum class BufferPen {
  kDraw,
  kErase,
};

// The open drawing as the target of a paste.
PasteTarget paste_target(const Document& document, const Screen& screen);

void draw_buffer(const Document& document, Screen& screen, const PasteTransform& paste, DrawingPoint centre,
                 BufferPen pen, ColourProblems& messages);

}  // namespace plv::paste
