#pragma once
// Choosing the drawing on the directory and file name menu: the menu runs
// on the drawing's own file selection, and the names it accepts become the
// open drawing's.

#include "editor/files/choose_file.h"
#include "editor/files/drawing_files.h"

namespace plv::files {

// Shows the menu, then takes the accepted names (see take_chosen_drawing).
void choose_drawing_file(const DrawingFiles& files, const ChooseFileOptions& options);

// The file selection's name, directory and joined path become the
// drawing's name, directory and path.
void take_chosen_drawing(Document& document, const FileSelection& names);

}  // namespace plv::files
