#pragma once
// The string menu: a string record, text at a location with a size, a direction and a key point.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The string made, or a blank record when the user quits.
Record string_menu(Editor& editor);

}  // namespace plv::create
