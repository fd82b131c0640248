#include "ui/messages.h"

#include "ui/toolkit.h"

namespace plv::ui {
namespace {

constexpr int kTitleRow = 1;
constexpr int kFirstMessageRow = 3;
constexpr int kMessageStep = 2;
constexpr int kWorkingRow = 5;
constexpr int kErrorHeadingRow = 3;
constexpr int kNoticeRow = 5;
constexpr int kErrorPromptRow = 7;
constexpr int kNotePromptRow = 9;
// Waiting screens show only the start of the title.
constexpr int kShortTitleWidth = 55;

void write_line(Toolkit& t, int row, std::string_view text, int count = kScreenColumns) {
  t.screen().write_at(row, 1, text, count);
}

void show_message_line(Toolkit& t, int row) { write_line(t, row, t.lines().message); }

void new_screen(Toolkit& t, int title_width) {
  t.screen().clear();
  write_line(t, kTitleRow, t.lines().title, title_width);
}

// The prompt goes through the message line, which keeps it afterwards.
void prompt_and_wait(Toolkit& t, int row) {
  t.lines().set_message(kAnyKeyPrompt);
  show_message_line(t, row);
  t.wait_any_key();
}

}  // namespace

void begin_messages(Toolkit& toolkit) {
  new_screen(toolkit, kScreenColumns);
  toolkit.lines().message_row = kFirstMessageRow;
  show_message_line(toolkit, kFirstMessageRow);
}

void next_message(Toolkit& toolkit) {
  toolkit.lines().message_row += kMessageStep;
  show_message_line(toolkit, toolkit.lines().message_row);
}

void message_and_wait(Toolkit& toolkit) {
  next_message(toolkit);
  toolkit.lines().message_row += kMessageStep;
  prompt_and_wait(toolkit, toolkit.lines().message_row);
}

void working(Toolkit& toolkit) {
  new_screen(toolkit, kScreenColumns);
  write_line(toolkit, kWorkingRow, padded(kWorkingText));
}

void error_and_wait(Toolkit& toolkit) {
  new_screen(toolkit, kShortTitleWidth);
  write_line(toolkit, kErrorHeadingRow, kErrorHeading, static_cast<int>(kErrorHeading.size()));
  show_message_line(toolkit, kNoticeRow);
  prompt_and_wait(toolkit, kErrorPromptRow);
}

void note_and_wait(Toolkit& toolkit) {
  new_screen(toolkit, kShortTitleWidth);
  show_message_line(toolkit, kNoticeRow);
  prompt_and_wait(toolkit, kNotePromptRow);
}

}  // namespace plv::ui
