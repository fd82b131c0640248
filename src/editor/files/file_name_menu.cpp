#include "editor/files/file_name_menu.h"

#include "editor/files/path_rules.h"
#include "ui/screen_layout.h"
#include "ui/text_screen.h"

namespace plv::files {
namespace {

constexpr int kTitleRow = 3;
constexpr int kDirectoryRow = 5;
constexpr int kFileNameRow = 7;
constexpr int kFirstLegendRow = 9;
constexpr int kRowStep = 2;
constexpr int kFieldColumn = 14;

constexpr std::string_view kTitle =
    "***** DIRECTORY AND FILE NAME MENU ***** DIRECTORY AND FILE NAME MENU *****";
constexpr std::string_view kDirectoryLabel = "DIRECTORY:";
constexpr std::string_view kFileNameLabel = "FILE NAME:";
constexpr std::string_view kBrowseLegend = "             F1 = BROWSE FOR .xxx FILES";
constexpr std::string_view kExtensionMark = "xxx";
constexpr std::string_view kExitLegend = "             F3 = EXIT FROM THE PROGRAM";
constexpr std::string_view kContinueLegend = "             F10= CONTINUE";

// Where the directory and the name lie in the shared edit buffer.
constexpr std::size_t kDirectoryStart = 0;
constexpr std::size_t kFileNameStart = kDirectoryWidth;
constexpr std::size_t kBufferWidth = kDirectoryWidth + kFileNameWidth;

void write_line(ui::TextScreen& screen, int row, std::string_view text) {
  screen.write_at(row, 1, text::padded(text, ui::kScreenColumns), ui::kScreenColumns);
}

std::string browse_legend(std::string_view extension) {
  std::string legend(kBrowseLegend);
  legend.replace(legend.find(kExtensionMark), kExtensionMark.size(), text::padded(extension, kExtensionWidth));
  return legend;
}

void write_legend(ui::TextScreen& screen, FileSelection& selection, int key, int& row, std::string_view text) {
  write_line(screen, row, text);
  selection.legend_rows[static_cast<std::size_t>(key - 1)] = row;
  row += kRowStep;
}

ui::Field text_field(int row, std::string_view text) {
  return {.row = row, .column = kFieldColumn, .width = static_cast<int>(text.size()), .type = ui::FieldType::text(),
          .text = std::string(text)};
}

}  // namespace

void draw_file_name_menu(ui::TextScreen& screen, FileSelection& selection) {
  selection.legend_rows.fill(0);
  screen.clear();
  write_line(screen, kTitleRow, kTitle);
  write_line(screen, kDirectoryRow, kDirectoryLabel);
  write_line(screen, kFileNameRow, kFileNameLabel);
  int row = kFirstLegendRow;
  if (!text::is_blank(selection.default_extension))
    write_legend(screen, selection, 1, row, browse_legend(selection.default_extension));
  write_legend(screen, selection, 3, row, kExitLegend);
  write_legend(screen, selection, 10, row, kContinueLegend);
}

ui::FieldKey legend_key(const LegendRows& rows, int row) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i] != 0 && rows[i] == row) return ui::FieldKey::function(static_cast<int>(i) + 1);
  return ui::FieldKey::kPressOutside;
}

std::string edit_buffer(const FileSelection& selection) {
  return text::padded(selection.directory, kDirectoryWidth) + text::padded(selection.file_name, kFileNameWidth);
}

void take_edit_buffer(std::string_view buffer, FileSelection& selection) {
  const std::string whole = text::padded(buffer, kBufferWidth);
  selection.set_directory(std::string_view(whole).substr(kDirectoryStart, kDirectoryWidth));
  selection.set_file_name(std::string_view(whole).substr(kFileNameStart, kFileNameWidth));
}

ui::FieldSet name_fields(std::string_view buffer) {
  const std::string whole = text::padded(buffer, kBufferWidth);
  const std::string_view view(whole);
  ui::FieldSet set;
  set.fields = {text_field(kDirectoryRow, view.substr(kDirectoryStart, kDirectoryWidth)),
                text_field(kFileNameRow, view.substr(kFileNameStart, kFileNameWidth))};
  return set;
}

std::string buffer_of(const ui::FieldSet& fields) {
  return text::padded(fields.field(kDirectoryField).text, kDirectoryWidth) +
         text::padded(fields.field(kFileNameField).text, kFileNameWidth);
}

}  // namespace plv::files
