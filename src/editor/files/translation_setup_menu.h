#pragma once
// The menu that edits the translation-setup line carried in the header of
// every graphics command file.

#include "editor/document.h"
#include "editor/screen.h"

namespace plv {

// Edits the drawing's setup line in place until F10.
void translation_setup_menu(Document& document, Screen& screen);

}  // namespace plv
