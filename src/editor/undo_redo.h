#pragma once
// Taking changes to the drawing back and making them again. The key waits
// of the main, create, edit/delete, buffer and paste menus mark where one
// of the user's actions ends and the next begins; there Ctrl+Z takes the
// last action back, Ctrl+Y makes it again, and the picture is drawn anew.

#include "editor/document.h"
#include "editor/screen.h"
#include "host/key.h"
#include "kinds/colour_problem.h"
#include "ui/field_key.h"

namespace plv {

// Before such a wait: what changed since the last one is one action.
void between_actions(Document& document, Screen& screen);

// True when the key was Ctrl+Z or Ctrl+Y, which have then been answered.
bool undo_or_redo(Document& document, Screen& screen, host::Key key, ColourProblems& messages);
bool undo_or_redo(Document& document, Screen& screen, ui::FieldKey key, ColourProblems& messages);

}  // namespace plv
