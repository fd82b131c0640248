#pragma once
// The paste menu: the paste transform typed or fitted to a dragged box,
// the buffer previewed and erased on the picture, and pasted into the
// drawing.

#include "editor/editor.h"
#include "kinds/colour_problem.h"

namespace plv::paste {

// Runs until F10.
void paste_menu(Editor& editor, ColourProblems& messages);

}  // namespace plv::paste
