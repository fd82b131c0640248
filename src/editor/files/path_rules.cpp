#include "editor/files/path_rules.h"
#include "text/fixed_text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace plv::files {
namespace {

// The extension goes after a point in at most this column (one-based),
// so that the name, the point and three letters fit in kFileNameWidth.
constexpr std::size_t kLastPointColumn = 11;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), lower);
  return out;
}

bool is_separator(char c) { return c == kSeparator || c == kOtherSeparator; }

// Where the point goes: the name's first point, else just after its end,
// never beyond kLastPointColumn.
std::size_t point_index(std::string_view name) {
  const std::string_view head = name.substr(0, kLastPointColumn);
  const auto point = head.find('.');
  if (point != std::string_view::npos) return point;
  return std::min(text::trimmed_right(name).size(), kLastPointColumn - 1);
}

bool is_directory(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

bool exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace

std::string joined_path(std::string_view directory, std::string_view file_name) {
  std::string path(text::trimmed_right(directory.substr(0, std::min(directory.size(), kDirectoryWidth))));
  // An empty directory is the current one: a separator here would name the root.
  if (!path.empty() && path.back() != kSeparator) path += kSeparator;
  path += text::trimmed_right(file_name);
  return path.size() < kPathWidth ? text::padded(path, kPathWidth) : path;
}

bool fits_path_width(std::string_view joined) { return text::trimmed_right(joined).size() <= kPathWidth; }

std::string with_default_extension(std::string_view file_name, std::string_view extension) {
  const std::string name = text::padded(file_name, kFileNameWidth);
  const std::string ext = text::padded(extension, kExtensionWidth);
  if (name.front() == ' ' || ext.front() == ' ') return name;
  const std::string lower_name = lowered(name);
  const std::size_t point = point_index(lower_name);
  return text::padded(lower_name.substr(0, point) + "." + lowered(ext), kFileNameWidth);
}

std::string with_separators_normalised(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), kOtherSeparator, kSeparator);
  return out;
}

std::string name_after_last_separator(std::string_view file_name) {
  const auto cut = file_name.find_last_of(std::string_view("/\\:"));
  const std::string_view rest = cut == std::string_view::npos ? file_name : file_name.substr(cut + 1);
  return text::padded(rest, kFileNameWidth);
}

std::optional<DirectoryAndName> split_path(std::string_view path) {
  const std::string_view whole = text::trimmed_right(path);
  const auto last = std::find_if(whole.rbegin(), whole.rend(), is_separator);
  const auto name_start = static_cast<std::size_t>(whole.rend() - last);
  const std::string_view directory = whole.substr(0, name_start);
  const std::string_view name = whole.substr(name_start);
  if (directory.size() > kDirectoryWidth || name.size() > kFileNameWidth) return std::nullopt;
  return DirectoryAndName{text::padded(with_separators_normalised(directory), kDirectoryWidth),
                          text::padded(name, kFileNameWidth)};
}

DirectoryAndName with_file_component_moved(const DirectoryAndName& fields) {
  const std::string directory = with_separators_normalised(text::trimmed_right(fields.directory));
  if (directory.empty() || directory.back() == kSeparator) return fields;
  const auto separator = directory.rfind(kSeparator);
  const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
  const std::string component = directory.substr(start);
  if (component == "." || component == ".." || component.size() > kFileNameWidth) return fields;
  const bool names_a_file =
      !is_directory(directory) && (exists(directory) || component.find('.') != std::string::npos);
  if (!names_a_file) return fields;
  return {text::padded(directory.substr(0, start), kDirectoryWidth), text::padded(component, kFileNameWidth)};
}

int filter_index(std::string_view extension) {
  const std::string ext = lowered(text::trimmed_right(extension));
  if (ext == "qpa") return 1;
  if (ext == "tbl") return 2;
  if (ext == "gw") return 3;
  if (ext == "sol") return 4;
  if (ext == "plv") return 6;
  return 5;
}

}  // namespace plv::files
