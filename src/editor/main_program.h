#pragma once
// The editor's entry: start-up in its fixed order, then the main menu loop.
// It never returns; the program ends by throwing ProgramExit from the
// shutdown.

#include <optional>
#include <string>

#include "editor/editor.h"

namespace plv {

[[noreturn]] void run_editor(Editor& editor, const std::optional<std::string>& command_line_drawing);

}  // namespace plv
