#pragma once
// The edit/delete menu: deleting graphics by pointing or by a box,
// redrawing and viewing, editing a picked graphic in its own menu and
// editing it again, the colour edit menu, showing deleted graphics, and
// bringing back the graphic deleted last.

#include "editor/edit_delete/edit_menus.h"
#include "kinds/colour_problem.h"

namespace plv::editing {

// Runs until F10.
void edit_delete_menu(const EditMenus& menus, ColourProblems& messages);

}  // namespace plv::editing
