#pragma once
// The comment menu: a comment record of free text, never drawn.

#include "drawing/record.h"
#include "editor/screen.h"
#include "kinds/kind.h"

namespace plv::create {

// The comment made, or a blank record when the user quits.
Record comment_menu(Screen& screen);

}  // namespace plv::create
