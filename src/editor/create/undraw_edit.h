#pragma once
// Undraw and edit: an element leaves the drawing, reopens in its own menu
// with its values (through its layer's transform), and what the menu makes
// comes back at the end of the drawing with its colour and layer records.

#include "drawing/record.h"
#include "editor/create/create_session.h"

namespace plv::create {

// F9 of the create menus: the last element made, if any.
void undraw_edit_last(Editor& editor, CreateSession& session, ColourMessages& messages);

// Reopens `element` (a deleted one restored first) in its menu, with the
// transform of `layer`. When the menu makes an element it is shown and
// appended after `colour` and `layer`, and returned; otherwise, and for
// records no menu makes, nothing is appended and a blank record returned.
Record undraw_and_edit(Editor& editor, Record element, const Record& colour, const Record& layer,
                       ColourMessages& messages);

}  // namespace plv::create
