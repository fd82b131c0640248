#pragma once
// The DIRECTORY AND FILE NAME MENU's screen and its two entry fields,
// which share one edit buffer: the directory in columns 1-66, the file
// name in columns 67-80.

#include <string>

#include "editor/files/file_selection.h"
#include "ui/field.h"

namespace plv::ui {
class TextScreen;
}

namespace plv::files {

inline constexpr int kDirectoryField = 1;
inline constexpr int kFileNameField = 2;

// Clears the screen and writes the menu's lines and legends, remembering
// the legend rows in `selection` (all others blank).
void draw_file_name_menu(ui::TextScreen& screen, FileSelection& selection);

// The function key whose legend is on `row`; a press outside the fields
// when no legend is there.
ui::FieldKey legend_key(const LegendRows& rows, int row);

// The edit buffer of the directory and the name, and back.
std::string edit_buffer(const FileSelection& selection);
void take_edit_buffer(std::string_view buffer, FileSelection& selection);

// The two fields showing the buffer, and the buffer the fields now hold.
ui::FieldSet name_fields(std::string_view buffer);
std::string buffer_of(const ui::FieldSet& fields);

}  // namespace plv::files
