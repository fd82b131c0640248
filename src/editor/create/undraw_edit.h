#pragma once
// Undraw and edit: an element leaves the drawing, reopens in its own menu
// with its values (through its layer's transform), and what the menu makes
// comes back at the end of the drawing with its colour and layer records.

#include "drawing/record.h"
#include "editor/create/create_session.h"

namespace plv::create {

// F9 of the create menus: the last element made, if any.
void undraw_edit_last(const Desk& desk, CreateSession& session, ColourProblems& messages);

// What stands for the element after undraw and edit, and where: the
// element made, at the end of the drawing; the element itself, where it
// stood, when its edit was refused; nothing (blank, at 0) when the menu was
// quit or no menu makes such records.
struct Undrawn {
  Record record;
  long at = 0;
};

// Reopens `element` (a deleted one restored first), which stood at record
// `place` before it left the drawing (dropped from its end, or marked
// deleted there), in its menu with the transform of `layer`. When the menu
// makes an element it is shown and appended after `colour` and `layer`.
// Accepted unchanged, it is the same record. An edit that cannot be
// carried back (a layer of scale 0, a value too large for the record) is
// refused with a message and puts the element back at `place` as it was.
Undrawn undraw_and_edit(const Desk& desk, const Record& element, long place, const Record& colour,
                        const Record& layer, ColourProblems& messages);

}  // namespace plv::create
