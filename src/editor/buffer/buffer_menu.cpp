#include "editor/buffer/buffer_menu.h"

#include "editor/undo_redo.h"

#include <cctype>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "editor/buffer/buffer_file.h"
#include "editor/buffer/buffer_file_name_menu.h"
#include "editor/create/element_menu.h"
#include "editor/drawing_guard.h"
#include "editor/menu_table.h"
#include "editor/edit_delete/select_by_box.h"
#include "kinds/registry.h"
#include "text/fixed_text.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"

namespace plv::buffer {
namespace {

constexpr std::string_view kBanner =
    "**** BUFFER MENU ***** BUFFER MENU ***** BUFFER MENU ***** BUFFER MENU *****    ";
constexpr int kNameRow = 5;
constexpr std::string_view kNameLabel = "                  DRAWING FILE NAME: ";
constexpr int kNameColumn = 37;
constexpr std::string_view kNoDrawing = "                  NO DRAWING FILE IS OPEN";
constexpr int kLegendColumn = 17;
constexpr int kLegendWidth = 60;

constexpr std::string_view kCannotOpen = "ERROR: CANNOT OPEN THE FILE.";
constexpr std::string_view kCannotWrite = "ERROR: CANNOT WRITE THE FILE.";
constexpr std::string_view kGiveAnother = "PLEASE GIVE A NEW DIRECTORY PATH OR FILE NAME.";

// A message on a cleared screen, left there while the work goes on.
void show_doing(Editor& editor, std::string_view line) {
  editor.ui.lines().set_message(line);
  ui::begin_messages(editor.ui);
}

// Two or more message lines one under another on a cleared screen, the
// prompt under the last, then a key.
void tell(Editor& editor, std::initializer_list<std::string> lines) {
  ui::Toolkit& tk = editor.ui;
  auto line = lines.begin();
  show_doing(editor, *line);
  while (++line != lines.end()) {
    tk.lines().set_message(*line);
    if (line + 1 == lines.end()) ui::message_and_wait(tk);
    else ui::next_message(tk);
  }
}

// A message with the buffer file's 14-column name written from `column`.
std::string with_name_at(const Editor& editor, std::string_view text, int column) {
  return ui::padded(text, column - 1) + text::padded(editor.buffer_files.file_name, files::kFileNameWidth);
}

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// The cause in an error that may begin with the file's path.
std::string cause(const std::string& error, const std::string& path) {
  const std::string prefix = path + ": ";
  return upper(error.starts_with(prefix) ? std::string_view(error).substr(prefix.size()) : std::string_view(error)) +
         ".";
}

std::string which(long count, long first) {
  return count == 1 ? " (LINE " + std::to_string(first) + ")." : " (THE FIRST IS LINE " + std::to_string(first) + ").";
}

std::string buffer_path(const Editor& editor) {
  return std::string(text::trimmed_right(editor.buffer_files.joined_path));
}

void ask_for_another_name(Editor& editor) {
  tell(editor, {std::string(kCannotOpen), std::string(kGiveAnother)});
}

void report_unreadable(Editor& editor, const LineTally& unreadable) {
  if (unreadable.count == 0) return;
  const long n = unreadable.count;
  tell(editor, {(n == 1 ? std::string("1 LINE") : std::to_string(n) + " LINES") + " OF THE FILE COULD NOT BE READ" +
                    which(n, unreadable.first),
                n == 1 ? "IT IS A BLANK RECORD IN THE BUFFER." : "THEY ARE BLANK RECORDS IN THE BUFFER."});
}

void report_colour_modes(Editor& editor, const LineTally& modes) {
  if (modes.count == 0) return;
  const long n = modes.count;
  tell(editor, {(n == 1 ? std::string("1 LINE") : std::to_string(n) + " LINES") + " OF THE FILE CHOSE A COLOR MODE" +
                    which(n, modes.first),
                std::string(n == 1 ? "IT WAS" : "THEY WERE") + " LEFT OUT: A PASTE KEEPS THE DRAWING'S OWN MODE."});
}

// Reading replaces the buffer, but only once the whole file is read.
void read_into_buffer(Editor& editor) {
  for (;;) {
    if (!choose_buffer_file(editor, FileMode::kRead)) return;
    const std::string path = buffer_path(editor);
    LineReader in(path);
    if (!in.ok()) {
      ask_for_another_name(editor);
      continue;
    }
    show_doing(editor, with_name_at(editor, "READING FILE", 15) + " INTO THE BUFFER.");
    BufferFileRead read = read_buffer_file(in, kinds());
    if (!read.ok()) {
      tell(editor,
           {"ERROR: THE FILE COULD NOT BE READ TO ITS END.", cause(read.error, path), "THE BUFFER IS AS IT WAS."});
      return;
    }
    editor.buffer = std::move(read.records);
    report_unreadable(editor, read.unreadable);
    report_colour_modes(editor, read.colour_modes);
    return;
  }
}

void report_left_out(Editor& editor, const std::vector<SkippedLine>& skipped) {
  if (skipped.empty()) return;
  const long n = static_cast<long>(skipped.size());
  tell(editor, {"ERROR READING THE BUFFER DIRECT-ACCESS FILE",
                (n == 1 ? "RECORD " + std::to_string(skipped.front().number) + " WAS LEFT OUT."
                        : std::to_string(n) + " RECORDS WERE LEFT OUT (THE FIRST IS RECORD " +
                              std::to_string(skipped.front().number) + ").")});
}

void report_too_large(Editor& editor, const std::vector<SkippedLine>& too_large) {
  const SkippedLine& first = too_large.front();
  const std::string number = std::to_string(first.number);
  const long n = static_cast<long>(too_large.size());
  tell(editor,
       {n == 1 ? "ERROR: BUFFER RECORD " + number + " HOLDS A VALUE TOO LARGE FOR THE FILE."
               : "ERROR: " + std::to_string(n) + " BUFFER RECORDS HOLD VALUES TOO LARGE FOR THE FILE.",
        "RECORD " + number + ": " + upper(first.problem) + ".", "THE BUFFER WAS NOT WRITTEN AND IS KEPT AS IT WAS."});
}

// Writing empties the buffer, but only once the file is safely on disc.
void write_buffer(Editor& editor) {
  for (;;) {
    if (!choose_buffer_file(editor, FileMode::kWrite)) return;
    const std::string path = buffer_path(editor);
    SafeFileWriter out(path);
    if (!out.ok()) {
      ask_for_another_name(editor);
      continue;
    }
    show_doing(editor, with_name_at(editor, "WRITING THE BUFFER TO FILE", 29));
    const BufferFileWrite written = write_buffer_file(out, editor.buffer_files.joined_path, editor.buffer, kinds());
    report_left_out(editor, written.problems.skipped);
    switch (written.outcome) {
      case WriteOutcome::kWritten: editor.buffer.clear(); return;
      case WriteOutcome::kValuesTooLarge: report_too_large(editor, written.problems.too_large); return;
      case WriteOutcome::kCannotOpen: ask_for_another_name(editor); break;
      case WriteOutcome::kCannotWrite:
        tell(editor, {std::string(kCannotWrite), cause(written.error, path), std::string(kGiveAnother)});
        break;
    }
  }
}

// Cut or copy the graphics in a dragged box. A cut marks graphics deleted,
// which only means something in a drawing that will be written.
void take_box(Editor& editor, editing::BoxAction action) {
  if (action == editing::BoxAction::kDeleteAndCopy && !editor.file_open) return drawing_guard(editor);
  if (const auto box = editing::drag_selection_box(editor)) editing::select_by_box(editor, *box, action);
}

// What the menu does next: waits for another key, or hands over.
enum class Next { kStay, kMainMenu, kPaste };

// Cut and copy need a picture to drag the box on (`drawn`).
using Row = MenuRow<Next, Editor&, bool>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 7, "F1 = READ A FILE INTO THE BUFFER",
     [](Editor& e, bool) { return read_into_buffer(e), Next::kMainMenu; }},
    {ui::FKey::kF2, 8, "F2 = CUT FROM THE DRAWING INTO THE BUFFER",
     [](Editor& e, bool drawn) {
       if (!drawn) return Next::kStay;
       return take_box(e, editing::BoxAction::kDeleteAndCopy), Next::kMainMenu;
     }},
    {ui::FKey::kF3, 9, "F3 = COPY FROM THE DRAWING INTO THE BUFFER",
     [](Editor& e, bool drawn) {
       if (!drawn) return Next::kStay;
       return take_box(e, editing::BoxAction::kCopy), Next::kMainMenu;
     }},
    {ui::FKey::kF4, 10, "F4 = WRITE THE BUFFER TO A DISC FILE",
     [](Editor& e, bool) { return write_buffer(e), Next::kMainMenu; }},
    {ui::FKey::kF5, 11, "F5 = CLEAR THE BUFFER", [](Editor& e, bool) { return e.buffer.clear(), Next::kStay; }},
    {ui::FKey::kF6, 12, "F6 = PASTE FROM THE BUFFER INTO THE DRAWING",
     [](Editor& e, bool) {
       if (e.file_open) return Next::kPaste;
       return drawing_guard(e), Next::kMainMenu;
     }},
    {ui::FKey::kF10, 16, "F10= GET THE MAIN MENU", [](Editor&, bool) { return Next::kMainMenu; }},
};

