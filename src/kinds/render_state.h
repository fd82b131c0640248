#pragma once
// What a redraw carries from record to record, and the view and layer
// settings the menus change. Part of the editor's state.

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "kinds/colour_mode.h"

namespace plv {

struct RenderState {
  LayerTransform layer;
  ViewTransform view;
  float aspect = 1.0f;
  int work_layer = 0;       // 0: every layer is worked on
  int also_draw_layer = 0;  // 0: every layer is drawn
  ColourMode colour_mode = ColourMode::kNone;
  bool mode_seen = false;  // in the current redraw
  bool show_deleted = false;
  Record deleted_colour = palette_colour_record(8);
  Record other_layer_colour = palette_colour_record(12);
  Record current_colour = palette_colour_record(7);
  Record last_colour;
};

}  // namespace plv
