#pragma once
// The create menu: chooses the colour of the next element, opens the
// element menus, shows each new element on the picture and appends it
// with the colour and identity layer records it needs.

#include "editor/create/desk.h"
#include "editor/create/reopen.h"
#include "editor/screen.h"
#include "kinds/colour_problem.h"
#include "kinds/kind.h"
#include "ui/field_key.h"

namespace plv::create {

// Returns on F10.
void create_menu(const Desk& desk, ColourProblems& messages);

// The colour field of row 7, column 39, showing `colour`; Enter moves
// within it. The key that ended the entry and the number typed.
struct ColourEntry {
  ui::FieldKey key;
  int typed;
};
ColourEntry colour_entry(Screen& screen, int colour);

// The reopening of the element menu that makes elements of `kind`, the
// one a key of this menu or the more-create menu opens; none for kinds no
// menu makes (comments and the rest).
Reopen reopening_menu(ElementKind kind);

}  // namespace plv::create
