// Arrows, strings and comments made through the create menus: their
// screens, the records they leave in the written drawing, the settings
// they remember, the pointer and snapping, and a string reopened in its menu.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "e2e/session.h"

namespace plv::e2e {
namespace {

// The create menu after a new drawing; its first opening shows the erased
// picture, which waits for a key.
std::string create() { return new_drawing("a") + "key F9\nkey ENTER\n"; }
const std::string kLeaveAndWrite = "key F10\nkey F10\nkey F1\n";

const std::string kArrowBanner = " ****** ARROW MENU ****** ARROW MENU ****** ARROW MENU ****** ARROW MENU *******";
const std::string kStringBanner = "  **** STRING MENU ***** STRING MENU ***** STRING MENU ***** STRING MENU *******";
const std::string kCommentBanner = "**** COMMENT MENU ***** COMMENT MENU ***** COMMENT MENU ***** COMMENT MENU *****";

// The written drawing's records after its three header lines, one a line.
std::vector<std::string> records(const Session& s) {
  std::vector<std::string> lines;
  const std::string file = s.file("a.plv");
  size_t at = 0;
  for (int line = 0; at < file.size(); ++line) {
    const size_t end = file.find('\n', at);
    if (line >= 3) lines.push_back(file.substr(at, end - at));
    at = end + 1;
  }
  return lines;
}

std::vector<std::string> with_code(const std::vector<std::string>& lines, const std::string& code) {
  std::vector<std::string> out;
  for (const auto& line : lines)
    if (line.compare(0, 2, code) == 0) out.push_back(line);
  return out;
}

// The screens showing the banner at row 3, in order.
std::vector<std::string> screens_of(const Session& s, const std::string& banner) {
  std::vector<std::string> out;
  for (const auto& screen : s.screens())
    if (Session::row(screen, 3) == banner) out.push_back(screen);
  return out;
}

TEST(CreateArrowStringComment, MenuScreensRowForRow) {
  Session s;
  const std::string script = create() + "key F2\nkey F10\n" + "key F3\nkey F10\n" + "key F7\nkey F3\nkey F10\nkey F10\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");

  const auto arrow = screens_of(s, kArrowBanner);
  ASSERT_FALSE(arrow.empty());
  const std::vector<std::string> arrow_rows = {
      "*** PLIVET   ** VERSION 4O(c)  ****     May 8, 2000 ****",
      "",
      kArrowBanner,
      "",
      "",
      "",
      "                    ARROW  HEADS:  HEAD? Y  TAIL? N (Y OR N)",
      "",
      "                    MARKER LINES:  HEAD? N  TAIL? N (Y OR N)",
      "",
      "                            BEND:        N  (Y OR N)",
      "",
      "                      ARROW FROM: X     -100  Y     -100",
      "",
      "                              TO: X      100  Y      100",
      "",
      "                        F1 = POINT TO ARROW POSITION",
      "",
      "                        F4 = SNAP START POINT",
      "",
      "                        F6 = SNAP END POINT",
      "",
      "                        F9 = DRAW THE ARROW WITH THE CURRENT POSITION",
      "",
      "                        F10= QUIT",
  };
  for (int row = 2; row <= 25; ++row)
    EXPECT_EQ(Session::row(arrow[0], row), arrow_rows[static_cast<size_t>(row - 1)]) << "arrow row " << row;
  EXPECT_EQ(Session::row(arrow[0], 1).substr(0, 56), arrow_rows[0]);

  const auto string = screens_of(s, kStringBanner);
  ASSERT_FALSE(string.empty());
  const std::vector<std::string> string_rows = {
      "",
      kStringBanner,
      "",
      "",
      "",
      "         STRING:",
      "",
      "",
      "         SIZE:       10 (4 TO 30)",
      "",
      "         DIRECTION:   0 (0=+X,1=+Y,2=-X,3=-Y)",
      "",
      "         KEY POINT:   S  (S=START,M=MIDDLE,E=END)",
      "",
      "         LOCATION: X       0   Y        0  (POINT WITH F1)",
      "",
      "         F1 = POINT TO STRING POSITION",
      "",
      "         F9 = DRAW THE STRING WITH THE CURRENT POSITION",
      "",
      "         F10= QUIT",
      "",
      "",
      "",
  };
  for (int row = 2; row <= 25; ++row)
    EXPECT_EQ(Session::row(string[0], row), string_rows[static_cast<size_t>(row - 2)]) << "string row " << row;

