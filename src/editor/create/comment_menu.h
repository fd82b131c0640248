#pragma once
// The comment menu: a comment record of free text, never drawn.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The comment made, or a blank record when the user quits.
Record comment_menu(Editor& editor);

}  // namespace plv::create
