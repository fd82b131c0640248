#include "editor/buffer/buffer_file_name_menu.h"

#include <span>
#include <string>
#include <string_view>

#include "editor/files/file_name_list.h"
#include "editor/files/file_name_menu.h"
#include "editor/files/path_messages.h"
#include "editor/files/path_rules.h"
#include "ui/field_entry.h"
#include "ui/left_justify.h"
#include "ui/screen_layout.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv::buffer {
namespace {

constexpr int kTitleRow = 3;
constexpr int kDirectoryRow = 5;
constexpr int kFileNameRow = 7;
constexpr int kFirstLegendRow = 9;
constexpr int kRowStep = 2;

constexpr std::string_view kTitle =
    "******** BUFFER FILE NAME MENU *********** BUFFER FILE NAME MENU ***********    ";
constexpr std::string_view kDirectoryLabel = "DIRECTORY:";
constexpr std::string_view kFileNameLabel = "FILE NAME:";
constexpr std::string_view kListLegend = "             F1 = GET A LIST OF FILE NAMES WITH EXTENSION";
constexpr std::size_t kListExtensionColumn = 60;
constexpr std::string_view kGiveUpRead = "             F9 = DO NOT READ A BUFFER FILE.";
constexpr std::string_view kGiveUpWrite = "             F9 = DO NOT WRITE THE BUFFER TO A FILE.";
constexpr std::string_view kAcceptRead = "             F10= READ THE FILE INTO THE BUFFER.";
constexpr std::string_view kAcceptWrite = "             F10= WRITE THE BUFFER TO THE FILE.";

constexpr ui::FieldKey kListKey = ui::FieldKey::function(1);
constexpr ui::FieldKey kGiveUpKey = ui::FieldKey::function(9);
constexpr ui::FieldKey kAcceptKey = ui::FieldKey::function(10);

void left_justify(std::string& text) { ui::left_justify(std::span<char>(text.data(), text.size())); }

// Only a file to read is looked for among the names on disc.
bool offers_list(const files::FileSelection& names, FileMode mode) {
  return mode == FileMode::kRead && !text::is_blank(names.default_extension);
}

void draw_menu(Screen& screen, files::FileSelection& names, FileMode mode) {
  ui::TextScreen& page = screen.ui.screen();
  names.legend_rows.fill(0);
  page.clear();
  page.write_line(1, screen.ui.lines().title);
  page.write_line(kTitleRow, kTitle);
  page.write_line(kDirectoryRow, kDirectoryLabel);
  page.write_line(kFileNameRow, kFileNameLabel);
  int row = kFirstLegendRow;
  const auto legend = [&](int key, std::string_view text) {
    page.write_line(row, text);
    names.legend_rows[static_cast<std::size_t>(key - 1)] = row;
    row += kRowStep;
  };
  if (offers_list(names, mode)) {
    std::string line = ui::padded(kListLegend);
    line.replace(kListExtensionColumn - 1, files::kExtensionWidth, names.default_extension);
    legend(1, line);
  }
  legend(9, mode == FileMode::kRead ? kGiveUpRead : kGiveUpWrite);
  legend(10, mode == FileMode::kRead ? kAcceptRead : kAcceptWrite);
}

// Lets the user edit the two fields until a key asks to act; a press on a
// legend row stands for its key. `current` is the field edited.
ui::FieldKey edit_names(Screen& screen, files::FileSelection& names, int& current) {
  names.directory = files::with_separators_normalised(names.directory);
  ui::FieldSet fields = files::name_fields(files::edit_buffer(names));
  for (ui::Field& field : fields.fields) field.highlight = true;
  fields.current = current;
  ui::FieldKey key = ui::enter_form(screen.ui, fields);
  if (key == ui::FieldKey::kPressOutside) key = files::legend_key(names.legend_rows, screen.ui.last_pointer().row);
  current = fields.current;
  files::take_edit_buffer(files::buffer_of(fields), names);
  left_justify(names.directory);
  left_justify(names.file_name);
  return key;
}

// What was typed made into a directory and a bare name, then joined.
void clean_up(Screen& screen, files::FileSelection& names) {
  names.file_name = files::name_after_last_separator(names.file_name);
  const files::DirectoryAndName moved =
      files::with_file_component_moved({files::with_separators_normalised(names.directory), names.file_name});
  names.directory = moved.directory;
  names.file_name = moved.file_name;
  names.join(screen.ui.host());
}

void offer_list(Screen& screen, files::FileSelection& names) {
  ui::TextScreen& page = screen.ui.screen();
  page.clear();
  page.write_line(1, screen.ui.lines().title);
  const std::string chosen = files::choose_name(screen.ui, names.directory, names.default_extension);
  // Choosing none keeps the name the user had.
  if (!text::is_blank(chosen)) names.set_file_name(chosen);
}

// The same rules as for a drawing's name: a name must be given, and the
// path must fit its 80 columns.
bool acceptable(Screen& screen, const files::FileSelection& names) {
  if (text::is_blank(names.file_name)) return false;
  if (files::fits_path_width(names.joined_path)) return true;
  files::show_path_too_long(screen.ui, names.joined_path);
  return false;
}

}  // namespace

bool choose_buffer_file(const Document& document, Screen& screen, files::FileSelection& names, FileMode mode) {
  // Buffer files hold the records drawings hold: the list offers drawings.
  names.set_default_extension(document.extension);
  // The first buffer file is looked for beside the drawing.
  if (text::is_blank(names.directory) && text::is_blank(names.file_name)) names.set_directory(document.directory);
  left_justify(names.file_name);
  int current = files::kDirectoryField;
  for (;;) {
    draw_menu(screen, names, mode);
    const ui::FieldKey key = edit_names(screen, names, current);
    clean_up(screen, names);
    if (key == kListKey && offers_list(names, mode)) offer_list(screen, names);
    else if (key == kGiveUpKey) return false;
    else if (key == kAcceptKey && acceptable(screen, names)) return true;
    // Any other key shows the menu again.
  }
}

}  // namespace plv::buffer
