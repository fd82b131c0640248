// The title names the drawing and marks unwritten changes; closing with
// them asks first.

#include <gtest/gtest.h>

#include "host/host_fixture.h"

namespace plv::host {
namespace {

using WindowTitle = HostTest;

TEST_F(WindowTitle, FollowsTheDrawingAtEachWait) {
  Host& host = start("key ENTER\nkey ENTER\nkey ENTER\n");
  FakeDrawing drawing;
  host.set_drawing_keeper(&drawing);
  EXPECT_EQ(ws_->caption(), "plivet");  // before the first wait
  host.wait_key();
  EXPECT_EQ(ws_->caption(), "fig.plv - plivet");
  drawing.changed = true;
  host.wait_key();
  EXPECT_EQ(ws_->caption(), "*fig.plv - plivet");
  drawing.shown_name = "";  // the drawing closed
  host.wait_key();
  EXPECT_EQ(ws_->caption(), "plivet");
  host.set_drawing_keeper(nullptr);
}

// The window menu's Exit asks too, naming the drawing; unanswered, as a
// headless run leaves it, the close goes ahead. (Each answer is checked
// in whole sessions, and the real window's buttons in the window's tests.)
TEST_F(WindowTitle, ExitAsksAboutUnwrittenChangesAndUnansweredLeaves) {
  Host& host = start("key ENTER\n");
  FakeDrawing drawing;
  drawing.changed = true;
  host.set_drawing_keeper(&drawing);
  host.menu_command(Command::kExit);
  EXPECT_EQ(ws_->close_questions(), (Messages{{"fig.plv", "plivet"}}));
  EXPECT_EQ(host.wait_key(), Key::kClose);
  EXPECT_EQ(drawing.writes, 0);
  host.set_drawing_keeper(nullptr);
}

}  // namespace
}  // namespace plv::host
