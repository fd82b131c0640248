// Closing the window with changes the drawing's file lacks asks first:
// write them, leave them to the recovery copy, or stay.

#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/session.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kBody = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\n";
// From the main menu and back there.
const Script kMake = Script().f(9).then(walk::line()).f(10);
const Script kWrite = Script().f(1).f(3);  // back in the main menu once written

bool recovery_copy_kept(const Session& s) {
  const fs::path state = s.path("state");
  return fs::exists(state) && !fs::is_empty(state);
}

using CloseQuestion = SessionTest;

TEST_F(CloseQuestion, EachAnswerKeepsTheChangesWhereItSays) {
  struct Case {
    const char* what;
    Script session;
    bool line_written;
    bool left_to_the_copy;
  };
  const Case cases[] = {
      {"write", Script(kMake).close("write"), true, false},
      {"leave", Script(kMake).close("leave"), false, true},
      // Cancelled, the editor goes on and the user writes on the way out.
      {"cancel", Script(kMake).close("cancel").then(walk::write_and_end()), true, false},
      // Written, then taken back: the file holds what the undo took away.
      {"undone after a write", Script(kMake).then(kWrite).undo().enter().close("write"), false, false},
      // Nothing to lose: the close goes ahead without a question, so the
      // line after it is never made.
      {"unchanged", Script().close("cancel").then(kMake).then(walk::write_and_end()), false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Session s;
    ASSERT_TRUE(s.ends_in(kBody, walk::drawn().then(c.session)));
    const Lines records = s.records();
    EXPECT_EQ(records.size(), c.line_written ? 6u : 3u) << s.file("d.plv");
    if (c.left_to_the_copy) {
      EXPECT_TRUE(recovery_copy_kept(s));
    }
  }
}

}  // namespace
}  // namespace plv::e2e
