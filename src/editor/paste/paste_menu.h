#pragma once
// The paste menu: the paste transform typed or fitted to a dragged box,
// the buffer previewed and erased on the picture, and pasted into the
// drawing.

#include "drawing/drawing_transforms.h"
#include "editor/document.h"
#include "editor/screen.h"
#include "kinds/colour_problem.h"

namespace plv::paste {

// What the menu works on: the drawing and its buffer, the screen, the
// paste transform the settings keep, and the box the buffer was last
// fitted into, which the next box is dragged from.
struct PasteMenu {
  Document& document;
  Screen& screen;
  PasteTransform& transform;
  PlotBox& box;
};

// Runs until F10.
void paste_menu(const PasteMenu& paste, ColourProblems& messages);

}  // namespace plv::paste
