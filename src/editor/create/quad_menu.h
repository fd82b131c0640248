#pragma once
// The filled quadrilateral menu: four corners.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The filled quadrilateral made, or a blank record when the user quits.
Record quad_menu(Editor& editor);

struct Reopened;
struct Mapping;
// The element reopened in this menu, on its values.
Reopened reopen_in_quad_menu(Editor& editor, const Record& element, const Mapping& mapping);

}  // namespace plv::create
