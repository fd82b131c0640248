// The text screen: writes, the caret, and the messages and waits shown on it.

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

  const std::string full(80, 'X');
  s.set_position(2, 1);
  s.write_normal(full, 80);
  EXPECT_EQ(row(2), full);
  EXPECT_EQ(s.column(), 80);
  EXPECT_EQ(caret(), (TextCell{2, 80}));

  s.set_position(3, 78);
  s.write_normal("ABCDE", 5);
  EXPECT_EQ(row(3), std::string(77, ' ') + "ABC");
  EXPECT_EQ(row(4), "");
  EXPECT_EQ(s.column(), 80);

  // Only the count matters: a longer text is cut, a shorter one padded with blanks.
  s.set_position(5, 1);
  s.write_highlighted("LEGEND AND MORE", 6);
  EXPECT_EQ(row(5), "LEGEND");
  EXPECT_EQ(attribute(5, 6), attr::kHighlighted);
  EXPECT_EQ(attribute(5, 7), attr::kNormal);
  EXPECT_EQ(caret(), (TextCell{5, 7}));
  s.write_bright("AB", 4);
  EXPECT_EQ(cells(5, 7, 4), "AB  ");
  EXPECT_EQ(attribute(5, 10), attr::kBright);
  s.write_alert("R", 1);
  s.write_green("G", 1);
  EXPECT_EQ(attribute(5, 11), attr::kAlert);
  EXPECT_EQ(attribute(5, 12), attr::kGreen);

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
  s.caret_left();
  s.caret_up();
  EXPECT_EQ(caret(), (TextCell{1, 1}));
  s.set_position(24, 80);
  s.caret_down();
  s.caret_right();
  EXPECT_EQ(caret(), (TextCell{24, 80}));
  s.caret_left();
  s.caret_up();
  EXPECT_EQ(caret(), (TextCell{23, 79}));
  s.caret_down();
  s.caret_right();
  EXPECT_EQ(caret(), (TextCell{24, 80}));
  s.set_position(7, 9);
  s.home();
  EXPECT_EQ(caret(), (TextCell{1, 1}));
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
