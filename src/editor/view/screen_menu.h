#pragma once
// The screen menu: the view's shift and scale typed in, the picture
// erased, drawn, dragged or viewed.

#include "kinds/colour_problem.h"
#include "editor/document.h"
#include "editor/screen.h"

namespace plv::edit {

// How the screen menu was left.
enum class ScreenMenuEnd {
  kReturn,   // F10: back to the main menu
  kDraw,     // F3: the main menu is to draw the drawing at once
  kDragged,  // F4: the window was dragged and the drawing drawn again
  kViewed,   // F6: the picture was viewed
};

// Closing the window throws ui::CloseRequested.
ScreenMenuEnd screen_menu(const Document& document, Screen& screen, ColourProblems& messages);

}  // namespace plv::edit
