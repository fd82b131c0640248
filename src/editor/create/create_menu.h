#pragma once
// The create menu: chooses the colour of the next element, opens the
// element menus, shows each new element on the picture and appends it
// with the colour and identity layer records it needs.

#include "editor/editor.h"
#include "kinds/colour_messages.h"

namespace plv::create {

// Returns on F10.
void create_menu(Editor& editor, ColourMessages& messages);

}  // namespace plv::create
