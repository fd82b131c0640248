// Elements placed with the pointer (F1 in their menus): the records they
// leave in the written drawing, the points they hand on to the next menu,
// pointing given up with Escape, and picks that reach further than the
// drawing file can hold.

#include <gtest/gtest.h>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

const std::string kHeader = "a.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
// Past the file name menu into the create menu; its first opening shows
// the erased picture, which waits for a key.
const std::string kToCreateMenu = "key F10\nkey F9\nkey ENTER\n";
const std::string kWriteAndEnd = "key F10\nkey F10\nkey F1\n";
const std::string kIdentityLayer = "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00";

// A pick on the picture, then the key its cross waits for.
std::string pick(int x, int y) { return "pick " + std::to_string(x) + " " + std::to_string(y) + "\nkey ENTER\n"; }

TEST(CreatePointer, EllipseBracketFilledRectangleAndCircleFromThePointer) {
  Session s;
  s.put("a.plv", kHeader + "SC MODE BAR\n");
  const std::string script =
      kToCreateMenu +
      // Ellipse: three picks with no width keep the menu open with them; three more make it.
      "key F7\nkey F1\nkey F1\n" + pick(10, 20) + pick(10, 50) + pick(10, 80) + "key F1\n" + pick(10, 20) +
      pick(50, 20) + pick(10, 80) + "key ENTER\n" +
      // Bracket: the band's second end moved, then its first end dragged.
      "key F7\nkey F2\nkey F1\nmove 200 -50\ndrag 10 80 -60 90\nkey ENTER\nkey ENTER\n" +
      // Filled rectangle: two corners of the box dragged.
      "key F7\nkey F4\nkey F1\ndrag -60 -50 -30 -20\ndrag 200 90 150 60\nkey ENTER\nkey ENTER\n" +
      // Circle: centre, arc start and arc end picked.
      "key F5\nkey F1\n" + pick(5, 5) + pick(105, 5) + pick(5, -95) + "key ENTER\n" + kWriteAndEnd;
  ASSERT_EQ(s.run(script, "a.plv"), 0) << s.file("stderr.txt");

  EXPECT_EQ(drawing_records(s, "a.plv"),
            (std::vector<std::string>{"SC MODE BAR", kIdentityLayer, "SC BAR   6",
                                      "EL     0.10000E+02    0.20000E+02    0.40000E+02    0.60000E+02",
                                      // Facing right: stored from the band's second end to its first.
                                      "BR   200   -50   -60    90",
                                      // Lower-left corner first, whichever way the box was pulled.
                                      "RF  -30.  -20.  150.   60.  0", "CI     5     5   105     5     5   -95"}))
      << s.file("a.plv");

  const auto ellipses = screens_with(s, 3, "***** ELLIPSE MENU ***** ELLIPSE MENU ***** ELLIPSE MENU ***** ELLIPSE MENU ****");
  ASSERT_EQ(ellipses.size(), 2u);
  EXPECT_EQ(Session::row(ellipses[1], 7), "          CENTER OF THE ELLIPSE: X       10  Y       20");
  EXPECT_EQ(Session::row(ellipses[1], 9), "ENDPOINT OF THE HORIZONTAL AXIS: X       10  Y       50");
  EXPECT_EQ(Session::row(ellipses[1], 11), "  ENDPOINT OF THE VERTICAL AXIS: X       10  Y       80");

  // Both sets of picks left the shared points at the last pick, so the
  // band's first end is as near the old first point as the old second:
  // it becomes the second point.
  const auto filled = screens_with(s, 3, "******** FILLED RECTANGULAR BOX MENU ******** FILLED RECTANGULAR BOX MENU ******");
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_EQ(Session::row(filled[0], 7), "      BOX LOWER LEFT CORNER: X      200  Y      -50");
  EXPECT_EQ(Session::row(filled[0], 9), "         UPPER RIGHT CORNER: X      -60  Y       90");

  // The circle menu starts from the ellipse's picks, which it shares.
  const auto circles = screens_with(s, 5, "********** CIRCLE MENU ********** CIRCLE MENU ********** CIRCLE MENU ***********");
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(Session::row(circles[0], 7), "       CENTER OF THE CIRCLE: X       10  Y       20");
  EXPECT_EQ(Session::row(circles[0], 9), "              ARC STARTS AT: X       50  Y       20");
  EXPECT_EQ(Session::row(circles[0], 11), "                ARC ENDS AT: X       10  Y       80");
}

