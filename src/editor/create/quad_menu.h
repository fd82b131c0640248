#pragma once
// The filled quadrilateral menu: four corners.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The filled quadrilateral made, or a blank record when the user quits.
Record quad_menu(Editor& editor);

}  // namespace plv::create
