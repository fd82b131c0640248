#pragma once
// The main menu: a map of the sub-menus, the open drawing's name and the
// two layer fields; a function key chooses a sub-menu.

#include <string>

#include "editor/editor.h"

namespace plv {

// Draws the menu screen.
void show_main_menu(Editor& editor);
// Shows the menu and reads the choice: 1-10 for F1-F10 with both layer
// values stored in the editor, anything else for a key the menu ignores.
// Closing the window ends the program.
int main_menu(Editor& editor);

}  // namespace plv
