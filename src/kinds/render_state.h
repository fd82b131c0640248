#pragma once
// What a redraw carries from record to record, and the view and layer
// settings the menus change. Part of the editor's state.

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

// Colour modes of a drawing, as its "SC MODE" record names them.
enum DrawingColourMode { kModeNone = -1, kMono = 0, kBar = 1, kRgb = 2, kGrey = 3, kCircl = 4, kHot = 5, kHotPj = 6, kHotIron = 7 };

struct RenderState {
  LayerTransform layer;
  ViewTransform view;
  float aspect = 1.0f;
  int work_layer = 0;       // 0: every layer is worked on
  int also_draw_layer = 0;  // 0: every layer is drawn
  int colour_mode = kModeNone;
  bool mode_seen = false;  // in the current redraw
  bool show_deleted = false;
  Record deleted_colour{"SC BAR   8"};
  Record other_layer_colour{"SC BAR  12"};
  Record current_colour{"SC BAR   7"};
  Record last_colour;
};

}  // namespace plv
