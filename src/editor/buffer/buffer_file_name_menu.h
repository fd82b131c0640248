#pragma once
// The BUFFER FILE NAME MENU: the directory and name of a buffer file to
// read or write, kept in the editor's buffer file selection, apart from
// the drawing's names.

#include "editor/editor.h"

namespace plv::buffer {

enum class FileMode { kRead, kWrite };

// Runs the menu until F9 or an accepted F10. True with the accepted names
// and their joined path in editor.buffer_files; false when the user gave
// up. Closing the window throws ui::CloseRequested.
bool choose_buffer_file(Editor& editor, FileMode mode);

}  // namespace plv::buffer
