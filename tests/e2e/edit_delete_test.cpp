// Editing a drawing through the edit/delete menu: deleting by pointing and
// by a box, undeleting, editing a picked graphic, editing it again, and
// recolouring with the colour edit menu; the written file record by record.

#include <gtest/gtest.h>

#include <sstream>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

const std::string kHeader = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
// Past the file name menu, the drawing drawn in the unmoved view (drawing
// units are plot units), then the edit/delete menu.
const std::string kToEditMenu = "key F10\nkey F3\nkey ENTER\nkey F5\n";
const std::string kLeaveAndWrite = "key F10\nkey F10\nkey F1\n";

std::vector<std::string> records_of(const Session& s) { return drawing_records(s, "d.plv"); }

// Runs the script on a drawing of `records` and answers the records written.
std::vector<std::string> edited(Session& s, const std::string& records, const std::string& script) {
  s.put("d.plv", kHeader + records);
  EXPECT_EQ(s.run(kToEditMenu + script + kLeaveAndWrite, "d.plv"), 0) << s.file("stderr.txt");
  return records_of(s);
}

std::vector<std::string> screens_headed(const Session& s, const std::string& banner) {
  std::vector<std::string> found;
  for (const auto& screen : s.screens())
    if (Session::row(screen, 3) == banner) found.push_back(screen);
  return found;
}

bool told(const Session& s, const std::string& text) {
  for (const auto& screen : s.screens())
    if (screen.find(text) != std::string::npos) return true;
  return false;
}

const std::string kBanner = "****** EDIT/DELETE MENU ******* EDIT/DELETE MENU ******* EDIT/DELETE MENU ******";
const std::string kLine = "LI     0     0   100     0 S\n";
const std::string kBox = "BX   200   200   300   300\n";
const std::string kCircle = "CI   600     0   700     0   600   100\n";

TEST(EditDelete, MenuScreenRowForRowWithTheShowDeletedSetting) {
  Session s;
  edited(s, "SC MODE BAR\n" + kLine, "key F8\n");
  const auto menus = screens_headed(s, kBanner);
  ASSERT_GE(menus.size(), 2u);
  EXPECT_EQ(Session::row(menus[0], 5), "                  F1 = DELETE INDIVIDUAL GRAPHICS");
  EXPECT_EQ(Session::row(menus[0], 19), "                  F8 = SHOW/DO NOT SHOW THE DELETED GRAPHICS");
  EXPECT_EQ(Session::row(menus[0], 20), "                       (SET TO \"DO NOT SHOW\")");
  EXPECT_EQ(Session::row(menus[0], 22), "                  F9 = UNDELETE THE LAST DELETED GRAPHIC");
  EXPECT_EQ(Session::row(menus[0], 24), "                  F10= RETURN THE MAIN MENU");
  EXPECT_EQ(Session::row(menus[1], 20), "                       (SET TO \"SHOW\")");
}

TEST(EditDelete, OnlyOnceThePictureIsDrawn) {
  Session s;
  s.put("d.plv", kHeader + kLine);
  ASSERT_EQ(s.run("key F10\nkey F5\nkey F10\nkey F1\n", "d.plv"), 0);
  EXPECT_TRUE(screens_headed(s, kBanner).empty());
}

TEST(EditDelete, PickingDeletesTheNearestGraphicOfAnyKind) {
  Session s;
  // Near the box's top edge, then near the line, then the left button ends.
  const auto written =
      edited(s, "SC MODE BAR\n" + kLine + kBox + kCircle, "key F1\npick 250 305 right\npick 50 3 right\npick 0 0\n");
  EXPECT_EQ(written, (std::vector<std::string>{"SC MODE BAR", "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S",
                                               "DEBX0.200000E+030.200000E+030.300000E+030.300000E+03",
                                               "CI   600     0   700     0   600   100"}));
}

TEST(EditDelete, TiesLayersAndPointsPastALinesEnd) {
  Session tie;
  EXPECT_EQ(edited(tie, kLine + kLine, "key F1\npick 50 10 right\nkey ENTER\n")[0].substr(0, 2), "DE");

  // A press just past the end of a line takes that line, not the first line of the file.
  Session past;
  const auto near = edited(past, "LI     0  1000   100  1000 S\n" + kLine, "key F1\npick 150 0 right\nkey ENTER\n");
  EXPECT_EQ(near[0], "LI     0  1000   100  1000 S");
  EXPECT_EQ(near[1].substr(0, 4), "DELI");

  // Working on layer 2, a line of layer 1 under the pointer is passed over.
  Session layered;
  layered.put("d.plv", kHeader + "LA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00\n" + kLine +
                           "LA  2  0.1000000E+01  0.0000000E+00  0.5000000E+03\n" + kLine);
  ASSERT_EQ(layered.run("key F10\nkey DELETE\ntype 2\nkey F3\nkey ENTER\nkey F5\nkey F1\npick 50 0 right\nkey ENTER\n" +
                            kLeaveAndWrite,
                        "d.plv"),
            0);
  const auto written = records_of(layered);
  EXPECT_EQ(written[1], "LI     0     0   100     0 S");
  EXPECT_EQ(written[3].substr(0, 4), "DELI");
}

