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

struct Reopened;
struct Mapping;
// The element reopened in this menu, on its values.
Reopened reopen_in_circle_menu(Editor& editor, const Record& element, const Mapping& mapping);

Reopened reopen_in_ellipse_menu(Editor& editor, const Record& element, const Mapping& mapping);

}  // namespace plv::create