void show_screen(Editor& editor) {
  create::show_menu(editor, 3, kBanner, {});
  ui::TextScreen& screen = editor.ui.screen();
  if (editor.file_open) {
    screen.write_line(kNameRow, kNameLabel);
    screen.write_at(kNameRow, kNameColumn, editor.drawing_name, kDrawingNameLength);
  } else {
    screen.write_line(kNameRow, kNoDrawing);
  }
  for (const Row& legend : kRows)
    screen.write_at(legend.row, kLegendColumn, ui::padded(legend.legend, kLegendWidth), kLegendWidth);
}

}  // namespace

BufferMenuEnd buffer_menu(Editor& editor, ColourProblems& messages) {
  for (;;) {
    show_screen(editor);
    // Cut and copy need a picture to drag the box on.
    const bool drawn = !editor.picture_not_drawn;
    between_actions(editor.document(), editor.screen());
    const host::Key key = editor.ui.wait_key();
    if (undo_or_redo(editor.document(), editor.screen(), key, messages)) continue;
    switch (act_on(kRows, ui::fkey_of(key), editor, drawn)) {
      case Next::kStay: break;
      case Next::kMainMenu: return BufferMenuEnd::kMainMenu;
      case Next::kPaste: return BufferMenuEnd::kPaste;
    }
  }
}

}  // namespace plv::buffer