TEST(EditDelete, DeletedGraphicsArePickedOnlyWhileShownAndKeepOneMark) {
  const std::string deleted_near = "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S\n";
  const std::string live_far = "LI     0   200   100   200 S\n";
  Session hidden;
  const auto passed_over = edited(hidden, deleted_near + live_far, "key F1\npick 50 0 right\nkey ENTER\n");
  EXPECT_EQ(passed_over[1].substr(0, 4), "DELI");

  Session shown;
  const auto again = edited(shown, deleted_near + live_far, "key F8\nkey F1\npick 50 0 right\nkey ENTER\n");
  EXPECT_EQ(again[0], deleted_near.substr(0, deleted_near.size() - 1));
  EXPECT_EQ(again[1], "LI     0   200   100   200 S");
}

TEST(EditDelete, ABoxTakesWhatLiesWhollyInsideItsBounds) {
  Session s;
  // The box from -500,-350 500,350 dragged to 0,-10 300,300: the line's
  // end lies on its edge; the ellipse reaches out of it.
  const auto written = edited(s, kLine + kBox + "EL     0.25000E+03    0.25000E+03    0.10000E+03    0.10000E+03\n",
                              "key F2\ndrag -500 -350 0 -10\ndrag 500 350 300 300\nkey ENTER\n");
  EXPECT_EQ(written[0].substr(0, 4), "DELI");
  EXPECT_EQ(written[1].substr(0, 4), "DEBX");
  EXPECT_EQ(written[2].substr(0, 2), "EL");
}

TEST(EditDelete, UndeleteBringsTheLastDeletedGraphicBackOnce) {
  Session s;
  const auto written = edited(s, kLine + kBox, "key F1\npick 50 0 right\npick 250 305 right\nkey ENTER\n"
                                               "key F9\nkey ENTER\nkey F9\n");
  EXPECT_EQ(written[0].substr(0, 4), "DELI");
  EXPECT_EQ(written[1], "BX   200   200   300   300");
}

TEST(EditDelete, EditAPickedGraphicUnderAScaledLayerThenEditItAgain) {
  Session s;
  const std::string layer = "LA  3  0.2000000E+01  0.0000000E+00  0.0000000E+00\n";
  // F5 picks the line (shown doubled), its end moved to 300 shown, i.e. 150 stored; F6 takes that back
  // and makes it again with the start at 20 shown.
  const auto written = edited(s, "SC BAR   4\n" + layer + kLine,
                              "key F5\npick 100 0\nkey TAB\nkey TAB\nkey TAB\nkey TAB\nkey DELETE\ntype 300\nkey F9\nkey ENTER\n"
                              "key F6\nkey TAB\nkey TAB\nkey DELETE\ntype 20\nkey F9\nkey ENTER\n");
  const auto screens = screens_headed(s, "****** LINE MENU ******* LINE MENU ******* LINE MENU ******* LINE MENU *********");
  ASSERT_FALSE(screens.empty());
  EXPECT_EQ(Session::row(screens.front(), 13), "                         TO: X      200  Y        0");
  EXPECT_EQ(written, (std::vector<std::string>{
                         "SC BAR   4", "LA  3  0.2000000E+01  0.0000000E+00  0.0000000E+00",
                         "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S",
                         "DELI0.000000E+000.000000E+000.150000E+030.000000E+00 S", "LI    10     0   150     0 S"}));
}

TEST(EditDelete, AnEditThatCannotBeCarriedBackLeavesTheGraphicInItsPlace) {
  // Under the layer of scale 0.001 an end typed at 3000 is 3000000 stored,
  // more than the file holds; under the layer of scale 0 nothing shown can
  // be mapped back. Each is told, the graphic stays where it was, unmarked,
  // and nothing is left to undo.
  const std::string drawing = "SC BAR   4\nLA  3  0.1000000E-02  0.0000000E+00  0.0000000E+00\n" + kLine +
                              "LA  5  0.0000000E+00  0.1000000E+03  0.2000000E+03\n"
                              "EL     0.25000E+03    0.25000E+03    0.10000E+03    0.50000E+02\n";
  Session s;
  const auto written = edited(s, drawing,
                              "key F5\npick 0 0\nkey TAB\nkey TAB\nkey TAB\nkey TAB\nkey DELETE\ntype 3000\nkey F9\nkey ENTER\n"
                              "key F5\npick 100 200\nkey ENTER\nkey CTRL-Z\nkey ENTER\n");
  EXPECT_TRUE(told(s, "THE EDITED ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT STAYS AS IT WAS."));
  EXPECT_TRUE(told(s, "THIS GRAPHIC CANNOT BE EDITED: ITS LAYER HAS SCALE 0."));
  EXPECT_TRUE(told(s, "NOTHING TO UNDO."));
  EXPECT_EQ(written, lines_of(drawing));
}

