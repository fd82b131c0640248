#include "host/file_open_fields.h"
#include "text/fixed_text.h"

namespace plv::host {
namespace {

std::string without_trailing_blanks(std::string_view field) { return std::string(text::trimmed_right(field)); }

std::string up_to_first_blank(std::string_view field) { return std::string(field.substr(0, field.find(' '))); }

}  // namespace

FileDialogRequest open_file_request(std::string_view initial_name, std::string_view initial_directory,
                                    int filter_index, bool read_only_box) {
  FileDialogRequest request;
  request.file_name = without_trailing_blanks(initial_name);
  request.directory = without_trailing_blanks(initial_directory);
  for (const auto& [description, pattern] : kOpenFileFilters) request.filters.emplace_back(description, pattern);
  request.filter_index = filter_index;
  request.default_extension = "txt";
  request.read_only_box = read_only_box;
  return request;
}

ChosenFile split_chosen_path(std::string_view path, std::size_t directory_length, std::size_t name_length,
                             std::size_t path_length) {
  const auto separator = path.find_last_of("/\\");
  const std::size_t name_start = separator == std::string_view::npos ? 0 : separator + 1;
  return {text::padded(path.substr(0, name_start), directory_length), text::padded(path.substr(name_start), name_length),
          text::padded(path, path_length)};
}

void ExportNames::set(std::string_view directory, std::string_view file_name) {
  directory_ = up_to_first_blank(directory);
  file_name_ = up_to_first_blank(file_name);
}

std::string ExportNames::default_name(std::string_view extension) const {
  return file_name_.substr(0, file_name_.find('.')) + "." + std::string(extension);
}

}  // namespace plv::host
