#pragma once
// The string menu: a string record, text at a location with a size, a direction and a key point.

#include <string>
#include <string_view>

#include "drawing/record.h"
#include "editor/create/create_state.h"
#include "editor/screen.h"
#include "kinds/kind.h"

namespace plv::create {

inline constexpr int kStringTextLength = 80;

// What the menu remembers: everything typed into it.
struct StringSettings {
  std::string text = std::string(kStringTextLength, ' ');
  int size = 10;
  int direction = 0;  // 0 = +x, 1 = +y, 2 = -x, 3 = -y
  char key_point = 'S';
  DrawingPoint location{0, 0};
};

// The string made, or a blank record when the user quits.
Record string_menu(Screen& screen, CreateState& state);

// The 80 characters of a text as the menu keeps them when it is handed
// back as shown: the part it shows starts at its first non-blank.
std::string text_as_kept(std::string_view text);

inline constexpr ElementKind kStringMenuReopens[] = {ElementKind::kString};

struct Reopened;
struct Mapping;
struct Desk;
// The element reopened in this menu, on its values.
Reopened reopen_in_string_menu(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
