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
  const std::string pulling = std::string("Line: you pull its end; its start stays. ") + host::kLineHint + "|X 300  Y 200|";
  EXPECT_EQ(std::count(shown.begin(), shown.end(), pulling), 1) << ::testing::PrintToString(shown);
  // Told once written, and no longer once the drawing changed again.
  ASSERT_NE(std::find(shown.begin(), shown.end(), "Wrote d.plv (6 records)||"), shown.end())
      << ::testing::PrintToString(shown);
  EXPECT_EQ(shown.back(), "||");
}

// Each pointing names what the pointer places, step by step, before the
// words for the buttons and keys; each is given up with Escape.
TEST_F(StatusLine, NamesWhatEachPointingPlaces) {
  using host::kBoxHint, host::kLineHint;
  const auto pick = [](std::string what) { return what + ". " + host::kPickHint; };
  const Script two_points = Script().point(5, 5).point(105, 5).esc();
  const Script in_create = walk::create();
  const struct {
    Script from_main_menu;
    std::vector<std::string> said;
  } pointings[] = {
      {Script(in_create).f(1).f(1).esc().f(10), {std::string("Line: you pull its end; its start stays. ") + kLineHint}},
      {Script(in_create).f(1).f(4).esc().f(10), {pick("Snap: pick near the point of a graphic to take")}},
      {Script(in_create).f(2).f(1).esc().f(10),
       {std::string("Arrow: you pull its head end (TO); its tail (FROM) stays. ") + kLineHint}},
      {Script(in_create).f(3).f(1).esc().f(10), {pick("String: pick where its key point goes")}},
      {Script(in_create).f(4).f(1).esc().f(10), {std::string("Box. ") + kBoxHint}},
      {Script(in_create).f(5).f(1).then(two_points).f(10),
       {pick("Circle: pick its centre (1 of 3)"), pick("Circle: pick where the arc starts (2 of 3)"),
        pick("Circle: pick where the arc ends (3 of 3)")}},
      {Script(in_create).f(7).f(1).f(1).then(two_points).f(10),
       {pick("Ellipse: pick its centre (1 of 3)"), pick("Ellipse: pick the end of its horizontal axis (2 of 3)"),
        pick("Ellipse: pick the end of its vertical axis (3 of 3)")}},
      {Script(in_create).f(7).f(2).f(1).esc().f(10), {std::string("Bracket: you pull point B; point A stays. ") + kLineHint}},
      {Script(in_create).f(7).f(4).f(1).esc().f(10), {std::string("Filled rectangle. ") + kBoxHint}},
      {Script(in_create).f(7).f(5).f(1).then(two_points).f(10),
       {pick("Filled quadrilateral: pick corner 1 of 4"), pick("Filled quadrilateral: pick corner 2 of 4"),
        pick("Filled quadrilateral: pick corner 3 of 4")}},
      {Script().f(5).f(1).esc().f(10), {"Delete: pick near the graphic to delete. "}},
      {Script().f(5).f(2).esc().f(10), {"The box around the graphics to take. "}},
      {Script().f(5).f(7).field("3").f(5).esc().f(10).f(10), {"Pick near the graphic to recolour. "}},
      {Script().f(2).esc(), {"Zoom: the box to fill the window. "}},
      {Script().f(6).f(4).pick(0, 0).esc().f(10), {"Drag: pick where that point goes. "}},
  };
  for (const auto& p : pointings) {
    SCOPED_TRACE(p.said.front());
    Session session;
    ASSERT_TRUE(session.ends_in(kBody, walk::drawn().then(p.from_main_menu)));
    const auto shown = statuses(session);
    for (const std::string& said : p.said) {
      EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&](const std::string& s) { return s.starts_with(said); }))
          << said << "\n" << ::testing::PrintToString(shown);
    }
  }
}

// The wheel and the middle button change the view of a picture of the
// whole drawing, which the settings file keeps; pointing and text screens
// take no notice of them.
TEST_F(StatusLine, TheWheelZoomsAboutThePointerAndTheMiddleButtonPans) {
  const Script draw = Script().f(10).f(3);  // the whole drawing in the unmoved view, waiting for a key
  const struct {
    Script session;
    const char* view;
  } cases[] = {
      // Two notches about (100, 50): 1.25 squared, the point under the pointer kept.
      {Script(draw).wheel(2, 100, 50).enter(), "SC   0.1562500E+01 -0.5625000E+02 -0.2812500E+02"},
      {Script(draw).wheel(-1, 0, 0).pan(0, 0, 100, -40).enter(), "SC   0.8000000E+00  0.1000000E+03 -0.4000000E+02"},
      {Script(draw).wheel(1, 0, 0).pan(0, 0, 10, 10).command("previousview").command("previousview").enter(),
       "SC   0.1000000E+01  0.0000000E+00  0.0000000E+00"},
      // On the main menu's text screen and while pulling a line: nothing.
      {Script().f(10).wheel(3, 0, 0).pan(0, 0, 5, 5).then(walk::create()).f(1).f(1).wheel(2, 0, 0).esc().f(10).f(10),
       "SC   0.1000000E+01  0.0000000E+00  0.0000000E+00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.view);
    Session session;
    ASSERT_TRUE(session.ends_in(kBody, Script(c.session).then(walk::write_and_end())));
    const Lines settings = lines_of(session.file("plivet.set"));
    EXPECT_NE(std::find(settings.begin(), settings.end(), c.view), settings.end()) << session.file("plivet.set");
  }
}

// Help, Keys lists the keys of the menu on the screen, then the mouse's.
TEST_F(StatusLine, HelpKeysListsTheMenusKeysAndTheMouse) {
  ASSERT_TRUE(s.ends_in(kBody, walk::drawn().then(walk::create()).command("keys").f(10).command("keys")));
  const std::string told = s.file("stderr.txt");
  const size_t create = told.find("plivet keys: The keys of the menu on the screen:\n  F1 = DRAW A STRAIGHT LINE");
  ASSERT_NE(create, std::string::npos) << told;
  EXPECT_NE(told.find("  F10= RETURN TO THE MAIN MENU\n", create), std::string::npos) << told;
  EXPECT_NE(told.find("  wheel          zooms about the pointer"), std::string::npos) << told;
  // Back on the main menu, whose keys are not a table: none of the create menu's.
  EXPECT_NE(told.find("plivet keys: The keys of this screen are written on it.", create), std::string::npos) << told;
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
    EXPECT_EQ(s.records().size(), c.line_written ? 6u : 3u) << s.file("d.plv");
    if (c.left_to_the_copy) {
      EXPECT_TRUE(fs::exists(s.path("state")) && !fs::is_empty(s.path("state")));
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
