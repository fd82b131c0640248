#pragma once
// The orderly end of the program: the settings are saved where the next
// run will find them, then the kernel closes the window and ends the
// program by throwing ProgramExit. The drawing itself is never written here.

#include <filesystem>

#include "editor/editor.h"

namespace plv {

// "plivet.set" in the current directory and, when the open drawing exists
// as a file, the settings file named in the editor in the start directory
// too. A file that cannot be written is reported in a message box; the
// previous one is then left as it was.
void save_settings_files(Editor& editor, const std::filesystem::path& current_directory);

// Saves the settings, clears the text screen and ends the program.
[[noreturn]] void shutdown(Editor& editor, const std::filesystem::path& current_directory);
[[noreturn]] void shutdown(Editor& editor);  // from the process's current directory

}  // namespace plv
