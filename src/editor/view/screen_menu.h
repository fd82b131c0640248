#pragma once
// The screen menu: the view's shift and scale typed in, the picture
// erased, drawn, dragged or viewed.

#include "kinds/colour_messages.h"
#include "editor/editor.h"

namespace plv::edit {

// What the main menu is to do next: 3 draw the drawing at once, 0 after
// F10, 4 after a drag, 6 after viewing the picture.
int screen_menu(Editor& editor, ColourMessages& messages);

}  // namespace plv::edit
