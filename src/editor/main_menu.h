#pragma once
// The main menu: a map of the sub-menus, the open drawing's name and the
// two layer fields; a function key chooses a sub-menu.

#include <optional>

#include "editor/document.h"
#include "editor/screen.h"

namespace plv {

// The sub-menus of F1 to F10, in that order.
enum class MainChoice {
  kFiles = 1,
  kZoom,
  kRedraw,
  kDrawAll,
  kEditDelete,
  kScreen,
  kBuffer,
  kPaste,
  kCreate,
  kExit,
  kUndo,  // Ctrl+Z
  kRedo,  // Ctrl+Y
  kOpenImported,  // the window's File, Import made a drawing to open
};

// Draws the menu screen.
void show_main_menu(const Document& document, Screen& screen);
// Shows the menu and reads the choice, with both layer values stored in
// the screen's render state; nothing for a key or press the menu ignores.
// Closing the window throws ui::CloseRequested.
std::optional<MainChoice> main_menu(const Document& document, Screen& screen);

}  // namespace plv
