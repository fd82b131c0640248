// Boxes, circles, ellipses, brackets and filled quadrilaterals made in
// whole sessions: the menus as shown, and the records the drawing keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

// A new drawing, then the create menu: the first F9 shows the erased
// picture and waits for a key before the menu comes.
const std::string kToCreateMenu = new_drawing("a") + "key F9\nkey ENTER\n";
// From the create menu: back to the main menu, the exit menu, write and end.
const std::string kWriteAndEnd = "key F10\nkey F10\nkey F1\n";
// The element shown on the picture waits for a key.
const std::string kSeen = "key ENTER\n";

// Each field in turn cleared and typed, Enter moving on to the next.
std::string typed(std::initializer_list<std::string_view> values) {
  std::string script;
  for (const std::string_view v : values) script += "key DELETE\ntype " + std::string(v) + "\nkey ENTER\n";
  return script;
}

// The last `count` lines of the written drawing.
std::vector<std::string> last_lines(const Session& s, size_t count) {
  const std::vector<std::string> lines = lines_of(s.file("a.plv"));
  if (lines.size() < count) return lines;
  return {lines.end() - static_cast<std::ptrdiff_t>(count), lines.end()};
}

int count_of(const Session& s, std::string_view line) {
  const auto lines = lines_of(s.file("a.plv"));
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

constexpr std::string_view kBoxBanner =
    "******* BOX MENU ******** BOX MENU ******** BOX MENU ******** BOX MENU *********";
constexpr std::string_view kFilledBanner =
    "******** FILLED RECTANGULAR BOX MENU ******** FILLED RECTANGULAR BOX MENU ******";
constexpr std::string_view kEllipseBanner =
    "***** ELLIPSE MENU ***** ELLIPSE MENU ***** ELLIPSE MENU ***** ELLIPSE MENU ****";
// A new drawing is in colour 7 and the create menu starts with colour 6,
// so the first element comes after the colour it was shown in.
const std::string kShownColour = "SC BAR   6";

TEST(CreateShapes, BoxesTypedPulledFlatAndFilled) {
  Session s;
  const std::string script = kToCreateMenu +
                             "key F4\n" + typed({"100", "100", "0", "0"}) + "key F9\n" + kSeen +  // reverse order
                             "key F4\nkey F1\nkey ENTER\n" + kSeen +  // the same corners by the pointer
                             "key F4\n" + typed({"0", "0", "100", "0"}) + "key F9\n" + kSeen +  // flat
                             "key F7\nkey F4\n" + typed({"-100", "-100", "100", "100"}) + "key F9\n" + kSeen +
                             kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");

  const auto boxes = screens_with(s, 3, kBoxBanner);
  ASSERT_GE(boxes.size(), 3u);
  const std::string& first = boxes.front();
  EXPECT_EQ(Session::row(first, 5), "");
  EXPECT_EQ(Session::row(first, 7), "      BOX LOWER LEFT CORNER: X     -100  Y     -100");
  EXPECT_EQ(Session::row(first, 9), "         UPPER RIGHT CORNER: X      100  Y      100");
  EXPECT_EQ(Session::row(first, 11), "                 F1 = POSITION THE BOX WITH THE CURSOR");
  EXPECT_EQ(Session::row(first, 13), "                 F9 = DRAW THE BOX WITH THE CURRENT POSITION");
  EXPECT_EQ(Session::row(first, 15), "                 F10= QUIT");
  const auto filled = screens_with(s, 3, kFilledBanner);
  ASSERT_FALSE(filled.empty());
  // It starts from the corners typed for the flat box.
  EXPECT_EQ(Session::row(filled.front(), 7), "      BOX LOWER LEFT CORNER: X        0  Y        0");
  EXPECT_EQ(Session::row(filled.front(), 9), "         UPPER RIGHT CORNER: X      100  Y        0");
  EXPECT_EQ(Session::row(filled.front(), 15), "                 F10= QUIT");

  // Typed corners keep their order, the pointer's come lower-left first,
  // a flat box is a solid line, and a filled rectangle has no edges kept.
  const std::vector<std::string> expected = {
      kShownColour,
      "BX   100   100     0     0",
      "BX     0     0   100   100",
      "LI     0     0   100     0",
      "RF -100. -100.  100.  100.  0",
  };
  EXPECT_EQ(last_lines(s, expected.size()), expected);
}

TEST(CreateShapes, BoxPulledWithThePointerThenReopened) {
  Session s;
  // Each drag takes a corner of the box from -100,-100 to 100,100 to a new place.
  const std::string script = kToCreateMenu + "key F4\nkey F1\ndrag -100 -100 -30 -40\ndrag 100 100 10 20\nkey ENTER\n" +
                             kSeen +
                             "key F9\nkey ENTER\n"  // undraw: the box erased from the picture
                             "key F9\n" +
                             kSeen + kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto boxes = screens_with(s, 3, kBoxBanner);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(Session::row(boxes[1], 7), "      BOX LOWER LEFT CORNER: X      -30  Y      -40");
  EXPECT_EQ(Session::row(boxes[1], 9), "         UPPER RIGHT CORNER: X       10  Y       20");
  // The first box left the drawing; the reopened one follows its colour
  // record (its layer record equals the one already written).
  const std::vector<std::string> expected = {"SC BAR   6", "BX   -30   -40    10    20"};
  EXPECT_EQ(last_lines(s, expected.size()), expected);
  EXPECT_EQ(count_of(s, "BX   -30   -40    10    20"), 1);
}

TEST(CreateShapes, FilledRectangleReopenedFromTheMoreCreateMenu) {
  Session s;
  const std::string script = kToCreateMenu + "key F7\nkey F4\nkey F9\n" + kSeen +
                             "key F7\nkey F9\nkey ENTER\n" +  // undraw and edit, the erased picture
                             typed({"-50"}) + "key F9\n" + kSeen + kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto filled = screens_with(s, 3, kFilledBanner);
  ASSERT_GE(filled.size(), 2u);
  EXPECT_EQ(Session::row(filled.back(), 7), "      BOX LOWER LEFT CORNER: X      -50  Y     -100");
  const std::vector<std::string> expected = {"SC BAR   6", "RF  -50. -100.  100.  100.  0"};
  EXPECT_EQ(last_lines(s, expected.size()), expected);
  EXPECT_EQ(count_of(s, "RF -100. -100.  100.  100.  0"), 0);
}

// A typed corner outside its record's file columns is refused with the
// range, and the field edited again: an outline's corners are kept as a
// line's ends are, a filled rectangle's in narrower fixed columns.
TEST(CreateShapes, TypedCornersTakeWhatTheirFileFormHolds) {
  Session s;
  const std::string script = kToCreateMenu + "key F4\nkey DELETE\ntype -100000\nkey ENTER\n" + typed({"-50000"}) +
                             "key F9\n" + kSeen + "key F7\nkey F4\nkey DELETE\ntype -10000\nkey ENTER\n" +
                             typed({"-9999"}) + "key F9\n" + kSeen + kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  // The first screen of the menu that tells a range: its corner row and the range.
  const auto told = [&s](std::string_view banner) -> std::string {
    for (const std::string& screen : screens_with(s, 3, banner))
      if (!Session::row(screen, 24).empty()) return Session::row(screen, 7) + "|" + Session::row(screen, 24);
    return "(not told)";
  };
  EXPECT_EQ(told(kBoxBanner), "      BOX LOWER LEFT CORNER: X     -100  Y     -100|"
                              "          ONLY VALUES FROM -99999 TO 999999 ARE TAKEN HERE.");
  EXPECT_EQ(told(kFilledBanner), "      BOX LOWER LEFT CORNER: X   -50000  Y     -100|"
                                 "          ONLY VALUES FROM -9999 TO 99999 ARE TAKEN HERE.");
  const std::vector<std::string> expected = {"BX-50000  -100   100   100", "RF-9999. -100.  100.  100.  0"};
  EXPECT_EQ(last_lines(s, expected.size()), expected);
}

TEST(CreateShapes, CircleFromTheStartValuesAndNoneWithoutRadius) {
  Session s;
  const std::string script = kToCreateMenu + "key F5\nkey F9\n" + kSeen +
                             "key F5\n" + typed({"7", "7", "7", "7"}) + "key F9\n" +  // starts on its centre
                             "key F7\nkey F1\nkey F10\nkey F10\n" +  // the ellipse menu shares the points
                             kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto circles =
      screens_with(s, 5, "********** CIRCLE MENU ********** CIRCLE MENU ********** CIRCLE MENU ***********");
  ASSERT_FALSE(circles.empty());
  const std::string& circle = circles.front();
  EXPECT_EQ(Session::row(circle, 3), "");
  EXPECT_EQ(Session::row(circle, 7), "       CENTER OF THE CIRCLE: X        0  Y        0");
  EXPECT_EQ(Session::row(circle, 9), "              ARC STARTS AT: X      100  Y        0");
  EXPECT_EQ(Session::row(circle, 11), "                ARC ENDS AT: X        0  Y      100");
  EXPECT_EQ(Session::row(circle, 13), "                 F1 = POSITION THE CIRCLE WITH THE CURSOR");
  EXPECT_EQ(Session::row(circle, 15), "                 F9 = DRAW THE CIRCLE WITH THE CURRENT POSITION");
  EXPECT_EQ(Session::row(circle, 17), "                 F10= QUIT");

  const auto ellipses = screens_with(s, 3, kEllipseBanner);
  ASSERT_FALSE(ellipses.empty());
  EXPECT_EQ(Session::row(ellipses.front(), 7), "          CENTER OF THE ELLIPSE: X        7  Y        7");
  EXPECT_EQ(Session::row(ellipses.front(), 9), "ENDPOINT OF THE HORIZONTAL AXIS: X        7  Y        7");

  // The circle without radius made nothing.
  const std::vector<std::string> expected = {kShownColour, "CI     0     0   100     0     0   100"};
  EXPECT_EQ(last_lines(s, expected.size()), expected);
}

TEST(CreateShapes, EllipseFromItsAxesAndNoneWithoutWidth) {
  Session s;
  const std::string script = kToCreateMenu + "key F7\nkey F1\n" + typed({"10", "10", "-30", "99", "55", "70"}) +
                             "key F9\n" + kSeen +
                             // The horizontal end above the centre: F9 leaves the menu open, F10 quits it.
                             "key F7\nkey F1\nkey ENTER\nkey ENTER\n" + typed({"10"}) + "key F9\nkey F10\nkey F10\n" +
                             kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto ellipses = screens_with(s, 3, kEllipseBanner);
  ASSERT_FALSE(ellipses.empty());
  const std::string& ellipse = ellipses.front();
  EXPECT_EQ(Session::row(ellipse, 7), "          CENTER OF THE ELLIPSE: X        0  Y        0");
  EXPECT_EQ(Session::row(ellipse, 9), "ENDPOINT OF THE HORIZONTAL AXIS: X      100  Y        0");
  EXPECT_EQ(Session::row(ellipse, 11), "  ENDPOINT OF THE VERTICAL AXIS: X        0  Y      100");
  EXPECT_EQ(Session::row(ellipse, 13), "                 F1 = POSITION THE ELLIPSE WITH THE CURSOR");
  EXPECT_EQ(Session::row(ellipse, 15), "                 F9 = DRAW THE ELLIPSE WITH THE CURRENT POSITION");
  EXPECT_EQ(Session::row(ellipse, 17), "                 F10= QUIT");
  EXPECT_EQ(Session::row(ellipses.back(), 9), "ENDPOINT OF THE HORIZONTAL AXIS: X       10  Y       99");

  const std::vector<std::string> expected = {
      kShownColour, "EL     0.10000E+02    0.10000E+02    0.40000E+02    0.60000E+02"};
  EXPECT_EQ(last_lines(s, expected.size()), expected);
}

TEST(CreateShapes, BracketPointsOrderedByItsFacing) {
  Session s;
  const std::string script = kToCreateMenu + "key F7\nkey F2\n" + typed({"0", "0", "100", "0", "l"}) + "key F9\n" +
                             kSeen + "key F7\nkey F2\nkey ENTER\nkey ENTER\nkey ENTER\nkey ENTER\n" + typed({"L"}) +
                             "key F9\n" + kSeen + kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto brackets =
      screens_with(s, 3, "********* BRACKET MENU ******** BRACKET MENU ******** BRACKET MENU *************");
  ASSERT_FALSE(brackets.empty());
  const std::string& bracket = brackets.front();
  EXPECT_EQ(Session::row(bracket, 7), "                    POINT A: X     -100  Y     -100");
  EXPECT_EQ(Session::row(bracket, 9), "                    POINT B: X      100  Y      100");
  EXPECT_EQ(Session::row(bracket, 11), "  GOING FROM POINT A TO POINT B, THE BRACKET FACES: R (L OR R)");
  EXPECT_EQ(Session::row(bracket, 15), "                 F1 = POSITION THE BRACKET WITH THE CURSOR");
  EXPECT_EQ(Session::row(bracket, 17), "                 F9 = DRAW THE BRACKET WITH THE CURRENT POSITION");
  EXPECT_EQ(Session::row(bracket, 19), "                 F10= QUIT");
  // The small letter was not taken: the second visit still faces right.
  const auto typed_small = std::find_if(brackets.begin(), brackets.end(), [](const std::string& b) {
    return Session::row(b, 11).find("FACES: l") != std::string::npos;
  });
  ASSERT_NE(typed_small, brackets.end());
  const auto second = std::find_if(typed_small, brackets.end(), [](const std::string& b) {
    return Session::row(b, 11).find("FACES: l") == std::string::npos;
  });
  ASSERT_NE(second, brackets.end());
  EXPECT_EQ(Session::row(*second, 7), "                    POINT A: X        0  Y        0");
  EXPECT_EQ(Session::row(*second, 11), "  GOING FROM POINT A TO POINT B, THE BRACKET FACES: R (L OR R)");

  const std::vector<std::string> expected = {kShownColour, "BR   100     0     0     0", "BR     0     0   100     0"};
  EXPECT_EQ(last_lines(s, expected.size()), expected);
}

// Settings with the view magnified ten times, so that a pick lands
// between whole units.
std::string magnified_settings() { return settings_with_view_scale("0.1000000E+02"); }

constexpr std::string_view kQuadBanner =
    "********* FILLED QUADRILATERAL MENU ********* FILLED QUADRILATERAL MENU ********";

TEST(CreateShapes, QuadrilateralTypedAndPickedInAMagnifiedView) {
  Session s;
  s.put("plivet.set", magnified_settings());
  // Every pick is marked with a cross and waits for a key.
  const std::string picks = "pick 127 -1000\nkey ENTER\npick 1000 1000\nkey ENTER\npick 0 0\nkey ENTER\n"
                            "pick 0 0\nkey ENTER\n";
  const std::string script = kToCreateMenu + "key F7\nkey F5\nkey F9\n" + kSeen + "key F7\nkey F5\nkey F1\n" + picks +
                             kSeen + "key F7\nkey F5\nkey F10\nkey F10\n" +
                             // A circle whose start is picked 0.6 from its centre has no radius.
                             "key F5\nkey F1\npick 0 0\nkey ENTER\npick 6 0\nkey ENTER\npick 0 500\nkey ENTER\n" +
                             kWriteAndEnd;
  ASSERT_EQ(s.run(script), 0) << s.file("stderr.txt");
  const auto quads = screens_with(s, 3, kQuadBanner);
  ASSERT_GE(quads.size(), 2u);
  const std::string& quad = quads.front();
  EXPECT_EQ(Session::row(quad, 7), "                FIRST POINT: X     -100  Y     -100");
  EXPECT_EQ(Session::row(quad, 9), "               SECOND POINT: X      100  Y      100");
  EXPECT_EQ(Session::row(quad, 11), "                THIRD POINT: X        0  Y        0");
  EXPECT_EQ(Session::row(quad, 13), "               FOURTH POINT: X        0  Y        0");
  EXPECT_EQ(Session::row(quad, 15), "                 F1 = POSITION THE BOX WITH THE CURSOR");
  EXPECT_EQ(Session::row(quad, 17), "                 F9 = DRAW THE BOX WITH THE CURRENT POSITION");
  EXPECT_EQ(Session::row(quad, 19), "                 F10= QUIT");
  // The picks went into the record only; the menu still shows the typed corners.
  EXPECT_EQ(Session::row(quads.back(), 7), "                FIRST POINT: X     -100  Y     -100");

  const std::vector<std::string> expected = {
      kShownColour,
      "QF -100. -100.  100.  100.    0.    0.    0.    0.",
      "QF   13. -100.  100.  100.    0.    0.    0.    0.",
  };
  // Nothing after them: the circle without radius was not made.
  EXPECT_EQ(last_lines(s, expected.size()), expected);
}

}  // namespace
}  // namespace plv::e2e
