#include "core/drawing_file_ops.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

#include "core/command_file.h"
#include "core/record_layout.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

namespace fs = std::filesystem;

// Columns of the first record of a new drawing: "CM ", name, date.
inline constexpr Columns kNewDrawingKey{1, 3};
inline constexpr Columns kNewDrawingName{4, kDrawingNameLength};
inline constexpr Columns kNewDrawingDate{20, 9};

std::string trimmed(const std::string& s) {
  const size_t end = s.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

// A message line with a value written from a given column.
std::string with_value_at(std::string_view text, int column, std::string_view value) {
  std::string line = ui::padded(text);
  line.replace(static_cast<size_t>(column - 1), value.size(), value);
  return ui::padded(line);
}

enum class Ending { kNoWait, kWait };

// Lines one under another from the top of a cleared screen; with a wait,
// the last one is followed by the prompt and a key.
void show_lines(Editor& editor, std::initializer_list<std::string_view> lines, Ending ending) {
  ui::Toolkit& tk = editor.ui;
  auto line = lines.begin();
  tk.lines().set_message(*line);
  ui::begin_messages(tk);
  for (++line; line != lines.end(); ++line) {
    tk.lines().set_message(*line);
    if (std::next(line) == lines.end() && ending == Ending::kWait) ui::message_and_wait(tk);
    else ui::next_message(tk);
  }
  if (lines.size() == 1 && ending == Ending::kWait) tk.wait_any_key();
}

void error_and_wait(Editor& editor, std::string_view text) {
  editor.ui.lines().set_message(text);
  ui::error_and_wait(editor.ui);
}

void ask_for_another_path(Editor& editor, std::string_view first_line) {
  show_lines(editor, {first_line, "DIRECTORY AND FILE NAME:", trimmed(editor.drawing_path), "SPECIFY A NEW DIRECTORY PATH."},
             Ending::kWait);
  editor.choose_file({false, true, 0, false});
}

bool create_empty_file(const std::string& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return false;
  std::ofstream out(path);
  return static_cast<bool>(out);
}

void report_skipped(Editor& editor, const std::vector<SkippedLine>& skipped) {
  if (skipped.empty()) return;
  const std::string first = std::to_string(skipped.front().number);
  if (skipped.size() == 1) error_and_wait(editor, "LINE " + first + " OF THE FILE COULD NOT BE READ AND WAS LEFT OUT.");
  else
    error_and_wait(editor, std::to_string(skipped.size()) + " LINES COULD NOT BE READ AND WERE LEFT OUT; THE FIRST IS LINE " +
                               first + ".");
}

// True when the file was read into the drawing.
bool read_existing(Editor& editor, const std::string& path) {
  show_lines(editor, {with_value_at("READING FILE:", 15, editor.drawing_name)}, Ending::kNoWait);
  const CommandFileRead read = read_command_file(path, editor.drawing);
  if (!read.opened) return false;
  if (read.setup_line) editor.setup_line = *read.setup_line;
  if (!read.error.empty()) error_and_wait(editor, "ERROR READING THE FILE: " + read.error);
  report_skipped(editor, read.skipped);
  return true;
}

}  // namespace

void start_new_drawing(Editor& editor) {
  editor.drawing.clear();
  Record title;
  title.put_text(kNewDrawingKey, "CM ");
  title.put_text(kNewDrawingName, editor.drawing_name);
  title.put_text(kNewDrawingDate, editor.date);
  editor.drawing.append(title);
  editor.drawing.append(Record("CM"));
  editor.drawing.append(Record("SC MODE BAR"));
  editor.drawing.append(Record("SC BAR   7"));
}

void open_drawing(Editor& editor) {
  if (editor.file_open) return error_and_wait(editor, "ERROR >> INPUT FILE ALREADY OPEN !");
  show_lines(editor, {"OPEN A GRAPHICS COMMAND FILE FOR INPUT."}, Ending::kNoWait);
  while (trimmed(editor.drawing_name).empty()) {
    show_lines(editor, {"ERROR: TO OPEN A FILE YOU MUST GIVE THE NAME", "OF THE FILE."}, Ending::kWait);
    editor.choose_file({false, true, 0, false});
  }
  editor.file_open = true;
  for (;;) {
    const std::string path = trimmed(editor.drawing_path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_directory(status)) {
      if (read_existing(editor, path)) return;
      ask_for_another_path(editor, "ERROR: CANNOT OPEN THE FILE");
    } else if (!fs::exists(status) && create_empty_file(path)) {
      start_new_drawing(editor);
      return;
    } else {
      ask_for_another_path(editor, "ERROR: CANNOT CREATE A NEW FILE.");
    }
  }
}

void write_drawing(Editor& editor) {
  for (;;) {
    show_lines(editor, {with_value_at("WRITING THE DRAWING FILE:", 27, editor.drawing_name)}, Ending::kNoWait);
    const CommandFileHeader header{editor.drawing_path, editor.setup_line, editor.date};
    const CommandFileWrite written = write_command_file(trimmed(editor.drawing_path), header, editor.drawing);
    for (size_t i = 0; i < written.skipped.size(); ++i) error_and_wait(editor, "ERROR READING THE DIRECT-ACCESS FILE");
    if (written.written) return;
    ask_for_another_path(editor, "ERROR: CANNOT OPEN THE FILE");
  }
}

void close_drawing(Editor& editor) {
  show_lines(editor, {"CLOSE THE DRAWING FILE..."}, Ending::kNoWait);
  write_drawing(editor);
  editor.file_open = false;
  editor.drawing_name.assign(kDrawingNameLength, ' ');
}

void quit_drawing(Editor& editor) {
  editor.drawing.clear();
  editor.drawing_name.assign(kDrawingNameLength, ' ');
  editor.file_open = false;
}

}  // namespace plv
