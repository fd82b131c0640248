#pragma once
// What the file name menu keeps for the whole run: the current directory
// and file name, the default extension offered, the joined path the rest
// of the program opens, and where the menu's legends are. The editor
// holds one and passes it to every menu that asks for a file.

#include <array>
#include <string>
#include <string_view>

#include "editor/files/field_widths.h"
#include "kernel/version_screen.h"

namespace plv::host {
class Host;
}

namespace plv::files {

// The screen row of the legend of F1 to F10; 0 where a key has none.
using LegendRows = std::array<int, 10>;

struct FileSelection {
  std::string directory = std::string(kDirectoryWidth, ' ');
  std::string file_name = std::string(kFileNameWidth, ' ');
  std::string default_extension = std::string(kExtensionWidth, ' ');  // blank: none
  std::string joined_path = std::string(kPathWidth, ' ');
  LegendRows legend_rows{};
  // The block shown with the menu at start-up.
  kernel::VersionInfo version;

  // Each blank-padded or cut to its field.
  void set_directory(std::string_view text);
  void set_file_name(std::string_view text);
  void set_default_extension(std::string_view text);
  // Joins the directory and the name into joined_path, handing both to
  // the host's export names.
  void join(host::Host& host);
};

// The joined path of a directory and a name (see joined_path); the host's
// export dialogs start from them afterwards.
std::string join_path(host::Host& host, std::string_view directory, std::string_view file_name);

// Removes the file at `path` (trailing blanks dropped) if there is one;
// directories are left alone. True when no file is there afterwards.
bool delete_file(std::string_view path);

}  // namespace plv::files
