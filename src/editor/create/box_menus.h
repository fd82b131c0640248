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

}  // namespace plv::create
