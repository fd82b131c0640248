#pragma once
// The regular way out: F1 closes (and so writes) the open drawing and asks
// for the end of the program (ui::CloseRequested, as a closed window
// does); F10 goes back to the main menu.

#include "editor/files/drawing_files.h"

namespace plv {

// Returns only on F10.
void exit_menu(const files::DrawingFiles& files);

}  // namespace plv
