#pragma once
// The file menu: open or close the drawing, write it, remove its deleted
// graphics, quit it without saving, set up the translation parameters.

#include "editor/files/drawing_files.h"

namespace plv {

void file_menu(const files::DrawingFiles& files);

}  // namespace plv
