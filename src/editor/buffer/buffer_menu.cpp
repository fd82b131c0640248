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
void show_doing(Screen& screen, std::string_view line) {
  screen.ui.lines().set_message(line);
  ui::begin_messages(screen.ui);
}

// Two or more message lines one under another on a cleared screen, the
// prompt under the last, then a key.
void tell(Screen& screen, std::initializer_list<std::string> lines) {
  ui::Toolkit& tk = screen.ui;
  auto line = lines.begin();
  show_doing(screen, *line);
  while (++line != lines.end()) {
    tk.lines().set_message(*line);
    if (line + 1 == lines.end()) ui::message_and_wait(tk);
    else ui::next_message(tk);
  }
}

// A message with the buffer file's 14-column name written from `column`.
std::string with_name_at(const files::FileSelection& names, std::string_view text, int column) {
  return ui::padded(text, column - 1) + text::padded(names.file_name, files::kFileNameWidth);
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

std::string buffer_path(const files::FileSelection& names) {
  return std::string(text::trimmed_right(names.joined_path));
}

void ask_for_another_name(Screen& screen) {
  tell(screen, {std::string(kCannotOpen), std::string(kGiveAnother)});
}

void report_unreadable(Screen& screen, const LineTally& unreadable) {
  if (unreadable.count == 0) return;
  const long n = unreadable.count;
  tell(screen, {(n == 1 ? std::string("1 LINE") : std::to_string(n) + " LINES") + " OF THE FILE COULD NOT BE READ" +
                    which(n, unreadable.first),
                n == 1 ? "IT IS A BLANK RECORD IN THE BUFFER." : "THEY ARE BLANK RECORDS IN THE BUFFER."});
}

void report_colour_modes(Screen& screen, const LineTally& modes) {
  if (modes.count == 0) return;
  const long n = modes.count;
  tell(screen, {(n == 1 ? std::string("1 LINE") : std::to_string(n) + " LINES") + " OF THE FILE CHOSE A COLOR MODE" +
                    which(n, modes.first),
                std::string(n == 1 ? "IT WAS" : "THEY WERE") + " LEFT OUT: A PASTE KEEPS THE DRAWING'S OWN MODE."});
}

// Reading replaces the buffer, but only once the whole file is read.
void read_into_buffer(const BufferMenu& m) {
  for (;;) {
    if (!choose_buffer_file(m.document, m.screen, m.names, FileMode::kRead)) return;
    const std::string path = buffer_path(m.names);
    LineReader in(path);
    if (!in.ok()) {
      ask_for_another_name(m.screen);
      continue;
    }
    show_doing(m.screen, with_name_at(m.names, "READING FILE", 15) + " INTO THE BUFFER.");
    BufferFileRead read = read_buffer_file(in, kinds());
    if (!read.ok()) {
      tell(m.screen,
           {"ERROR: THE FILE COULD NOT BE READ TO ITS END.", cause(read.error, path), "THE BUFFER IS AS IT WAS."});
      return;
    }
    m.document.buffer = std::move(read.records);
    report_unreadable(m.screen, read.unreadable);
    report_colour_modes(m.screen, read.colour_modes);
    return;
  }
}

void report_left_out(Screen& screen, const std::vector<SkippedLine>& skipped) {
  if (skipped.empty()) return;
  const long n = static_cast<long>(skipped.size());
  tell(screen, {"ERROR READING THE BUFFER DIRECT-ACCESS FILE",
                (n == 1 ? "RECORD " + std::to_string(skipped.front().number) + " WAS LEFT OUT."
                        : std::to_string(n) + " RECORDS WERE LEFT OUT (THE FIRST IS RECORD " +
                              std::to_string(skipped.front().number) + ").")});
}

void report_too_large(Screen& screen, const std::vector<SkippedLine>& too_large) {
  const SkippedLine& first = too_large.front();
  const std::string number = std::to_string(first.number);
  const long n = static_cast<long>(too_large.size());
  tell(screen,
       {n == 1 ? "ERROR: BUFFER RECORD " + number + " HOLDS A VALUE TOO LARGE FOR THE FILE."
               : "ERROR: " + std::to_string(n) + " BUFFER RECORDS HOLD VALUES TOO LARGE FOR THE FILE.",
        "RECORD " + number + ": " + upper(first.problem) + ".", "THE BUFFER WAS NOT WRITTEN AND IS KEPT AS IT WAS."});
}

// Writing empties the buffer, but only once the file is safely on disc.
void write_buffer(const BufferMenu& m) {
  for (;;) {
    if (!choose_buffer_file(m.document, m.screen, m.names, FileMode::kWrite)) return;
    const std::string path = buffer_path(m.names);
    SafeFileWriter out(path);
    if (!out.ok()) {
      ask_for_another_name(m.screen);
      continue;
    }
    show_doing(m.screen, with_name_at(m.names, "WRITING THE BUFFER TO FILE", 29));
    const BufferFileWrite written = write_buffer_file(out, m.names.joined_path, m.document.buffer, kinds());
    report_left_out(m.screen, written.problems.skipped);
    switch (written.outcome) {
      case WriteOutcome::kWritten: m.document.buffer.clear(); return;
      case WriteOutcome::kValuesTooLarge: report_too_large(m.screen, written.problems.too_large); return;
      case WriteOutcome::kCannotOpen: ask_for_another_name(m.screen); break;
      case WriteOutcome::kCannotWrite:
        tell(m.screen, {std::string(kCannotWrite), cause(written.error, path), std::string(kGiveAnother)});
        break;
    }
  }
}

// Cut or copy the graphics in a dragged box. A cut marks graphics deleted,
// which only means something in a drawing that will be written.
void take_box(Document& document, Screen& screen, editing::BoxAction action) {
  if (action == editing::BoxAction::kDeleteAndCopy && !document.file_open) return drawing_guard(screen);
  if (const auto box = editing::drag_selection_box(screen)) editing::select_by_box(document, screen, *box, action);
}

// What the menu does next: waits for another key, or hands over.
enum class Next { kStay, kMainMenu, kPaste };

// Cut and copy need a picture to drag the box on (`drawn`).
using Row = MenuRow<Next, const BufferMenu&, bool>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 7, "F1 = READ A FILE INTO THE BUFFER",
     [](const BufferMenu& m, bool) { return read_into_buffer(m), Next::kMainMenu; }},
    {ui::FKey::kF2, 8, "F2 = CUT FROM THE DRAWING INTO THE BUFFER",
     [](const BufferMenu& m, bool drawn) {
       if (!drawn) return Next::kStay;
       return take_box(m.document, m.screen, editing::BoxAction::kDeleteAndCopy), Next::kMainMenu;
     }},
    {ui::FKey::kF3, 9, "F3 = COPY FROM THE DRAWING INTO THE BUFFER",
     [](const BufferMenu& m, bool drawn) {
       if (!drawn) return Next::kStay;
       return take_box(m.document, m.screen, editing::BoxAction::kCopy), Next::kMainMenu;
     }},
    {ui::FKey::kF4, 10, "F4 = WRITE THE BUFFER TO A DISC FILE",
     [](const BufferMenu& m, bool) { return write_buffer(m), Next::kMainMenu; }},
    {ui::FKey::kF5, 11, "F5 = CLEAR THE BUFFER",
     [](const BufferMenu& m, bool) { return m.document.buffer.clear(), Next::kStay; }},
    {ui::FKey::kF6, 12, "F6 = PASTE FROM THE BUFFER INTO THE DRAWING",
     [](const BufferMenu& m, bool) {
       if (m.document.file_open) return Next::kPaste;
       return drawing_guard(m.screen), Next::kMainMenu;
     }},
    {ui::FKey::kF10, 16, "F10= GET THE MAIN MENU", [](const BufferMenu&, bool) { return Next::kMainMenu; }},
};

