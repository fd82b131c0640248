#pragma once
// The file name menu as the program starts: offering the drawing of the
// last run, or the one named on the command line, with the version block.

#include <filesystem>
#include <optional>
#include <string_view>

#include "editor/files/choose_file.h"
#include "editor/files/path_rules.h"

namespace plv::ui {
class Toolkit;
}

namespace plv::files {

struct StartNames {
  DirectoryAndName names;
  // The command-line path was too long for the fields and not taken.
  bool argument_does_not_fit = false;
};

// The names to start from, each source replacing the one before: the
// path on the first line of the settings file (unless blank or a comment),
// that drawing's own first line when the drawing exists (unless it begins
// as a comment or "FC "), then the command-line argument. A path that does not
// fit the fields is not taken.
StartNames start_names(const DirectoryAndName& current, const std::filesystem::path& settings_file,
                       std::optional<std::string_view> argument);

// Sets the start names in `selection`, telling the user when the
// argument was not taken, and shows the menu with the version block.
void start_file_selection(ui::Toolkit& toolkit, FileSelection& selection, const std::filesystem::path& settings_file,
                          std::optional<std::string_view> argument, bool apply_default_extension, CheckMode check);

}  // namespace plv::files