// Escape during a snap's pick, a rubber-band line, a box and the third
// pick of a circle: nothing is made, the menu comes back as it was before
// F1, and the shared points are untouched for the next element.
TEST(CreatePointer, EscapeWhilePointingMakesNothing) {
  Session s;
  s.put("a.plv", kHeader + "SC MODE BAR\n");
  const std::string script =
      kToCreateMenu + "key F1\nkey F4\nkey ESC\ntype D\nkey F1\nmove 200 -50\nkey ESC\nkey F10\n" +
      "key F4\nkey F1\ndrag -100 -100 -30 -40\nkey ESC\nkey F10\n" +
      "key F5\nkey F1\n" + pick(5, 5) + pick(105, 5) + "key ESC\nkey F10\n" +
      "key F5\nkey F1\npick 5 5\nkey ESC\nkey F10\n" +  // Escape at the cross marking a pick
      "key F1\nkey F9\nkey ENTER\n" + kWriteAndEnd;
  ASSERT_EQ(s.run(script, "a.plv"), 0) << s.file("stderr.txt");

  // Only the last line, from the points as they were, in the remembered type.
  EXPECT_EQ(drawing_records(s, "a.plv"),
            (std::vector<std::string>{"SC MODE BAR", kIdentityLayer, "SC BAR   6", "LI  -100  -100   100   100 S"}))
      << s.file("a.plv");
  EXPECT_TRUE(screens_with(s, 5, "NO ELEMENT TO SNAP TO: THE POINT STAYS AS IT WAS.").empty());

  const auto lines = screens_with(s, 3, "****** LINE MENU ******* LINE MENU ******* LINE MENU ******* LINE MENU *********");
  ASSERT_EQ(lines.size(), 5u);  // one a wait: F1, D, F1, F10 and the last line's F9
  EXPECT_EQ(Session::row(lines[3], 7), "                  LINE TYPE:    D    (S=SOLID,D=DASHED)");
  EXPECT_EQ(Session::row(lines[3], 11), "                  LINE FROM: X     -100  Y     -100");
  EXPECT_EQ(Session::row(lines[3], 13), "                         TO: X      100  Y      100");
  const auto boxes = screens_with(s, 3, "******* BOX MENU ******** BOX MENU ******** BOX MENU ******** BOX MENU *********");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(Session::row(boxes[1], 7), "      BOX LOWER LEFT CORNER: X     -100  Y     -100");
  EXPECT_EQ(Session::row(boxes[1], 9), "         UPPER RIGHT CORNER: X      100  Y      100");
  const auto circles = screens_with(s, 5, "********** CIRCLE MENU ********** CIRCLE MENU ********** CIRCLE MENU ***********");
  ASSERT_EQ(circles.size(), 4u);
  for (size_t i : {1u, 3u}) {
    EXPECT_EQ(Session::row(circles[i], 7), "       CENTER OF THE CIRCLE: X        0  Y        0");
    EXPECT_EQ(Session::row(circles[i], 9), "              ARC STARTS AT: X      100  Y        0");
  }
}

// Settings with the view zoomed out a thousand times: a pick near the
// edge of the picture lands a million units out.
std::string zoomed_out_settings() { return settings_with_view_scale("0.1000000E-02"); }

TEST(CreatePointer, APickBeyondWhatTheFileHoldsMakesNothing) {
  Session s;
  s.put("a.plv", kHeader + "SC MODE BAR\n");
  s.put("plivet.set", zoomed_out_settings());
  // Each refused element is shown, then refused (a key each), and
  // forgotten: the F9 after it must not take the typed line away as if
  // it were the element just made.
  const std::string refused = "key ENTER\nkey ENTER\nkey F9\n";
  const std::string script =
      kToCreateMenu + "key F1\nkey F9\nkey ENTER\n" +                             // a typed line is kept
      "key F7\nkey F4\nkey F1\ndrag 0 0 1000 1000\nkey ENTER\n" + refused +      // filled rectangle
      "key F1\nkey F1\nmove 1000 1000\nkey ENTER\n" + refused +                  // line
      "key F3\ntype FAR\nkey F1\npick 1000 0\n" + refused +                      // string
      "key F5\nkey F1\n" + pick(0, 0) + pick(1000, 0) + pick(0, 1000) + refused  // circle
      + "key F7\nkey F5\nkey F1\n" + pick(0, 0) + pick(1000, 0) + pick(1000, 1000) + pick(0, 1000) + refused  // quadrilateral
      + kWriteAndEnd;
  ASSERT_EQ(s.run(script, "a.plv"), 0) << s.file("stderr.txt");

  EXPECT_EQ(drawing_records(s, "a.plv"),
            (std::vector<std::string>{"SC MODE BAR", kIdentityLayer, "SC BAR   6", "LI  -100  -100   100   100 S"}))
      << s.file("a.plv");
  const auto told = screens_with(s, 3, ">>>ERROR:");
  ASSERT_EQ(told.size(), 5u);
  for (const std::string& screen : told) {
    EXPECT_EQ(Session::row(screen, 5), "THE ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT WAS NOT MADE.");
    EXPECT_EQ(Session::row(screen, 7), "TYPE ANY KEY TO CONTINUE...");
  }
  // The session ended on the exit menu, so no key went astray.
  EXPECT_NE(Session::row(s.screens().back(), 3).find("EXIT MENU"), std::string::npos);
}

}  // namespace
}  // namespace plv::e2e
