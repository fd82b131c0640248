#pragma once
// The bracket menu: a bracket record, its points ordered by the facing.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The bracket made, or a blank record when the user quits.
Record bracket_menu(Editor& editor);

struct Reopened;
struct Mapping;
// The element reopened in this menu, on its values.
Reopened reopen_in_bracket_menu(Editor& editor, const Record& element, const Mapping& mapping);

}  // namespace plv::create
