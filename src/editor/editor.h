#pragma once
// The editor's run-long state: the open drawing (the document), what is
// shown (the screen), and the settings the settings file keeps. Each group
// of menus keeps its own remembered state (see MenuStates) and is handed
// it with the document and the screen; nothing else holds state.

#include <filesystem>
#include <string>

#include "drawing/drawing_transforms.h"
#include "editor/document.h"
#include "editor/screen.h"

namespace plv {

struct Editor : Document, Screen {
  Editor(kernel::Kernel& kernel, ui::Toolkit& ui, std::filesystem::path start_directory)
      : Screen(kernel, ui), start_directory(std::move(start_directory)) {}
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  Document& document() { return *this; }
  Screen& screen() { return *this; }

  std::filesystem::path start_directory;  // where the program was started
  // Settings never read (the program ended before it got there, or the
  // file could not be read) are never written over.
  bool settings_read = false;
  std::string settings_name = "plivet.set";

  // Kept in the settings file: the colour new elements take, and how the
  // buffer was last pasted.
  int create_colour = 6;
  PasteTransform paste;

};

}  // namespace plv
