// The text screen: writes, the caret, and the messages and waits shown on it.

#include <algorithm>
#include <string>
#include <tuple>

#include "ui/close_requested.h"
#include "ui/left_justify.h"
#include "ui/messages.h"
#include "ui/screen_layout.h"
#include "ui/ui_fixture.h"

namespace plv::ui {
namespace {

using TextScreenTest = UiTest;

TEST_F(TextScreenTest, WritesAreCutAtColumn80AndThePositionStaysOnTheScreen) {
  TextScreen& s = open().screen();
  EXPECT_EQ(caret(), (TextCell{1, 1}));
  using T = TextScreen;
  // Only the count matters: a longer text is cut, a shorter one padded with
  // blanks. Each write from a cell, in its attribute, and where the caret ends.
  const std::string full(80, 'X');
  const std::tuple<TextCell, void (T::*)(std::string_view, int), std::string, int, int, TextCell> writes[] = {
      {{2, 1}, &T::write_normal, full, 80, attr::kNormal, {2, 80}},
      {{3, 78}, &T::write_normal, "ABCDE", 5, attr::kNormal, {3, 80}},
      {{5, 1}, &T::write_highlighted, "LEGEND AND MORE", 6, attr::kHighlighted, {5, 7}},
      {{5, 7}, &T::write_bright, "AB", 4, attr::kBright, {5, 11}},
      {{5, 11}, &T::write_alert, "R", 1, attr::kAlert, {5, 12}},
      {{5, 12}, &T::write_green, "G", 1, attr::kGreen, {5, 13}}};
  for (const auto& [from, write, text, count, written, to] : writes) {
    s.set_position(from.row, from.column);
    (s.*write)(text, count);
    EXPECT_EQ(caret(), to) << text;
    EXPECT_EQ(s.column(), to.column) << text;
    const int last = std::min(from.column + count - 1, 80);
    EXPECT_EQ(attribute(from.row, last), written) << text;
    if (last < 80) {
      EXPECT_EQ(attribute(from.row, last + 1), attr::kNormal) << text;
    }
  }
  EXPECT_EQ(rows(2, 5), (Rows{full, std::string(77, ' ') + "ABC", "", "LEGENDAB  RG"}));

  s.set_position(6, 200);
  EXPECT_EQ(s.column(), 80);
  EXPECT_EQ(caret(), (TextCell{6, 80}));

  s.clear();
  EXPECT_EQ(row(2), "");
  EXPECT_EQ(attribute(5, 1), attr::kNormal);
  EXPECT_EQ(caret(), (TextCell{1, 1}));
}

TEST_F(TextScreenTest, CaretStepsStopAtTheEdges) {
  TextScreen& s = open().screen();
  using T = TextScreen;
  // From a cell, a step, and where the caret ends.
  const std::tuple<TextCell, void (T::*)(), TextCell> steps[] = {
      {{1, 1}, &T::caret_left, {1, 1}},      {{1, 1}, &T::caret_up, {1, 1}},       {{24, 80}, &T::caret_down, {24, 80}},
      {{24, 80}, &T::caret_right, {24, 80}}, {{24, 80}, &T::caret_left, {24, 79}}, {{24, 80}, &T::caret_up, {23, 80}},
      {{23, 79}, &T::caret_down, {24, 79}},  {{23, 79}, &T::caret_right, {23, 80}}, {{7, 9}, &T::home, {1, 1}}};
  for (const auto& [from, step, to] : steps) {
    s.set_position(from.row, from.column);
    (s.*step)();
    EXPECT_EQ(caret(), to) << ::testing::PrintToString(from);
  }
}

TEST(LeftJustify, MovesTheTextLeftAndReportsItsLastCharacter) {
  const std::tuple<std::string, int, std::string> cases[] = {
      {"   AB  ", 2, "AB     "}, {"       ", 0, "       "}, {" A B ", 3, "A B  "}};
  for (auto [text, last, justified] : cases) {
    EXPECT_EQ(left_justify(text), last) << justified;
    EXPECT_EQ(text, justified);
  }
  // Only the slice given is touched.
  std::string line = "XX  CD|";
  EXPECT_EQ(left_justify(std::span(line).subspan(2, 4)), 2);
  EXPECT_EQ(line, "XXCD  |");
}

using MessagesTest = UiTest;

const std::string kTitle = "PLIVET 4O(C)      ANNOTATION EDITOR FOR PLOTTED PICTURES          " "8-DEC-26  !";

TEST_F(MessagesTest, MessagesOneUnderAnotherAndTheWaitsRows) {
  Toolkit& t = open("type a\nkey ENTER\n");
  t.lines().set_title(kTitle);
  t.lines().set_message("READING THE DRAWING");
  t.screen().write_at(20, 1, "OLD", 3);
  begin_messages(t);
  EXPECT_EQ(rows(1, 3), (Rows{kTitle, "", "READING THE DRAWING"}));
  EXPECT_EQ(row(20), "");
  t.lines().set_message("SECOND");
  next_message(t);
  EXPECT_EQ(row(5), "SECOND");
  EXPECT_EQ(t.lines().message_row, 5);

  begin_messages(t);
  t.lines().set_message("FIRST WAIT");
  message_and_wait(t);
  EXPECT_EQ(t.lines().message, padded("TYPE ANY KEY TO CONTINUE..."));
  t.lines().set_message("SECOND WAIT");
  message_and_wait(t);
  // Not filled again: the prompt text is shown.
  next_message(t);
  EXPECT_EQ(rows(5, 13), (Rows{"FIRST WAIT", "", "TYPE ANY KEY TO CONTINUE...", "", "SECOND WAIT", "",
                               "TYPE ANY KEY TO CONTINUE...", "", "TYPE ANY KEY TO CONTINUE..."}));
  EXPECT_EQ(ws_->steps_left(), 0u);
}

TEST_F(MessagesTest, WorkingErrorAndNoteScreens) {
  Toolkit& t = open("type xy\n");
  t.lines().set_title(kTitle);
  t.lines().set_message("STILL HERE");
  working(t);
  EXPECT_EQ(rows(1, 5), (Rows{kTitle, "", "", "", "         ...WORKING..."}));
  EXPECT_EQ(t.lines().message, padded("STILL HERE"));

  t.lines().set_message("ERROR: CANNOT OPEN THE FILE.");
  error_and_wait(t);
  EXPECT_EQ(rows(1, 9), (Rows{kTitle.substr(0, 55), "", ">>>ERROR:", "", "ERROR: CANNOT OPEN THE FILE.", "",
                              "TYPE ANY KEY TO CONTINUE...", "", ""}));

  t.lines().set_message("THE DRAWING IS EMPTY.");
  note_and_wait(t);
  EXPECT_EQ(rows(1, 9), (Rows{kTitle.substr(0, 55), "", "", "", "THE DRAWING IS EMPTY.", "", "", "",
                              "TYPE ANY KEY TO CONTINUE..."}));
  EXPECT_EQ(t.lines().message, padded("TYPE ANY KEY TO CONTINUE..."));
}

TEST_F(MessagesTest, ClosingTheWindowDuringAWaitAsksForTheEnd) {
  Toolkit& t = open("click 3 3\nclose\nkey F2\nclose\n");
  t.lines().set_message("ERROR: CANNOT WRITE THE FILE.");
  EXPECT_THROW(error_and_wait(t), CloseRequested);  // the press is passed over, the close is not
  // Ending is left to whoever catches it: nothing is written or closed yet.
  EXPECT_TRUE(ws_->window_exists());
  EXPECT_FALSE(std::filesystem::exists(dir_.file("orvlab.ini")));
  EXPECT_EQ(t.wait_key(), host::Key::function(2));
  EXPECT_THROW(note_and_wait(t), CloseRequested);
}

}  // namespace
}  // namespace plv::ui
