#include "editor/files/start_up.h"

#include <string>
#include <system_error>

#include "editor/files/path_messages.h"
#include "kinds/comment.h"
#include "text/line_reader.h"

namespace plv::files {
namespace {

constexpr std::string_view kFileCommentCode = "FC ";

// Nothing from a file that is not a regular one, or whose first line is
// beyond any path's length.
std::string first_line(const std::filesystem::path& file) {
  LineReader in(file.string());
  std::string_view line;
  if (!in.next(line)) return {};
  return std::string(line);
}

bool names_a_path(std::string_view line) { return !text::is_blank(line) && !is_comment_text(line); }

void take(std::string_view path, DirectoryAndName& names) {
  if (const auto split = split_path(path)) names = *split;
}

bool is_file(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

StartNames start_names(const DirectoryAndName& current, const std::filesystem::path& settings_file,
                       std::optional<std::string_view> argument) {
  StartNames start{current};
  const std::string last_drawing = first_line(settings_file);
  if (names_a_path(last_drawing)) take(last_drawing, start.names);

  const std::string drawing(text::trimmed_right(joined_path(start.names.directory, start.names.file_name)));
  if (!drawing.empty() && is_file(drawing)) {
    // The drawing's header names where it was written.
    const std::string header = first_line(drawing);
    if (names_a_path(header) && !header.starts_with(kFileCommentCode)) take(header, start.names);
  }

  if (argument && !text::is_blank(*argument)) {
    if (const auto split = split_path(*argument))
      start.names = *split;
    else
      start.argument_does_not_fit = true;
  }
  return start;
}

void start_file_selection(ui::Toolkit& toolkit, FileSelection& selection, const std::filesystem::path& settings_file,
                          std::optional<std::string_view> argument, bool apply_default_extension, CheckMode check) {
  const StartNames start = start_names({selection.directory, selection.file_name}, settings_file, argument);
  selection.directory = start.names.directory;
  selection.file_name = start.names.file_name;
  if (start.argument_does_not_fit) show_path_does_not_fit(toolkit, *argument);
  choose_file(toolkit, selection,
              {.list_first = false, .apply_default_extension = apply_default_extension, .check = check,
               .show_version = true});
}

}  // namespace plv::files
