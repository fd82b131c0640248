#pragma once
// The message that drawing needs an open drawing file.

#include "editor/screen.h"

namespace plv {

// Two message lines and a wait for a key.
void drawing_guard(Screen& screen);

}  // namespace plv
