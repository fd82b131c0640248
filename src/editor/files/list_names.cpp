#include <algorithm>
#include <filesystem>
#include <system_error>

#include "editor/files/file_name_list.h"
#include "editor/files/path_rules.h"

namespace plv::files {
namespace {

bool same_letters(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

bool carries(std::string_view name, std::string_view extension) {
  const auto point = name.rfind('.');
  if (extension.empty()) return point == std::string_view::npos;
  return point != std::string_view::npos && point > 0 && same_letters(name.substr(point + 1), extension);
}

}  // namespace

std::vector<std::string> list_names(std::string_view directory, std::string_view extension) {
  namespace fs = std::filesystem;
  const std::string_view folder = text::trimmed_right(directory);
  const fs::path where = folder.empty() ? fs::path(".") : fs::path(folder);
  const std::string_view wanted = text::trimmed_right(extension);
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    const std::string name = it->path().filename().string();
    if (name.size() <= kFileNameWidth && carries(name, wanted)) names.push_back(text::padded(name, kFileNameWidth));
  }
  std::sort(names.begin(), names.end());
  if (names.size() > kMaxListedNames) names.resize(kMaxListedNames);
  return names;
}

}  // namespace plv::files
