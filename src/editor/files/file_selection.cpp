#include "editor/files/file_selection.h"

#include <filesystem>
#include <system_error>

#include "editor/files/path_rules.h"
#include "host/host.h"

namespace plv::files {

void FileSelection::set_directory(std::string_view text) { directory = text::padded(text, kDirectoryWidth); }
void FileSelection::set_file_name(std::string_view text) { file_name = text::padded(text, kFileNameWidth); }
void FileSelection::set_default_extension(std::string_view text) {
  default_extension = text::padded(text, kExtensionWidth);
}

void FileSelection::join(host::Host& host) { joined_path = join_path(host, directory, file_name); }

std::string join_path(host::Host& host, std::string_view directory, std::string_view file_name) {
  host.export_names().set(text::trimmed_right(directory), text::trimmed_right(file_name));
  return joined_path(directory, file_name);
}

bool delete_file(std::string_view path) {
  namespace fs = std::filesystem;
  const fs::path file{std::string(text::trimmed_right(path))};
  std::error_code error;
  if (file.empty() || fs::is_directory(file, error)) return false;
  fs::remove(file, error);
  return !fs::exists(fs::symlink_status(file, error));
}

}  // namespace plv::files
