#pragma once
// The box menus: box and rectangular box outlines and filled rectangles from two corners.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The box (kBox), rectangular box (kRectangularBox) or filled rectangle
// (kFilledRectangle) made from the two shared points; a flat one is a
// line. A blank record when the user quits.
Record box_menu(Editor& editor, ElementKind kind);

struct Reopened;
struct Mapping;
// The element reopened in this menu, on its values.
Reopened reopen_in_box_menu(Editor& editor, const Record& element, const Mapping& mapping);

}  // namespace plv::create