  const auto comment = screens_of(s, kCommentBanner);
  ASSERT_FALSE(comment.empty());
  EXPECT_EQ(Session::row(comment[0], 5), "");
  EXPECT_EQ(Session::row(comment[0], 7), "     COMMENT:");
  EXPECT_EQ(Session::row(comment[0], 9), "     F1 = ENTER THE COMMENT INTO THE DRAWING FILE");
  EXPECT_EQ(Session::row(comment[0], 11), "     F10= QUIT");
  EXPECT_EQ(Session::row(comment[0], 13), "");

  // Quitting any of the three menus adds nothing; the new drawing has two comments of its own.
  const auto written = records(s);
  EXPECT_TRUE(with_code(written, "AR").empty());
  EXPECT_TRUE(with_code(written, "CH").empty());
  EXPECT_EQ(with_code(written, "CM").size(), 2u) << s.file("a.plv");
}

TEST(CreateArrowStringComment, ArrowSwitchesAreWrittenAndRemembered) {
  Session s;
  const std::string script = create() +
                             "key F2\nkey F9\nkey ENTER\n"  // the start values
                             // a bend typed in lower case, and the start x moved
                             "key F2\nkey TAB\nkey TAB\nkey TAB\nkey TAB\ntype y\nkey ENTER\nkey DELETE\ntype 250\n"
                             "key F9\nkey ENTER\n"
                             // no head at the start, an odd marker switch, then quit
                             "key F2\ntype n\nkey TAB\nkey TAB\nkey TAB\ntype x\nkey F10\n"
                             "key F2\nkey F9\nkey ENTER\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto arrows = with_code(records(s), "AR");
  ASSERT_EQ(arrows.size(), 3u) << s.file("a.plv");
  EXPECT_EQ(arrows[0], "AR  -100  -100   100   100 N N Y N N 0.500");
  EXPECT_EQ(arrows[1], "AR   250  -100   100   100 N N Y N Y 0.500");
  // The quit kept the switches as typed; the points made last are kept too.
  EXPECT_EQ(arrows[2], "AR   250  -100   100   100 N x N N Y 0.500");
  const auto menus = screens_of(s, kArrowBanner);
  ASSERT_FALSE(menus.empty());
  EXPECT_EQ(Session::row(menus.back(), 7), "                    ARROW  HEADS:  HEAD? N  TAIL? N (Y OR N)");
  EXPECT_EQ(Session::row(menus.back(), 9), "                    MARKER LINES:  HEAD? N  TAIL? x (Y OR N)");
  EXPECT_EQ(Session::row(menus.back(), 11), "                            BEND:        Y  (Y OR N)");
}

TEST(CreateArrowStringComment, ArrowPulledWithThePointerThenSnappedToItsEnds) {
  Session s;
  const std::string script = create() +
                             // each drag takes the end it starts on: first the start, then the end
                             "key F2\nkey F1\ndrag -100 -100 -250 50\ndrag -250 50 400 300\nkey ENTER\nkey ENTER\n"
                             // both ends snapped to the other ends of the first arrow
                             "key F2\nkey F4\npick 390 280\nkey ENTER\nkey F6\npick -240 60\nkey ENTER\n"
                             "key F9\nkey ENTER\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto arrows = with_code(records(s), "AR");
  ASSERT_EQ(arrows.size(), 2u) << s.file("a.plv");
  EXPECT_EQ(arrows[0], "AR  -250    50   400   300 N N Y N N 0.500");
  EXPECT_EQ(arrows[1], "AR   400   300  -250    50 N N Y N N 0.500");
}

TEST(CreateArrowStringComment, StringSettingsWrittenRefusedAndRemembered) {
  Session s;
  const std::string script =
      create() +
      // three leading blanks, size 4, direction 3, key point in lower case
      "key F3\ntype    HELLO WORLD\nkey ENTER\nkey DELETE\ntype 4\nkey ENTER\nkey DELETE\ntype 3\nkey ENTER\n"
      "type m\nkey F9\nkey ENTER\n"
      // a direction of 12 is refused where it is typed; the F9 that ended it is dropped
      "key F3\nkey TAB\nkey TAB\nkey DELETE\ntype 12\nkey F9\nkey F9\nkey ENTER\n"
      // placed with the pointer
      "key F3\nkey F1\npick 300 200\nkey ENTER\n" +
      kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto strings = with_code(records(s), "CH");
  ASSERT_EQ(strings.size(), 3u) << s.file("a.plv");
  EXPECT_EQ(strings[0], "CH     0     0  4 M 3 HELLO WORLD");
  EXPECT_EQ(strings[1], strings[0]);
  EXPECT_EQ(strings[2], "CH   300   200  4 M 3 HELLO WORLD");

  const auto menus = screens_of(s, kStringBanner);
  bool refused = false;
  for (const auto& screen : menus) {
    if (Session::row(screen, 24) != "          ONLY VALUES FROM 0 TO 9 ARE TAKEN HERE.") continue;
    refused = true;
    EXPECT_EQ(Session::row(screen, 12), "         DIRECTION:   3 (0=+X,1=+Y,2=-X,3=-Y)");
  }
  EXPECT_TRUE(refused);
  // The last string started from the settings before it, the text left-justified.
  ASSERT_FALSE(menus.empty());
  EXPECT_EQ(Session::row(menus.back(), 8), "HELLO WORLD");
  EXPECT_EQ(Session::row(menus.back(), 10), "         SIZE:        4 (4 TO 30)");
  EXPECT_EQ(Session::row(menus.back(), 12), "         DIRECTION:   3 (0=+X,1=+Y,2=-X,3=-Y)");
  EXPECT_EQ(Session::row(menus.back(), 14), "         KEY POINT:   M  (S=START,M=MIDDLE,E=END)");
}

TEST(CreateArrowStringComment, CommentsStartInColumnFourAndF9ClearsTheField) {
  Session s;
  const std::string script = create() +
                             "key F7\nkey F3\ntype    NOTE ONE\nkey F1\n"
                             "key F7\nkey F3\nkey F1\n"                             // empty
                             "key F7\nkey F3\ntype LOST\nkey F9\ntype OK\nkey F1\n"  // F9 clears
                             "key F7\nkey F3\ntype QUIT\nkey F10\nkey F10\n" +       // quit: nothing
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto written = records(s);
  const std::vector<std::string> tail(written.end() - 3, written.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"CM NOTE ONE", "CM", "CM OK"})) << s.file("a.plv");
  const auto menus = screens_of(s, kCommentBanner);
  bool cleared = false;
  for (size_t i = 0; i + 1 < menus.size(); ++i)
    cleared |= Session::row(menus[i], 7).find("LOST") != std::string::npos &&
               Session::row(menus[i + 1], 7) == "     COMMENT:";
  EXPECT_TRUE(cleared);
}

TEST(CreateArrowStringComment, UndrawAndEditReopensTheStringInItsMenu) {
  Session s;
  const std::string script = create() + "key F3\ntype SAME\nkey F9\nkey ENTER\n"  // a string
                             "key F9\nkey ENTER\n"                                    // undrawn
                             "key F9\nkey ENTER\n" +                                  // put back unchanged
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  // The string leaves the end of the drawing and comes back after its
  // colour and layer records; the file leaves out a layer record equal to
  // the one written before it.
  const auto written = records(s);
  ASSERT_GE(written.size(), 4u);
  const std::vector<std::string> tail(written.end() - 4, written.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"SC BAR   7", "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00",
                                            "SC BAR   6", "CH     0     0 10 S 0 SAME"}))
      << s.file("a.plv");
  EXPECT_EQ(with_code(written, "CH").size(), 1u);
}

}  // namespace
}  // namespace plv::e2e
