#pragma once
// The bracket menu: a bracket record, its points ordered by the facing.

#include "drawing/record.h"
#include "editor/create/create_state.h"
#include "editor/screen.h"
#include "kinds/kind.h"

namespace plv::create {

// What the menu remembers: which way the bracket opens, 'L' or 'R'.
struct BracketSettings {
  char facing = 'R';
};

// The bracket made, or a blank record when the user quits.
Record bracket_menu(Screen& screen, CreateState& state);

inline constexpr ElementKind kBracketMenuReopens[] = {ElementKind::kBracket};

struct Reopened;
struct Mapping;
struct Desk;
// The element reopened in this menu, on its values.
Reopened reopen_in_bracket_menu(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
