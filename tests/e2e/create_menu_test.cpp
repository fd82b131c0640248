// Creating elements through the create menu: its screens, the colour and
// layer records it adds, lines typed, pulled with the pointer and snapped,
// undraw and edit, the guard without a drawing, and closes at its waits.

#include <gtest/gtest.h>

#include "e2e/session.h"

namespace plv::e2e {
namespace {

const std::string kHeader = "x\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
// The create menu after a new drawing; its first opening shows the erased
// picture, which waits for a key.
std::string create(const std::string& name = "a") { return new_drawing(name) + "key F9\nkey ENTER\n"; }
const std::string kLeaveAndWrite = "key F10\nkey F10\nkey F1\n";

// The records of a written drawing after its header.
std::string body(const std::string& file) {
  size_t at = 0;
  for (int line = 0; line < 3; ++line) at = file.find('\n', at) + 1;
  return file.substr(at);
}

std::optional<std::string> screen_headed(const Session& s, int row, const std::string& text) {
  for (const auto& screen : s.screens())
    if (Session::row(screen, row) == text) return screen;
  return std::nullopt;
}

TEST(CreateMenu, ScreensRowForRow) {
  Session s;
  ASSERT_EQ(s.run(create() + "key F7\nkey F10\nkey F1\nkey F10\n" + kLeaveAndWrite), 0) << s.file("stderr.txt");
  const auto menu = screen_headed(s, 3, "  **** CREATE MENU ***** CREATE MENU ***** CREATE MENU ***** CREATE MENU *****");
  ASSERT_TRUE(menu);
  EXPECT_EQ(Session::row(*menu, 5), "                  DRAWING FILE NAME:  a.plv");
  EXPECT_EQ(Session::row(*menu, 7), "             COLOR OF NEXT GRAPHIC:    6  (1 TO 15)");
  EXPECT_EQ(Session::row(*menu, 13), "         F1 = DRAW A STRAIGHT LINE (SOLID, DASHED OR SOLID AND WIDE)");
  EXPECT_EQ(Session::row(*menu, 19), "         F7 = OTHER GRAPHICS (ELLIPSE, BRACKET, COMMENT)");
  EXPECT_EQ(Session::row(*menu, 22), "         F10= RETURN TO THE MAIN MENU");
  const auto more = screen_headed(s, 3, "**** MORE CREATE MENU ****** MORE CREATE MENU ****** MORE CREATE MENU ******");
  ASSERT_TRUE(more);
  EXPECT_EQ(Session::row(*more, 5), "                         DRAWING FILE NAME:   a.plv");
  EXPECT_EQ(Session::row(*more, 7), "         F1 = DRAW AN ELLIPSE");
  EXPECT_EQ(Session::row(*more, 19), "         F10= GET BACK TO THE CREATE MENU");
  const auto line = screen_headed(s, 3, "****** LINE MENU ******* LINE MENU ******* LINE MENU ******* LINE MENU *********");
  ASSERT_TRUE(line);
  EXPECT_EQ(Session::row(*line, 7), "                  LINE TYPE:    S    (S=SOLID,D=DASHED)");
  EXPECT_EQ(Session::row(*line, 9), "                 LINE WIDTH:     1   (1 TO 10)");
  EXPECT_EQ(Session::row(*line, 11), "                  LINE FROM: X     -100  Y     -100");
  EXPECT_EQ(Session::row(*line, 13), "                         TO: X      100  Y      100");
  EXPECT_EQ(Session::row(*line, 23), "                 F10= QUIT");
  // F10 of the more-create menu leads back to the create menu.
  const auto screens = s.screens();
  for (size_t i = 0; i + 1 < screens.size(); ++i) {
    if (Session::row(screens[i], 3).find("MORE CREATE") == std::string::npos) continue;
    EXPECT_NE(Session::row(screens[i + 1], 3).find("  **** CREATE MENU"), std::string::npos);
  }
}

TEST(CreateMenu, LinesWithTheirColourAndLayerRecords) {
  Session s;
  const std::string script = create() +
                             "key F1\ntype D\nkey F9\nkey ENTER\n"   // a dashed line from the start values
                             "key F1\nkey F10\n"                             // quit: nothing appended
                             "key DELETE\ntype 12\nkey F1\nkey TAB\nkey DELETE\ntype 3\nkey F9\nkey ENTER\n"  // colour 12, width 3
                             "key DELETE\ntype 16\nkey F8\nkey ENTER\n"                  // 16 is no colour; F8 views
                             + kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const std::string records = body(s.file("a.plv"));
  EXPECT_NE(records.find("SC MODE BAR\n"
                         "SC BAR   7\n"
                         "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00\n"
                         "SC BAR   6\n"  // the colour the line was shown in
                         "LI  -100  -100   100   100 D\n"
                         "SC BAR  12\n"
                         "LW  -100  -100   100   100     3\n"),
            std::string::npos)
      << records;
  EXPECT_EQ(records.find("LA", records.find("LW")), std::string::npos);  // the layer record once
  EXPECT_EQ(records.find("SC BAR  16"), std::string::npos);
}

TEST(CreateMenu, PointerSnapAndRangeOfTypedCoordinates) {
  Session s;
  s.put("c.plv", kHeader + "SC MODE BAR\nCI     0     0   300     0     0   300\nLA  2  0.1000000E+01  0.5000000E+03  0.0000000E+00\nLI     0     0    10    10 S\n");
  const std::string script = "key F10\nkey F9\nkey ENTER\n"
                             "key F1\nkey F4\npick 10 290\nkey ENTER\n"  // snap the start to the arc's end
                             "key F1\nmove 50 60\nkey ENTER\nkey ENTER\n"  // pull the end, then see the line
                             "key F1\nkey TAB\nkey TAB\nkey DELETE\ntype 1234567\nkey ENTER\nkey F10\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script, "c.plv"), 0) << s.file("stderr.txt");
  EXPECT_NE(body(s.file("c.plv")).find("LI     0   300    50    60 S\n"), std::string::npos) << s.file("c.plv");
  const auto refused = screen_headed(s, 24, "          ONLY VALUES FROM -99999 TO 999999 ARE TAKEN HERE.");
  EXPECT_TRUE(refused);
}

TEST(CreateMenu, SnapHonoursTheWorkLayerAndTellsWhenNothingIsThere) {
  Session s;
  s.put("c.plv", kHeader + "SC MODE BAR\nLA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI     0     0    10    10 S\n"
                           "LA  2  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI   500   500   600   600 S\n");
  // Work on layer 2: a pick at the layer-1 line snaps to the layer-2 one.
  const std::string script = "key F10\nkey DELETE\ntype 2\nkey F9\nkey ENTER\n"
                             "key F1\nkey F4\npick 5 5\nkey ENTER\nkey F9\nkey ENTER\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script, "c.plv"), 0) << s.file("stderr.txt");
  EXPECT_NE(body(s.file("c.plv")).find("LI   500   500   600   600 S\nSC BAR   6\nLI   500   500   100   100 S\n"),
            std::string::npos)
      << s.file("c.plv");

  // An empty drawing has nothing to snap to: the start stays where it was.
  Session empty;
  ASSERT_EQ(empty.run(create() + "key F1\nkey F4\npick 5 5\nkey ENTER\nkey F9\nkey ENTER\n" + kLeaveAndWrite), 0);
  EXPECT_NE(body(empty.file("a.plv")).find("LI  -100  -100   100   100 S\n"), std::string::npos) << empty.file("a.plv");
  EXPECT_TRUE(screen_headed(empty, 5, "NO ELEMENT TO SNAP TO: THE POINT STAYS AS IT WAS."));
}

TEST(CreateMenu, ABoxAfterALineStartsFromTheLinesEnds) {
  Session s;
  const std::string script = create() + "key F1\nkey TAB\nkey TAB\nkey DELETE\ntype 5\nkey TAB\nkey DELETE\ntype 7\n"
                             "key F9\nkey ENTER\nkey F4\nkey F9\nkey ENTER\n" + kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const std::string records = body(s.file("a.plv"));
  EXPECT_NE(records.find("LI     5     7   100   100 S\nBX     5     7   100   100\n"), std::string::npos) << records;
}

TEST(CreateMenu, UndrawAndEditTheLastElement) {
  Session s;
  const std::string script = create() + "key F1\nkey F9\nkey ENTER\n"  // a line
                             "key F9\nkey ENTER\n"                     // undrawn (the picture waits)
                             "key F9\nkey ENTER\n"                     // made again unchanged
                             + kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const std::string records = body(s.file("a.plv"));
  // The line comes back after its colour record; the same layer record is not written twice.
  EXPECT_NE(records.find("SC BAR   7\nLA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00\nSC BAR   6\n"
                         "LI  -100  -100   100   100 S\n"),
            std::string::npos)
      << records;
  EXPECT_EQ(records.find("LI", records.find("LI") + 1), std::string::npos);

  // Quitting the reopened menu takes the element away for good.
  Session gone;
  ASSERT_EQ(gone.run(create() + "key F1\nkey F9\nkey ENTER\nkey F9\nkey ENTER\nkey F10\nkey F9\n" + kLeaveAndWrite), 0);
  EXPECT_EQ(body(gone.file("a.plv")).find("LI"), std::string::npos);

  // A comment undrawn is gone, and a second F9 has nothing to undraw.
  Session comment;
  ASSERT_EQ(comment.run(create() + "key F7\nkey F3\ntype NOTE\nkey F1\nkey F9\nkey F9\n" + kLeaveAndWrite), 0);
  EXPECT_EQ(body(comment.file("a.plv")).find("CM NOTE"), std::string::npos) << comment.file("a.plv");
}

TEST(CreateMenu, WithoutADrawingTheElementKeysAreGuarded) {
  Session s;
  // F6 on the file menu quits the drawing; the create menu still opens.
  ASSERT_EQ(s.run(new_drawing("a") + "key F1\nkey F6\nkey F10\nkey F9\nkey ENTER\nkey F1\nkey ENTER\nkey F10\n"), 0);
  const auto guard = screen_headed(s, 3, "ERROR: TO DRAW YOU MUST OPEN A DRAWING FILE.");
  ASSERT_TRUE(guard);
  EXPECT_EQ(Session::row(*guard, 5), "USE F1 TO GET THE FILE MENU.");
  EXPECT_FALSE(screen_headed(s, 3, "****** LINE MENU ******* LINE MENU ******* LINE MENU ******* LINE MENU *********"));
}

TEST(CreateMenu, AClosingWindowAtItsWaitsEndsInOrder) {
  for (const std::string& wait : {std::string("close\n"), std::string("key F1\nclose\n"),
                                  std::string("key F1\nkey F1\nclose\n"), std::string("key F1\nkey F4\nclose\n")}) {
    Session s;
    EXPECT_EQ(s.run(create() + wait), 0) << wait;
    EXPECT_TRUE(s.exists("plivet.set")) << wait;
  }
}

}  // namespace
}  // namespace plv::e2e
