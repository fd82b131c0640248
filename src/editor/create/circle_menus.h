#pragma once
// The circle and ellipse menus, which share their three remembered points.

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/kind.h"

namespace plv::create {

// The circle or arc made from points A, B and C, or a blank record.
Record circle_menu(Editor& editor);
// The ellipse made from its centre and the ends of its axes, or a blank record.
Record ellipse_menu(Editor& editor);

}  // namespace plv::create
