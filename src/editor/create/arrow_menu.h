#pragma once
// The arrow menu: an arrow record between two points, with heads, marker lines and a bend as its remembered switches say.

#include "drawing/record.h"
#include "editor/create/desk.h"
#include "kinds/arrow.h"
#include "kinds/kind.h"

namespace plv::create {

// What the menu remembers: its switches (heads, marker lines, bend).
struct ArrowSettings {
  ArrowFlags flags{'N', 'N', 'Y', 'N', 'N'};
};

// The arrow made, or a blank record when the user quits.
Record arrow_menu(const Desk& desk);

inline constexpr ElementKind kArrowMenuReopens[] = {ElementKind::kArrow};

struct Reopened;
struct Mapping;
// The element reopened in this menu, on its values.
Reopened reopen_in_arrow_menu(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
