#pragma once
// The line menu: a straight line, solid or dashed, or wide,
// typed, pulled with the pointer, or snapped to the drawing's points.

#include "drawing/record.h"
#include "editor/create/desk.h"
#include "kinds/kind.h"

namespace plv::create {

// What the menu remembers: solid or dashed, and the width in line widths.
struct LineSettings {
  char type = 'S';
  int width = 1;
};

// The line made, or a blank record when the user quits.
Record line_menu(const Desk& desk);

// The kinds it reopens.
inline constexpr ElementKind kLineMenuReopens[] = {ElementKind::kLine, ElementKind::kWideLine};

struct Reopened;
struct Mapping;
// The element reopened in this menu, on its values.
Reopened reopen_in_line_menu(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
