#include "editor/files/choose_file.h"

#include <filesystem>
#include <system_error>

#include "editor/files/file_name_list.h"
#include "editor/files/file_name_menu.h"
#include "editor/files/path_messages.h"
#include "editor/files/path_rules.h"
#include "host/file_open_fields.h"
#include "text/line_reader.h"
#include "host/host.h"
#include "ui/close_requested.h"
#include "ui/field_entry.h"
#include "ui/left_justify.h"
#include "ui/messages.h"
#include "ui/toolkit.h"

namespace plv::files {
namespace {

constexpr ui::FieldKey kBrowseKey = ui::FieldKey::function(1);
constexpr ui::FieldKey kExitKey = ui::FieldKey::function(3);
constexpr ui::FieldKey kContinueKey = ui::FieldKey::function(10);

constexpr std::string_view kCannotOpen = "ERROR: THE PROGRAM CANNOT OPEN THE FILE.";
constexpr std::string_view kPathFollows = "THE DIRECTORY PATH AND FILE NAME ARE:";
constexpr std::string_view kSpecifyAnother = "PLEASE SPECIFY A NEW DIRECTORY OR FILE NAME.";

void left_justify(std::string& text) { ui::left_justify(std::span<char>(text.data(), text.size())); }

// Shows the menu and lets the user edit until a key asks to act; a press
// on a legend row stands for its key. `current` is the field edited.
ui::FieldKey edit_names(ui::Toolkit& toolkit, FileSelection& selection, bool show_version, int& current) {
  draw_file_name_menu(toolkit.screen(), selection);
  if (show_version) kernel::show_version_screen(toolkit.host(), selection.version);
  selection.directory = with_separators_normalised(selection.directory);
  ui::FieldSet fields = name_fields(edit_buffer(selection));
  fields.current = current;
  ui::FieldKey key = ui::enter_form(toolkit, fields);
  if (key == ui::FieldKey::kPressOutside) key = legend_key(selection.legend_rows, toolkit.last_pointer().row);
  current = fields.current;
  take_edit_buffer(buffer_of(fields), selection);
  left_justify(selection.directory);
  left_justify(selection.file_name);
  return key;
}

// What the user typed made into a directory and a bare name.
void clean_up(FileSelection& selection) {
  selection.directory = with_separators_normalised(selection.directory);
  selection.file_name = name_after_last_separator(selection.file_name);
  const DirectoryAndName moved = with_file_component_moved({selection.directory, selection.file_name});
  selection.directory = moved.directory;
  selection.file_name = moved.file_name;
}

void browse(ui::Toolkit& toolkit, FileSelection& selection, CheckMode check) {
  const bool read_only_box = check != CheckMode::kNone;
  const auto request = host::open_file_request(selection.file_name, selection.directory,
                                               filter_index(selection.default_extension), read_only_box);
  const auto chosen = toolkit.host().open_file_dialog(request);
  if (!chosen) return;  // cancelled: the names stay
  const auto fields = split_path(*chosen);
  if (!fields) {
    show_path_does_not_fit(toolkit, *chosen);
    return;
  }
  selection.directory = fields->directory;
  selection.file_name = fields->file_name;
}

bool opens_for_reading(std::string_view path) {
  const std::string name(text::trimmed_right(path));
  std::string ignored;
  return open_regular_file(name, ignored) != nullptr;
}

void show_cannot_open(ui::Toolkit& toolkit, std::string_view path) {
  ui::ScreenLines& lines = toolkit.lines();
  lines.set_message(kCannotOpen);
  ui::begin_messages(toolkit);
  lines.set_message(kPathFollows);
  ui::next_message(toolkit);
  lines.set_message(path);
  ui::next_message(toolkit);
  lines.set_message(kSpecifyAnother);
  ui::message_and_wait(toolkit);
}

// True when the accepted names pass the check; otherwise the user was
// told why and the menu comes again.
bool accept(ui::Toolkit& toolkit, FileSelection& selection, const ChooseFileOptions& options) {
  selection.join(toolkit.host());
  if (options.check == CheckMode::kNone) return true;
  if (options.apply_default_extension) {
    selection.file_name = with_default_extension(selection.file_name, selection.default_extension);
    selection.join(toolkit.host());
  }
  if (text::is_blank(selection.file_name)) return false;  // the menu simply starts again
  if (!fits_path_width(selection.joined_path)) {
    show_path_too_long(toolkit, selection.joined_path);
    return false;
  }
  if (options.check == CheckMode::kNotBlank || opens_for_reading(selection.joined_path)) return true;
  show_cannot_open(toolkit, selection.joined_path);
  return false;
}

}  // namespace

void choose_file(ui::Toolkit& toolkit, FileSelection& selection, const ChooseFileOptions& options) {
  selection.directory = with_separators_normalised(selection.directory);
  if (options.list_first && !text::is_blank(selection.default_extension))
    selection.file_name = choose_name(toolkit, selection.directory, selection.default_extension);
  int current = kDirectoryField;
  for (;;) {
    const ui::FieldKey key = edit_names(toolkit, selection, options.show_version, current);
    clean_up(selection);
    if (key == kBrowseKey) {
      if (!text::is_blank(selection.default_extension)) browse(toolkit, selection, options.check);
    } else if (key == kExitKey) {
      selection.join(toolkit.host());
      throw ui::CloseRequested{};
    } else if (key == kContinueKey) {
      if (accept(toolkit, selection, options)) return;
      current = kDirectoryField;  // the menu starts again from the top
    }
    // Any other key shows the menu again.
  }
}

}  // namespace plv::files
