#pragma once
// What the file menus work on: the open drawing, the screen they show, and
// the names last chosen on the directory and file name menu, which become
// the drawing's when it is opened or given another path.

#include "editor/document.h"
#include "editor/files/file_selection.h"
#include "editor/screen.h"

namespace plv::files {

struct DrawingFiles {
  Document& document;
  Screen& screen;
  FileSelection& names;
};

}  // namespace plv::files
