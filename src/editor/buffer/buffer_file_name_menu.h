#pragma once
// The BUFFER FILE NAME MENU: the directory and name of a buffer file to
// read or write, kept in the buffer's own file selection, apart from the
// drawing's names.

#include "editor/document.h"
#include "editor/files/file_selection.h"
#include "editor/screen.h"

namespace plv::buffer {

enum class FileMode { kRead, kWrite };

// Runs the menu until F9 or an accepted F10. True with the accepted names
// and their joined path in `names`; false when the user gave up. The
// first time, the list offers drawings from the drawing's directory.
// Closing the window throws ui::CloseRequested.
bool choose_buffer_file(const Document& document, Screen& screen, files::FileSelection& names, FileMode mode);

}  // namespace plv::buffer
