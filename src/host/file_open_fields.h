#pragma once
// The open-file dialog as the file selection sees it: blank-padded text
// fields in, blank-padded directory, name and path out. Also the export
// names, the directory and drawing name that the export dialogs start from.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "host/window_system.h"

namespace plv::host {

inline constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kOpenFileFilters{{
    {"QUEPA Files (*.qpa)", "*.qpa"},
    {"Table Files (*.tbl;*.raw;*.asc)", "*.tbl;*.raw;*.asc"},
    {"Geometry Files (*.gw)", "*.gw"},
    {"Solution Files (*.sol)", "*.sol"},
    {"All Files (*.*)", "*.*"},
    {"Plivet Files (*.plv)", "*.plv"},
}};

// Field lengths the file selection hands over.
inline constexpr std::size_t kDirectoryFieldLength = 66;
inline constexpr std::size_t kNameFieldLength = 14;
inline constexpr std::size_t kPathFieldLength = 80;

// The dialog for an initial name and directory (trailing blanks dropped)
// and a one-based filter index, with or without the read-only box.
FileDialogRequest open_file_request(std::string_view initial_name, std::string_view initial_directory,
                                    int filter_index, bool read_only_box);

// A chosen path split for the editor's fields, each blank-padded (or cut)
// to its length: the directory keeps its trailing separator.
struct ChosenFile {
  std::string directory;
  std::string name;
  std::string full_path;
};
ChosenFile split_chosen_path(std::string_view path, std::size_t directory_length = kDirectoryFieldLength,
                             std::size_t name_length = kNameFieldLength,
                             std::size_t path_length = kPathFieldLength);

// The directory and drawing name last joined into a path by the file
// selection; each is kept up to its first blank.
class ExportNames {
 public:
  void set(std::string_view directory, std::string_view file_name);
  const std::string& directory() const { return directory_; }
  const std::string& file_name() const { return file_name_; }
  // The drawing's name up to its first point, with the extension added.
  std::string default_name(std::string_view extension) const;

 private:
  std::string directory_;
  std::string file_name_;
};

}  // namespace plv::host
