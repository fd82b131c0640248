#pragma once
// The colour edit menu: the colour to recolour with, then recolouring the
// graphics in a box or one picked graphic, taking the last recolouring
// back, viewing the picture and showing the palette.

#include "editor/edit_delete/edit_menus.h"
#include "kinds/colour_problem.h"

namespace plv::editing {

// Runs until F10, back to the edit/delete menu.
void colour_edit_menu(const EditMenus& menus, ColourProblems& messages);

}  // namespace plv::editing
