// Snapping the ends of lines and arrows to points already drawn, Shift+Tab
// in an element menu, and the edit/delete keys whose effect depends on
// what was picked or boxed before.

#include <gtest/gtest.h>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

const std::string kHeader = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
const std::string kLeaveAndWrite = "key F10\nkey F10\nkey F1\n";
// A snap: the pick, then the key its cross waits for.
std::string snap_at(int x, int y) { return "pick " + std::to_string(x) + " " + std::to_string(y) + "\nkey ENTER\n"; }

TEST(Snap, DeletedGraphicsAreTargetsOnlyWhileShown) {
  const std::string drawing = "SC MODE BAR\nDELI0.000000E+000.000000E+000.100000E+030.000000E+00 S\n"
                              "LI     0   200   100   200 S\n";
  // Through the edit/delete menu (F8 there switches the deleted graphics
  // on) to a line whose two ends snap next to the deleted line's ends.
  auto run = [&](Session& s, const std::string& edit_keys) {
    s.put("d.plv", kHeader + drawing);
    const std::string script = "key F10\nkey F3\nkey ENTER\nkey F5\n" + edit_keys + "key F10\nkey F9\n" +
                               "key F1\nkey F4\n" + snap_at(95, 5) + "key F6\n" + snap_at(5, -5) +
                               "key F9\nkey ENTER\n" + kLeaveAndWrite;
    EXPECT_EQ(s.run(script, "d.plv"), 0) << s.file("stderr.txt");
    const auto records = drawing_records(s, "d.plv");
    return records.empty() ? std::string() : records.back();
  };
  Session hidden;
  EXPECT_EQ(run(hidden, ""), "LI   100   200     0   200 S");
  Session shown;
  EXPECT_EQ(run(shown, "key F8\n"), "LI   100     0     0     0 S");
}

TEST(Snap, PointsGoThroughTheirLayerAndTiesGoToTheEarlierOne) {
  Session s;
  // The first line is shown doubled and moved 50 to the right: its ends at
  // (50, 0) and (250, 0). Two lines end 10 either side of (0, 300); the
  // last line's two ends lie 30 either side of (500, 0).
  s.put("d.plv", kHeader + "SC MODE BAR\nLA  1  0.2000000E+01  0.5000000E+02  0.0000000E+00\n"
                           "LI     0     0   100     0 S\nLA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00\n"
                           "LI   -10   300  -200   300 S\nLI    10   300   200   300 S\nLI   500    30   500   -30 S\n");
  const std::string script = "key F10\nkey F9\nkey ENTER\n"
                             "key F2\nkey F4\n" + snap_at(0, 300) + "key F6\n" + snap_at(240, 10) + "key F9\nkey ENTER\n" +
                             "key F1\nkey F4\n" + snap_at(500, 0) + "key F6\n" + snap_at(20, -10) + "key F9\nkey ENTER\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script, "d.plv"), 0) << s.file("stderr.txt");
  const auto records = drawing_records(s, "d.plv");
  ASSERT_GE(records.size(), 2u);
  // Between two records the earlier wins, within a record the earlier point.
  EXPECT_EQ(records[records.size() - 2], "AR   -10   300   250     0 N N Y N N 0.500");
  EXPECT_EQ(records.back(), "LI   500    30    50     0 S");
}

TEST(FieldKeys, ShiftTabGoesBackAFieldAndFromTheFirstToTheLast) {
  Session s;
  // Line menu: on to the start x, back to the width. Box menu: back from
  // its first field to the last, then once more.
  const std::string script = new_drawing("a") + "key F9\nkey ENTER\n" +
                             "key F1\nkey TAB\nkey TAB\nkey BACKTAB\nkey DELETE\ntype 3\nkey F9\nkey ENTER\n"
                             "key F4\nkey BACKTAB\nkey DELETE\ntype 77\nkey BACKTAB\nkey DELETE\ntype 55\nkey F9\nkey ENTER\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto records = drawing_records(s, "a.plv");
  ASSERT_GE(records.size(), 2u);
  EXPECT_EQ(records[records.size() - 2], "LW  -100  -100   100   100     3");
  EXPECT_EQ(records.back(), "BX  -100  -100    55    77");
}

