#pragma once
// The box menus: box and rectangular box outlines and filled rectangles from two corners.

#include "drawing/record.h"
#include "editor/create/create_state.h"
#include "editor/screen.h"
#include "kinds/kind.h"

namespace plv::create {

// The box (kBox), rectangular box (kRectangularBox) or filled rectangle
// (kFilledRectangle) made from the two shared points; a flat one is a
// line. A blank record when the user quits.
Record box_menu(Screen& screen, SharedPoints& shared, ElementKind kind);

// The kinds it reopens: boxes from the create menu, filled rectangles from
// the more-create menu.
inline constexpr ElementKind kBoxMenuReopens[] = {ElementKind::kBox, ElementKind::kRectangularBox};
inline constexpr ElementKind kFilledRectangleMenuReopens[] = {ElementKind::kFilledRectangle};

struct Reopened;
struct Mapping;
struct Desk;
// The element reopened in this menu, on its values.
Reopened reopen_in_box_menu(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
