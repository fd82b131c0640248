#pragma once
// Telling the user that a path is too long for the menu's fields; the
// names are then left as they were.

#include <string_view>

namespace plv::ui {
class Toolkit;
}

namespace plv::files {

// A path whose directory or file name does not fit its field.
void show_path_does_not_fit(ui::Toolkit& toolkit, std::string_view path);
// A directory and a name that together make more than a whole path.
void show_path_too_long(ui::Toolkit& toolkit, std::string_view path);

}  // namespace plv::files
