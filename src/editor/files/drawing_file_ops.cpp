#include "editor/files/drawing_file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <cctype>
#include <string>
#include <vector>

#include "drawing/command_file.h"
#include "kinds/comment.h"
#include "kinds/registry.h"
#include "drawing/record_layout.h"
#include "editor/files/choose_drawing_file.h"
#include "kernel/kernel.h"
#include "editor/files/recovery_offer.h"
#include "kinds/colour_in_force.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"
#include "text/fixed_text.h"

namespace plv {
namespace {

namespace fs = std::filesystem;

// A message line with a value written from a given column.
std::string with_value_at(std::string_view text, int column, std::string_view value) {
  std::string line = ui::padded(text);
  line.replace(static_cast<size_t>(column - 1), value.size(), value);
  return ui::padded(line);
}

enum class Ending { kNoWait, kWait };

// Lines one under another from the top of a cleared screen; with a wait,
// the last one is followed by the prompt and a key.
void show_lines(Screen& screen, const std::vector<std::string>& lines, Ending ending) {
  ui::Toolkit& tk = screen.ui;
  tk.lines().set_message(lines.front());
  ui::begin_messages(tk);
  for (size_t i = 1; i < lines.size(); ++i) {
    tk.lines().set_message(lines[i]);
    if (i + 1 == lines.size() && ending == Ending::kWait) ui::message_and_wait(tk);
    else ui::next_message(tk);
  }
  if (lines.size() == 1 && ending == Ending::kWait) tk.wait_any_key();
}

void error_and_wait(Screen& screen, std::string_view text) {
  screen.ui.lines().set_message(text);
  ui::error_and_wait(screen.ui);
}

std::string upper(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The cause in an error that begins with the file's path.
std::string cause(const std::string& error, const std::string& path) {
  const std::string prefix = path + ": ";
  return upper(error.starts_with(prefix) ? std::string_view(error).substr(prefix.size()) : std::string_view(error));
}

// The file name menu again, until a name is given.
void ask_for_a_name(const files::DrawingFiles& files) {
  files::choose_drawing_file(files, {.apply_default_extension = true, .check = files::CheckMode::kNotBlank});
}

void ask_for_another_path(const files::DrawingFiles& files, std::string_view first_line, const std::string& why = {}) {
  std::vector<std::string> lines{std::string(first_line), "DIRECTORY AND FILE NAME:",
                                 std::string(text::trimmed_right(files.document.drawing_path))};
  if (!why.empty()) lines.push_back(why + ".");
  lines.push_back("SPECIFY A NEW DIRECTORY PATH.");
  show_lines(files.screen, lines, Ending::kWait);
  ask_for_a_name(files);
}

// A new, empty file where none stands (nothing is cut short if one came
// meanwhile; a dangling link gets its target); the error says why not.
FileResult create_empty_file(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return {path + ": " + std::strerror(errno)};
  ::close(fd);
  return {};
}

// "5 LINES ..." or "1 LINE ...": the count with the noun that fits it.
std::string counted(long count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string which(long count, std::string_view noun, long first) {
  return count == 1 ? " (" + std::string(noun) + " " + std::to_string(first) + ")."
                    : " (THE FIRST IS " + std::string(noun) + " " + std::to_string(first) + ").";
}

// What opening did with lines it could not take as they are.
void report_lines_not_read(Screen& screen, const CommandFileRead& read) {
  std::vector<std::string> lines;
  const long unread = static_cast<long>(read.unread.size());
  if (unread > 0) {
    lines.push_back(counted(unread, "LINE", "LINES") + " OF THE FILE COULD NOT BE READ" +
                    which(unread, "LINE", read.unread.front().number));
    lines.push_back(unread == 1 ? "IT IS KEPT UNREAD: NOT DRAWN, BUT WRITTEN BACK AS IT STANDS."
                                : "THEY ARE KEPT UNREAD: NOT DRAWN, BUT WRITTEN BACK AS THEY STAND.");
  }
  if (read.unknown.count > 0) {
    lines.push_back(counted(read.unknown.count, "LINE HAS A CODE", "LINES HAVE CODES") +
                    " THE EDITOR DOES NOT KNOW" + which(read.unknown.count, "LINE", read.unknown.first));
    lines.push_back(read.unknown.count == 1 ? "IT WILL NOT BE KEPT WHEN THE DRAWING IS WRITTEN."
                                            : "THEY WILL NOT BE KEPT WHEN THE DRAWING IS WRITTEN.");
  }
  if (read.cut.count > 0) {
    lines.push_back(counted(read.cut.count, "LINE RUNS", "LINES RUN") + " PAST COLUMN 122" +
                    which(read.cut.count, "LINE", read.cut.first));
    lines.push_back("WHAT STANDS PAST COLUMN 122 WILL NOT BE KEPT WHEN THE DRAWING IS WRITTEN.");
  }
  if (!lines.empty()) show_lines(screen, lines, Ending::kWait);
}

std::string_view refusal_heading(ReadOutcome outcome) {
  switch (outcome) {
    case ReadOutcome::kReadFailed: return "ERROR: THE FILE COULD NOT BE READ TO ITS END.";
    case ReadOutcome::kNotACommandFile: return "ERROR: THIS IS NOT A GRAPHICS COMMAND FILE.";
    case ReadOutcome::kOutOfMemory: return "ERROR: NOT ENOUGH MEMORY TO READ THE FILE.";
    default: return "ERROR: CANNOT OPEN THE FILE";
  }
}

// True when the file was read whole into the drawing; otherwise the user
// has been told why and asked for another path.
bool read_existing(const files::DrawingFiles& files, const std::string& path) {
  Document& document = files.document;
  show_lines(files.screen, {with_value_at("READING FILE:", 15, document.drawing_name)}, Ending::kNoWait);
  const CommandFileRead read = read_command_file(path, document.drawing, kinds());
  if (!read.ok()) {
    ask_for_another_path(files, refusal_heading(read.outcome), upper(read.error));
    return false;
  }
  if (read.setup_line) document.setup_line = *read.setup_line;
  document.mark_written();  // before a recovery copy puts its changes back
  report_lines_not_read(files.screen, read);
  begin_recovery_copy(document, files.screen, path, true);
  return true;
}

void report_records_left_out(Screen& screen, const std::vector<SkippedLine>& skipped) {
  if (skipped.empty()) return;
  const long count = static_cast<long>(skipped.size());
  show_lines(screen,
             {"ERROR READING THE DIRECT-ACCESS FILE",
              counted(count, "RECORD", "RECORDS") + (count == 1 ? " WAS" : " WERE") + " LEFT OUT" +
                  which(count, "RECORD", skipped.front().number)},
             Ending::kWait);
}

void report_values_too_large(Screen& screen, const std::vector<SkippedLine>& too_large) {
  const long count = static_cast<long>(too_large.size());
  const SkippedLine& first = too_large.front();
  show_lines(screen,
             {count == 1 ? "ERROR: RECORD " + std::to_string(first.number) + " HOLDS A VALUE TOO LARGE FOR THE FILE."
                         : "ERROR: " + std::to_string(count) + " RECORDS HOLD VALUES TOO LARGE FOR THE FILE" +
                               which(count, "RECORD", first.number),
              "RECORD " + std::to_string(first.number) + ": " + upper(first.problem) + ".",
              "THE DRAWING WAS NOT WRITTEN; THE FILE ON DISC IS AS IT WAS."},
             Ending::kWait);
}

// Colour records are judged in the drawing's own mode from the start,
// before its first redraw has met the record that chooses it.
void take_colour_mode(const Document& document, Screen& screen) {
  screen.render.colour_mode = colour_mode_of(document.drawing);
  screen.render.mode_seen = screen.render.colour_mode != ColourMode::kNone;
}

}  // namespace

void start_new_drawing(Document& document) {
  document.drawing.clear();
  for (const Record& r : new_drawing_records(document.drawing_name, document.date)) document.drawing.append(r);
  document.journal.forget();  // a new drawing starts with nothing to take back
  document.mark_written();     // nothing of the user's to lose yet
}

void open_drawing(const files::DrawingFiles& files) {
  Document& document = files.document;
  Screen& screen = files.screen;
  if (document.file_open) return error_and_wait(screen, "ERROR >> INPUT FILE ALREADY OPEN !");
  show_lines(screen, {"OPEN A GRAPHICS COMMAND FILE FOR INPUT."}, Ending::kNoWait);
  while (text::trimmed_right(document.drawing_name).empty()) {
    show_lines(screen, {"ERROR: TO OPEN A FILE YOU MUST GIVE THE NAME", "OF THE FILE."}, Ending::kWait);
    ask_for_a_name(files);
  }
  document.file_open = true;
  document.replaced();
  for (;;) {
    const std::string path(text::trimmed_right(document.drawing_path));
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_directory(status)) {
      if (read_existing(files, path)) return take_colour_mode(document, screen);
    } else if (fs::is_directory(status)) {
      ask_for_another_path(files, "ERROR: CANNOT CREATE A NEW FILE.", "IT IS A DIRECTORY");
    } else if (const FileResult made = create_empty_file(path); made.ok()) {
      start_new_drawing(document);
      begin_recovery_copy(document, screen, path, false);
      return take_colour_mode(document, screen);
    } else {
      ask_for_another_path(files, "ERROR: CANNOT CREATE A NEW FILE.", cause(made.error, path));
    }
  }
}

CommandFileWrite write_to_its_file(Document& document, long* file_records) {
  const std::string path(text::trimmed_right(document.drawing_path));
  const CommandFileHeader header{document.drawing_path, document.setup_line, document.date};
  FilePlaces places;
  CommandFileWrite written = write_command_file(path, header, document.drawing, kinds(), &places);
  document.last_write_failed = !written.ok();
  if (written.outcome != WriteOutcome::kWritten) return written;
  if (file_records) *file_records = places.file_records;
  restart_recovery_copy(document, path, places);
  // Records left out of the file are still changes the file lacks.
  if (written.problems.skipped.empty()) document.mark_written();
  return written;
}

bool write_drawing(const files::DrawingFiles& files) {
  Document& document = files.document;
  for (;;) {
    show_lines(files.screen, {with_value_at("WRITING THE DRAWING FILE:", 27, document.drawing_name)}, Ending::kNoWait);
    const std::string path(text::trimmed_right(document.drawing_path));
    long records = 0;
    const CommandFileWrite written = write_to_its_file(document, &records);
    report_records_left_out(files.screen, written.problems.skipped);
    switch (written.outcome) {
      case WriteOutcome::kWritten:
        files.screen.kernel.host().tell_status("Wrote " + std::string(text::trimmed_right(document.drawing_name)) +
                                               " (" + std::to_string(records) +
                                               (records == 1 ? " record)" : " records)"));
        return true;
      case WriteOutcome::kValuesTooLarge: report_values_too_large(files.screen, written.problems.too_large); return false;
      case WriteOutcome::kCannotWrite: ask_for_another_path(files, "ERROR: CANNOT WRITE THE FILE", cause(written.error, path)); break;
      case WriteOutcome::kCannotOpen: ask_for_another_path(files, "ERROR: CANNOT OPEN THE FILE", cause(written.error, path)); break;
    }
  }
}

bool close_drawing(const files::DrawingFiles& files) {
  show_lines(files.screen, {"CLOSE THE DRAWING FILE..."}, Ending::kNoWait);
  if (!write_drawing(files)) return false;
  end_recovery_copy(files.document);
  files.document.file_open = false;
  files.document.drawing_name.assign(kDrawingNameLength, ' ');
  return true;
}

void set_drawing_aside(Document& document) {
  if (document.unwritten_changes()) document.recovery.leave();
  else end_recovery_copy(document);
  document.drawing.clear();
  document.drawing_name.assign(kDrawingNameLength, ' ');
  document.file_open = false;
  document.last_write_failed = false;
}

void quit_drawing(Document& document) {
  end_recovery_copy(document);
  document.drawing.clear();
  document.drawing_name.assign(kDrawingNameLength, ' ');
  document.file_open = false;
  document.last_write_failed = false;
}

}  // namespace plv