TEST(EditDelete, ColoursChangedInARegionAndOneGraphicThenRestored) {
  Session s;
  // Colour 12 for what lies in the box (the line and the box), then colour 3 for the circle picked.
  const auto written = edited(s, "SC MODE BAR\nSC BAR   5\n" + kLine + kBox + kCircle,
                              "key F7\nkey DELETE\ntype 12\nkey F1\ndrag -500 -350 -10 -10\ndrag 500 350 310 310\n"
                              "key ENTER\nkey ENTER\n"
                              "key DELETE\ntype 3\nkey F5\npick 700 5\nkey ENTER\nkey F10\n");
  // Each keeps its place: the colour records go in around it.
  EXPECT_EQ(written, (std::vector<std::string>{"SC MODE BAR", "SC BAR  12", "LI     0     0   100     0 S",
                                               "BX   200   200   300   300", "SC BAR   3",
                                               "CI   600     0   700     0   600   100"}));

  // F6 takes the last recolouring back exactly.
  Session back;
  const auto restored = edited(back, "SC MODE BAR\nSC BAR   5\n" + kLine + kBox,
                               "key F7\nkey DELETE\ntype 12\nkey F5\npick 50 0\nkey ENTER\nkey F6\nkey ENTER\nkey F10\n");
  EXPECT_EQ(restored, (std::vector<std::string>{"SC MODE BAR", "SC BAR   5", "LI     0     0   100     0 S",
                                                "BX   200   200   300   300"}));
}

TEST(EditDelete, RecolouringIsTakenBackOnlyWhileItStandsAndOnlyInBarMode) {
  const std::string drawing = "SC MODE BAR\n" + kLine + kBox;
  const std::vector<std::string> unchanged{"SC MODE BAR", "LI     0     0   100     0 S", "BX   200   200   300   300"};
  const std::string region = "key F7\nkey DELETE\ntype 12\nkey F1\ndrag -500 -350 -10 -10\ndrag 500 350 310 310\nkey ENTER\nkey ENTER\n";

  // A region is restored; an empty region after it keeps that restore.
  Session whole;
  EXPECT_EQ(edited(whole, drawing, region + "key F1\ndrag 310 310 950 950\ndrag -10 -10 900 900\nkey ENTER\n"
                                   "key F6\nkey ENTER\nkey F10\n"),
            unchanged);

  // A recoloured graphic deleted since stays deleted when the colours
  // are restored: only the colour records go.
  Session deleted;
  const auto kept = edited(deleted, drawing, region + "key F10\nkey F1\npick 50 0 right\nkey ENTER\nkey F7\nkey F6\nkey ENTER\nkey F10\n");
  EXPECT_EQ(kept, (std::vector<std::string>{"SC MODE BAR", "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S",
                                            "BX   200   200   300   300"}));

  // Palette colour records set no colour in another mode: refused, nothing changes.
  Session hot;
  EXPECT_EQ(edited(hot, "SC MODE HOT\n" + kLine, "key F7\nkey DELETE\ntype 12\nkey F5\nkey ENTER\nkey F10\n"),
            (std::vector<std::string>{"SC MODE HOT", "LI     0     0   100     0 S"}));
  EXPECT_TRUE(told(hot, "COLORS CAN BE CHANGED ONLY IN A DRAWING IN THE BAR COLOR MODE."));
}

TEST(EditDelete, TheColourEditScreenAndItsColourBetweenVisits) {
  Session s;
  // The first visit shows 0; 20 is no colour, so 7 is kept for the next visit.
  const auto written = edited(s, kLine, "key F7\nkey DELETE\ntype 20\nkey F10\nkey F7\nkey F10\n");
  EXPECT_EQ(written, std::vector<std::string>{"LI     0     0   100     0 S"});
  const auto menus = screens_headed(s, "****** COLOR EDIT MENU ******* COLOR EDIT MENU ******* COLOR EDIT MENU *********");
  ASSERT_GE(menus.size(), 2u);
  EXPECT_EQ(Session::row(menus.front(), 5), "                  DRAWING FILE NAME:  d.plv");
  EXPECT_EQ(Session::row(menus.front(), 7), "            CHANGE COLOR TO COLOR #    0  (1 TO 15)");
  EXPECT_EQ(Session::row(menus.front(), 9), "            F1 = CHANGE THE COLOR OF ALL GRAPHICS IN A REGION");
  EXPECT_EQ(Session::row(menus.front(), 15), "            F6 = RESTORE THE PREVIOUS COLOR");
  EXPECT_EQ(Session::row(menus.front(), 19), "            F10= RETURN TO THE MAIN MENU");
  EXPECT_EQ(Session::row(menus.back(), 7), "            CHANGE COLOR TO COLOR #    7  (1 TO 15)");
}

TEST(EditDelete, AClosingWindowAtAPickABoxAndAKeyWaitEndsInOrder) {
  for (const std::string& wait : {std::string("close\n"), std::string("key F1\nclose\n"), std::string("key F2\nclose\n")}) {
    Session s;
    s.put("d.plv", kHeader + kLine);
    EXPECT_EQ(s.run(kToEditMenu + wait, "d.plv"), 0) << wait;
    EXPECT_TRUE(s.exists("plivet.set")) << wait;
  }
}

}  // namespace
}  // namespace plv::e2e
