#pragma once
// The editor's entry: start-up in its fixed order, then the main menu loop.
// It never returns; the program ends by throwing ProgramExit from the
// shutdown.

#include <optional>
#include <string>

#include "editor/create/create_state.h"
#include "editor/editor.h"

namespace plv {

// What each group of menus remembers for the whole run.
struct MenuStates {
  CreateState create;  // the element menus' remembered points and settings
};

[[noreturn]] void run_editor(Editor& editor, MenuStates& states,
                             const std::optional<std::string>& command_line_drawing);

}  // namespace plv
