// The title names the drawing and marks unwritten changes; closing with
// them asks first, and a write that fails keeps the window open.

#include <gtest/gtest.h>

#include "host/host_fixture.h"

namespace plv::host {
namespace {

// A drawing whose state the test sets, and whose writes succeed or fail.
struct TestDrawing final : DrawingKeeper {
  std::string shown_name;
  bool changed = false;
  std::string write_failure;
  int writes = 0;
  std::string name() const override { return shown_name; }
  bool unwritten_changes() const override { return changed; }
  std::string write() override {
    ++writes;
    if (write_failure.empty()) changed = false;
    return write_failure;
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

TEST_F(WindowTitle, ClosingWithUnwrittenChangesAsksAndActsOnTheAnswer) {
  struct Case {
    bool changed;
    std::optional<CloseAnswer> answer;
    std::string write_failure;
    bool closes;
    int writes;
    size_t questions;
  };
  const Case cases[] = {
      {false, CloseAnswer::kCancel, "", true, 0, 0},  // nothing to lose: not asked
      {true, CloseAnswer::kWrite, "", true, 1, 1},
      {true, CloseAnswer::kLeave, "", true, 0, 1},
      {true, CloseAnswer::kCancel, "", false, 0, 1},
      {true, std::nullopt, "", true, 0, 1},  // unanswered headless: leaves, as before
      {true, CloseAnswer::kWrite, "disc full", false, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.changed << c.write_failure << c.closes);
    Host& host = start("");
    TestDrawing drawing;
    drawing.shown_name = "fig.plv";
    drawing.changed = c.changed;
    drawing.write_failure = c.write_failure;
    host.set_drawing_keeper(&drawing);
    if (c.answer) ws_->close_answers.push_back(*c.answer);
    host.menu_command(Command::kExit);
    EXPECT_EQ(drawing.writes, c.writes);
    EXPECT_EQ(ws_->close_questions().size(), c.questions);
    if (c.questions) {
      EXPECT_EQ(ws_->close_questions()[0], (ScriptedWindowSystem::MessageBox{"fig.plv", "plivet"}));
    }
    // The close arrives at the next wait only when it went ahead.
    ws_->post_key(Key::kEnter);
    EXPECT_EQ(host.wait_key(), c.closes ? Key::kClose : Key::kEnter);
    const Messages told = ws_->messages();
    EXPECT_EQ(told.size(), c.write_failure.empty() ? 0u : 1u);
    host.set_drawing_keeper(nullptr);
  }
}

}  // namespace
}  // namespace plv::host
