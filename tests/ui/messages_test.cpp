#include "ui/close_requested.h"
#include "ui/messages.h"
#include "ui/ui_fixture.h"

namespace plv::ui {
namespace {

using MessagesTest = UiTest;

const std::string kTitle = "PLIVET 4O(C)      ANNOTATION EDITOR FOR PLOTTED PICTURES          " "8-DEC-26  !";

TEST_F(MessagesTest, MessagesOneUnderAnotherAndTheWaitsRows) {
  Toolkit& t = open("type a\nkey ENTER\n");
  t.lines().set_title(kTitle);
  t.lines().set_message("READING THE DRAWING");
  t.screen().write_at(20, 1, "OLD", 3);
  begin_messages(t);
  EXPECT_EQ(row(1), kTitle);
  EXPECT_EQ(row(3), "READING THE DRAWING");
  EXPECT_EQ(row(20), "");
  t.lines().set_message("SECOND");
  next_message(t);
  EXPECT_EQ(row(5), "SECOND");
  EXPECT_EQ(t.lines().message_row, 5);

  begin_messages(t);
  t.lines().set_message("FIRST WAIT");
  message_and_wait(t);
  EXPECT_EQ(row(5), "FIRST WAIT");
  EXPECT_EQ(row(7), "TYPE ANY KEY TO CONTINUE...");
  EXPECT_EQ(t.lines().message, padded("TYPE ANY KEY TO CONTINUE..."));
  t.lines().set_message("SECOND WAIT");
  message_and_wait(t);
  EXPECT_EQ(row(9), "SECOND WAIT");
  EXPECT_EQ(row(11), "TYPE ANY KEY TO CONTINUE...");
  // Not filled again: the prompt text is shown.
  next_message(t);
  EXPECT_EQ(row(13), "TYPE ANY KEY TO CONTINUE...");
  EXPECT_EQ(ws_->steps_left(), 0u);
}

TEST_F(MessagesTest, WorkingErrorAndNoteScreens) {
  Toolkit& t = open("type xy\n");
  t.lines().set_title(kTitle);
  t.lines().set_message("STILL HERE");
  working(t);
  EXPECT_EQ(row(1), kTitle);
  EXPECT_EQ(row(5), "         ...WORKING...");
  EXPECT_EQ(row(3), "");
  EXPECT_EQ(t.lines().message, padded("STILL HERE"));

  t.lines().set_message("ERROR: CANNOT OPEN THE FILE.");
  error_and_wait(t);
  EXPECT_EQ(row(1), kTitle.substr(0, 55));
  EXPECT_EQ(row(3), ">>>ERROR:");
  EXPECT_EQ(row(5), "ERROR: CANNOT OPEN THE FILE.");
  EXPECT_EQ(row(7), "TYPE ANY KEY TO CONTINUE...");
  EXPECT_EQ(row(9), "");

  t.lines().set_message("THE DRAWING IS EMPTY.");
  note_and_wait(t);
  EXPECT_EQ(row(1), kTitle.substr(0, 55));
  EXPECT_EQ(row(3), "");
  EXPECT_EQ(row(5), "THE DRAWING IS EMPTY.");
  EXPECT_EQ(row(7), "");
  EXPECT_EQ(row(9), "TYPE ANY KEY TO CONTINUE...");
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
