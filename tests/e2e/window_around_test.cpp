// The window around the screens: the status line at its foot, and the
// question closing it asks when the drawing's file lacks changes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "e2e/session.h"
#include "host/status_line.h"

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

// The status line at each wait: its words and the pointer's place.
std::vector<std::string> statuses(const Session& s) {
  std::vector<std::string> out;
  for (int n = 1;; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "snaps/%04d.status", n);
    if (!s.exists(name)) return out;
    std::string line = s.file(name);
    std::replace(line.begin(), line.end(), '\n', '|');
    out.push_back(line);
  }
}

using StatusLine = SessionTest;

TEST_F(StatusLine, TellsWhatPointingTakesWhereThePointerIsAndWhatAWriteWrote) {
  // A line pulled with the pointer in the unmoved view (Enter takes it, a
  // key after its picture), written, then another made.
  const Script pulled = Script().f(1).f(1).move(300, 200).enter().enter().f(10);
  ASSERT_TRUE(s.ends_in(kBody, walk::drawn().then(walk::create()).then(pulled).then(kWrite).then(kMake)));
  const auto shown = statuses(s);
  const std::string pulling = std::string(host::kLineHint) + "|X 300  Y 200|";
  EXPECT_EQ(std::count(shown.begin(), shown.end(), pulling), 1) << ::testing::PrintToString(shown);
  // Told once written, and no longer once the drawing changed again.
  const auto wrote = std::find(shown.begin(), shown.end(), "Wrote d.plv (6 records)||");
  ASSERT_NE(wrote, shown.end()) << ::testing::PrintToString(shown);
  EXPECT_EQ(shown.back(), "||");
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

// A drawing its user may not write: told why, the window stays open until
// the user leaves, and the program ends saying the write failed.
TEST_F(CloseQuestion, AWriteThatFailsKeepsTheWindowOpen) {
  s.as_ordinary_user();
  s.put("d.plv", drawing(kBody));
  fs::permissions(s.path("d.plv"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(s.run(walk::drawn().then(kMake).close("write").close("leave"), "d.plv"), 1);
  EXPECT_EQ(s.file("d.plv"), drawing(kBody));
  EXPECT_NE(s.file("stderr.txt").find("The drawing could not be written: d.plv: the file is read-only."), std::string::npos)
      << s.file("stderr.txt");
}

}  // namespace
}  // namespace plv::e2e
