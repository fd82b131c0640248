#pragma once
// What is shown: the graphics kernel, the text screen and the view with
// its layer settings, and whether the picture on it is still the one the
// program started with.

#include "kinds/render_state.h"

namespace plv::kernel {
class Kernel;
}
namespace plv::ui {
class Toolkit;
}

namespace plv {

// Corners of a box in plot coordinates.
struct PlotBox {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Corners of the last box dragged to select graphics, in plot coordinates:
// the next such drag, whichever menu asks for it, starts from it.
struct SelectionBox {
  float x1 = -500, y1 = -350, x2 = 500, y2 = 350;
};

struct Screen {
  Screen(kernel::Kernel& kernel, ui::Toolkit& ui) : kernel(kernel), ui(ui) {}
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  kernel::Kernel& kernel;
  ui::Toolkit& ui;
  RenderState render;  // layers, view, aspect factor, colour mode and commands
  bool picture_not_drawn = true;
  PlotBox zoom_box{-1000, -700, 1000, 700};
  SelectionBox selection_box;
};

}  // namespace plv
