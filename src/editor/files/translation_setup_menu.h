#pragma once
// The menu that edits the translation-setup line carried in the header of
// every graphics command file.

#include "editor/editor.h"

namespace plv {

// Edits the editor's setup line in place until F10.
void translation_setup_menu(Editor& editor);

}  // namespace plv
