#pragma once
// The bracket menu: a bracket record, its points ordered by the facing.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The bracket made, or a blank record when the user quits.
Record bracket_menu(Editor& editor);

}  // namespace plv::create
