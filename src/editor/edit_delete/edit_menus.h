#pragma once
// What the edit/delete and colour edit menus work on: the drawing, the
// screen, what the two menus remember, and the way into the element menus
// for a graphic picked to edit.

#include <functional>

#include "drawing/record.h"
#include "editor/create/undraw_edit.h"
#include "editor/document.h"
#include "editor/edit_delete/edit_state.h"
#include "editor/screen.h"
#include "kinds/colour_problem.h"

namespace plv::editing {

// Reopens a graphic in its element menu, as create::undraw_and_edit does:
// the element menus keep their own state, which these menus never see.
using ReopenGraphic = std::function<create::Undrawn(const Record& element, long place, const Record& colour,
                                                    const Record& layer, ColourProblems& messages)>;

struct EditMenus {
  Document& document;
  Screen& screen;
  EditState& state;
  ReopenGraphic reopen;
};

}  // namespace plv::editing
