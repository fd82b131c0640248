#pragma once
// What part of the drawing the window shows: fitting the whole drawing,
// zooming into a dragged box, dragging the window, and the redraw after
// each. Views map drawing units to plot units, whose window spans
// -1650..1650 by -1250..1250.

#include "kinds/colour_problem.h"
#include "drawing/drawing_transforms.h"
#include "editor/document.h"
#include "editor/screen.h"

namespace plv::edit {

struct PlotPoint {
  double x = 0, y = 0;
};

// The current view composed with a zoom that brings the box's centre to
// the window's centre and fills the window with the box in its tighter
// direction. A box of no width or height counts as 100 units that way.
ViewTransform zoomed(const ViewTransform& view, const PlotBox& box);
// The view moved by the vector from `from` to `to`, in plot units.
ViewTransform dragged(const ViewTransform& view, PlotPoint from, PlotPoint to);

// The view zoomed by `factor` about a point of the window (plot units), which
// keeps showing the same point of the drawing; `aspect` as the kernel
// applies it to y.
ViewTransform zoomed_about(const ViewTransform& view, PlotPoint at, double factor, double aspect);

// The view a wheel notch zooms by.
inline constexpr double kWheelZoom = 1.25;

// Erases the picture and draws the whole drawing, without a wait: the
// picture of a wait, after its view changed.
void draw_again(const Document& document, Screen& screen, ColourProblems& messages);

// Shows the picture as it stands, or a cleared one, and waits for a key.
void view_picture(Screen& screen);
void clear_picture(Screen& screen);
// Erases the picture, draws the whole drawing and waits for a key.
void redraw_picture(const Document& document, Screen& screen, ColourProblems& messages);
// The colour palette screen, then the drawing redrawn.
void show_palette(const Document& document, Screen& screen, ColourProblems& messages);
// Fits the view to the drawing's extent, then redraws.
void draw_all(const Document& document, Screen& screen, ColourProblems& messages);
// A box dragged from the last zoom box becomes the window; then redraws.
void zoom_window(const Document& document, Screen& screen, ColourProblems& messages);
// Two points picked move the view from the first to the second; then redraws.
void drag_window(const Document& document, Screen& screen, ColourProblems& messages);

}  // namespace plv::edit