void show_screen(const Document& document, Screen& screen) {
  ui::TextScreen& page = create::show_menu(screen, 3, kBanner, {});
  if (document.file_open) {
    page.write_line(kNameRow, kNameLabel);
    page.write_at(kNameRow, kNameColumn, document.drawing_name, kDrawingNameLength);
  } else {
    page.write_line(kNameRow, kNoDrawing);
  }
  for (const Row& legend : kRows)
    page.write_at(legend.row, kLegendColumn, ui::padded(legend.legend, kLegendWidth), kLegendWidth);
}

}  // namespace

BufferMenuEnd buffer_menu(const BufferMenu& menu, ColourProblems& messages) {
  for (;;) {
    show_screen(menu.document, menu.screen);
    // Cut and copy need a picture to drag the box on.
    const bool drawn = !menu.screen.picture_not_drawn;
    between_actions(menu.document, menu.screen);
    const host::Key key = menu.screen.ui.wait_key();
    if (undo_or_redo(menu.document, menu.screen, key, messages)) continue;
    switch (act_on(kRows, ui::fkey_of(key), menu, drawn)) {
      case Next::kStay: break;
      case Next::kMainMenu: return BufferMenuEnd::kMainMenu;
      case Next::kPaste: return BufferMenuEnd::kPaste;
    }
  }
}

}  // namespace plv::buffer
