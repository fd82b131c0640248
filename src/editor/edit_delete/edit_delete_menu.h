#pragma once
// The edit/delete menu: deleting graphics by pointing or by a box,
// redrawing and viewing, editing a picked graphic in its own menu and
// editing it again, the colour edit menu, showing deleted graphics, and
// bringing back the graphic deleted last.

#include "editor/create/create_state.h"
#include "editor/editor.h"
#include "kinds/colour_problem.h"

namespace plv::editing {

// Runs until F10; a graphic edited reopens in its create menu, which
// remembers what it is left with there.
void edit_delete_menu(Editor& editor, CreateState& create, ColourProblems& messages);

}  // namespace plv::editing
