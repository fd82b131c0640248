// The title names the drawing and marks unwritten changes; closing with
// them asks first.

#include <gtest/gtest.h>

#include "host/host_fixture.h"

namespace plv::host {
namespace {

// A drawing whose state the test sets.
struct TestDrawing final : DrawingKeeper {
  std::string shown_name;
  bool changed = false;
  int writes = 0;
  std::string name() const override { return shown_name; }
  bool unwritten_changes() const override { return changed; }
  std::string write() override {
    ++writes;
    return {};
  }
};

using WindowTitle = HostTest;

TEST_F(WindowTitle, FollowsTheDrawingAtEachWait) {
  Host& host = start("key ENTER\nkey ENTER\nkey ENTER\n");
  TestDrawing drawing;
  host.set_drawing_keeper(&drawing);
  EXPECT_EQ(ws_->caption(), "plivet");  // no drawing open
  drawing.shown_name = "fig.plv";
  host.wait_key();
  EXPECT_EQ(ws_->caption(), "fig.plv - plivet");
  drawing.changed = true;
  host.wait_key();
  EXPECT_EQ(ws_->caption(), "*fig.plv - plivet");
  host.set_drawing_keeper(nullptr);
  host.wait_key();
  EXPECT_EQ(ws_->caption(), "plivet");
}

// The window menu's Exit asks too, naming the drawing; unanswered, as a
// headless run leaves it, the close goes ahead. (Each answer is checked
// in whole sessions, and the real window's buttons in the window's tests.)
TEST_F(WindowTitle, ExitAsksAboutUnwrittenChangesAndUnansweredLeaves) {
  Host& host = start("key ENTER\n");
  TestDrawing drawing;
  drawing.shown_name = "fig.plv";
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
