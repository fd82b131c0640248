#pragma once
// The filled quadrilateral menu: four corners.

#include "drawing/record.h"
#include "editor/create/create_state.h"
#include "editor/screen.h"
#include "kinds/kind.h"

namespace plv::create {

// What the menu remembers besides the shared points, its first two corners.
struct QuadSettings {
  DrawingPoint third{0, 0}, fourth{0, 0};
};

// The filled quadrilateral made, or a blank record when the user quits.
Record quad_menu(Screen& screen, CreateState& state);

inline constexpr ElementKind kQuadMenuReopens[] = {ElementKind::kFilledQuadrilateral};

struct Reopened;
struct Mapping;
struct Desk;
// The element reopened in this menu, on its values.
Reopened reopen_in_quad_menu(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
