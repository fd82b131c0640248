#pragma once
// The buffer menu: cutting and copying the graphics in a box into the
// buffer, reading the buffer from a disc file and writing it to one,
// clearing it, and handing over to the paste menu.

#include "editor/document.h"
#include "editor/files/file_selection.h"
#include "editor/screen.h"
#include "kinds/colour_problem.h"

namespace plv::buffer {

// What the menu works on: the drawing and its buffer, the screen, and the
// buffer file's directory and name, which are never the drawing's.
struct BufferMenu {
  Document& document;
  Screen& screen;
  files::FileSelection& names;
};

enum class BufferMenuEnd {
  kMainMenu,
  kPaste,  // the paste menu next, without the main menu between
};

// Runs until F10, F6, or the work of F1 to F4 is done; F5 and keys that do
// nothing leave the menu on the screen. Closing the window throws
// ui::CloseRequested.
BufferMenuEnd buffer_menu(const BufferMenu& menu, ColourProblems& messages);

}  // namespace plv::buffer