// Past the file name menu, the drawing drawn in the unmoved view (drawing
// units are plot units), then the edit/delete menu.
const std::string kToEditMenu = "key F10\nkey F3\nkey ENTER\nkey F5\n";

TEST(EditDeleteKeys, APickThatFindsNothingLeavesNothingToUndelete) {
  Session s;
  s.put("d.plv", kHeader + "LI     0     0   100     0 S\nLI     0   200   100   200 S\n");
  // Both lines deleted; the third pick has nothing left to take, so F9
  // must not bring the second line back.
  ASSERT_EQ(s.run(kToEditMenu + "key F1\npick 50 0 right\npick 50 200 right\npick 500 500 right\nkey ENTER\nkey F9\n" +
                      kLeaveAndWrite,
                  "d.plv"),
            0)
      << s.file("stderr.txt");
  EXPECT_EQ(drawing_records(s, "d.plv"),
            (std::vector<std::string>{"DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S",
                                      "DELI0.000000E+000.200000E+030.100000E+030.200000E+03 S"}));
}

TEST(EditDeleteKeys, ABoxDeletesAnEllipseOnlyWhenItsWholeOutlineIsInside) {
  Session s;
  // The box runs from 0,0 to 200,300. The first ellipse reaches its right
  // edge exactly. Under the layer of scale 2 the second (shown at 100,100
  // with half-axes 60) is inside; the third's half width of 120 shown
  // reaches out, although its stored half width would fit.
  s.put("d.plv", kHeader + "SC MODE BAR\nEL     0.15000E+03    0.15000E+03    0.50000E+02    0.50000E+02\n"
                           "LA  1  0.2000000E+01  0.0000000E+00  0.0000000E+00\n"
                           "EL     0.50000E+02    0.50000E+02    0.30000E+02    0.30000E+02\n"
                           "EL     0.50000E+02    0.50000E+02    0.60000E+02    0.10000E+02\n");
  ASSERT_EQ(s.run(kToEditMenu + "key F2\ndrag -500 -350 0 0\ndrag 500 350 200 300\nkey ENTER\n" + kLeaveAndWrite, "d.plv"),
            0)
      << s.file("stderr.txt");
  EXPECT_EQ(drawing_records(s, "d.plv"),
            (std::vector<std::string>{"SC MODE BAR", "DEEL     0.15000E+03    0.15000E+03    0.50000E+02    0.50000E+02",
                                      "LA  1  0.2000000E+01  0.0000000E+00  0.0000000E+00",
                                      "DEEL     0.50000E+02    0.50000E+02    0.30000E+02    0.30000E+02",
                                      "EL     0.50000E+02    0.50000E+02    0.60000E+02    0.10000E+02"}));
}

TEST(EditDeleteKeys, AClosingWindowInTheColourEditPickAndDragEndsInOrder) {
  const std::string drawing = kHeader + "SC MODE BAR\nLI     0     0   100     0 S\n";
  for (const std::string& wait : {std::string("key F1\nclose\n"), std::string("key F5\nclose\n"),
                                  std::string("key DELETE\ntype 12\nkey F1\ndrag -500 -350 -10 -10\nclose\n")}) {
    Session s;
    s.put("d.plv", drawing);
    EXPECT_EQ(s.run(kToEditMenu + "key F7\n" + wait, "d.plv"), 0) << wait << s.file("stderr.txt");
    const auto settings = lines_of(s.file("plivet.set"));
    EXPECT_TRUE(!settings.empty() && settings.back() == "EN") << wait;
    // Nothing was recoloured, and a closed window writes no drawing.
    EXPECT_EQ(s.file("d.plv"), drawing) << wait;
  }
}

}  // namespace
}  // namespace plv::e2e
