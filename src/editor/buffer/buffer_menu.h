#pragma once
// The buffer menu: cutting and copying the graphics in a box into the
// buffer, reading the buffer from a disc file and writing it to one,
// clearing it, and handing over to the paste menu.

#include "editor/editor.h"
#include "kinds/colour_problem.h"

namespace plv::buffer {

enum class BufferMenuEnd {
  kMainMenu,
  kPaste,  // the paste menu next, without the main menu between
};

// Runs until F10, F6, or the work of F1 to F4 is done; F5 and keys that do
// nothing leave the menu on the screen. Closing the window throws
// ui::CloseRequested.
BufferMenuEnd buffer_menu(Editor& editor, ColourProblems& messages);

}  // namespace plv::buffer
