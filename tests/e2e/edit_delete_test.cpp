// Editing a drawing through the edit/delete menu: deleting by pointing and
// by a box, undeleting, editing a picked graphic and editing it again, and
// recolouring with the colour edit menu; the written file record by record.

#include <gtest/gtest.h>

#include "e2e/golden.h"

namespace plv::e2e {
namespace {

const std::string kLine = "LI     0     0   100     0 S\n";
const std::string kBox = "BX   200   200   300   300\n";
const std::string kCircle = "CI   600     0   700     0   600   100\n";
const std::string kDeletedLine = "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S";

// Colour 12 for what lies in the box from -10,-10 to 310,310 (the line and the box).
const Script kRecolourRegion = Script().f(7).field("12").f(1).then(walk::box(-10, -10, 310, 310)).enter();

struct Edit {
  const char* what;
  std::string body;  // of the drawing edited
  Script keys;       // in the edit/delete menu
  std::vector<std::string> told = {};
  Script to_menu = walk::drawn().f(5);
  std::vector<Shown> shown = {};
};

using EditDelete = SessionTest;

TEST_F(EditDelete, EveryEditWrittenRecordByRecord) {
  const Edit edits[] = {
      {"a pick deletes the nearest graphic of any kind, the left button ends",
       "SC MODE BAR\n" + kLine + kBox + kCircle, Script().f(1).pick_right(250, 305).pick_right(50, 3).pick(0, 0)},
      {"of two graphics as near, the first", kLine + kLine, Script().f(1).pick_right(50, 10).enter()},
      {"a press just past a line's end takes that line", "LI     0  1000   100  1000 S\n" + kLine,
       Script().f(1).pick_right(150, 0).enter()},
      {"working on layer 2, a line of layer 1 under the pointer is passed over",
       "LA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00\n" + kLine +
           "LA  2  0.1000000E+01  0.0000000E+00  0.5000000E+03\n" + kLine,
       Script().f(1).pick_right(50, 0).enter(), {}, Script().f(10).field("2").f(3).enter().f(5)},
      {"a deleted graphic is passed over while hidden", kDeletedLine + "\nLI     0   200   100   200 S\n",
       Script().f(1).pick_right(50, 0).enter()},
      {"and picked again while shown, keeping one mark", kDeletedLine + "\nLI     0   200   100   200 S\n",
       Script().f(8).f(1).pick_right(50, 0).enter()},
      {"a pick that finds nothing leaves nothing to undelete", kLine + "LI     0   200   100   200 S\n",
       Script().f(1).pick_right(50, 0).pick_right(50, 200).pick_right(500, 500).enter().f(9)},
      {"undelete brings the last deleted graphic back once", kLine + kBox,
       Script().f(1).pick_right(50, 0).pick_right(250, 305).enter().f(9).enter().f(9)},
      // The line's end lies on the box's edge; the ellipse reaches out of it.
      {"a box takes what lies wholly inside its bounds",
       kLine + kBox + "EL     0.25000E+03    0.25000E+03    0.10000E+03    0.10000E+03\n",
       Script().f(2).then(walk::box(0, -10, 300, 300))},
      // The first ellipse reaches the box's right edge exactly. Under the
      // layer of scale 2 the second (shown at 100,100 with half-axes 60) is
      // inside; the third's half width of 120 shown reaches out, although
      // its stored half width would fit.
      {"a box deletes an ellipse only when its whole outline is inside",
       "SC MODE BAR\nEL     0.15000E+03    0.15000E+03    0.50000E+02    0.50000E+02\n"
       "LA  1  0.2000000E+01  0.0000000E+00  0.0000000E+00\n"
       "EL     0.50000E+02    0.50000E+02    0.30000E+02    0.30000E+02\n"
       "EL     0.50000E+02    0.50000E+02    0.60000E+02    0.10000E+02\n",
       Script().f(2).then(walk::box(0, 0, 200, 300))},
      // Each keeps its place: the colour records go in around it.
      {"colours changed in a region, then of one graphic picked", "SC MODE BAR\nSC BAR   5\n" + kLine + kBox + kCircle,
       Script(kRecolourRegion).field("3").f(5).pick(700, 5).enter().f(10)},
      {"F6 takes the last recolouring back exactly", "SC MODE BAR\nSC BAR   5\n" + kLine + kBox,
       Script().f(7).field("12").f(5).pick(50, 0).enter().f(6).enter().f(10)},
      {"a region is restored; an empty region after it keeps that restore", "SC MODE BAR\n" + kLine + kBox,
       Script(kRecolourRegion).f(1).drag(310, 310, 950, 950).drag(-10, -10, 900, 900).enter().f(6).enter().f(10)},
      {"a recoloured graphic deleted since stays deleted when the colours are restored", "SC MODE BAR\n" + kLine + kBox,
       Script(kRecolourRegion).f(10).f(1).pick_right(50, 0).enter().f(7).f(6).enter().f(10)},
      {"palette colour records set no colour in another mode", "SC MODE HOT\n" + kLine,
       Script().f(7).field("12").f(5).enter().f(10),
       {"COLORS CAN BE CHANGED ONLY IN A DRAWING IN THE BAR COLOR MODE."}},
      {"20 is no colour, so the 7 shown is kept for the next visit", kLine, Script().f(7).field("20").f(10).f(7).f(10),
       {"            CHANGE COLOR TO COLOR #    7  (1 TO 15)"}},
      // Under the layer of scale 0.001 an end typed at 3000 is 3000000
      // stored, more than the file holds; under the layer of scale 0 nothing
      // shown can be mapped back. Each is told, the graphic stays where it
      // was, unmarked, and nothing is left to undo.
      {"an edit that cannot be carried back leaves the graphic in its place",
       "SC BAR   4\nLA  3  0.1000000E-02  0.0000000E+00  0.0000000E+00\n" + kLine +
           "LA  5  0.0000000E+00  0.1000000E+03  0.2000000E+03\n"
           "EL     0.25000E+03    0.25000E+03    0.10000E+03    0.50000E+02\n",
       Script().f(5).pick(0, 0).tab(4).field("3000").f(9).enter().f(5).pick(100, 200).enter().undo().enter(),
       {"THE EDITED ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT STAYS AS IT WAS.",
        "THIS GRAPHIC CANNOT BE EDITED: ITS LAYER HAS SCALE 0.", "NOTHING TO UNDO."}},
      // F5 picks the line (shown doubled), its end moved to 300 shown, i.e.
      // 150 stored; F6 takes that back and makes it again with the start at
      // 20 shown.
      {"a picked graphic edited under a scaled layer, then edited again",
       "SC BAR   4\nLA  3  0.2000000E+01  0.0000000E+00  0.0000000E+00\n" + kLine,
       Script().f(5).pick(100, 0).tab(4).field("300").f(9).enter().f(6).tab(2).field("20").f(9).enter(), {},
       walk::drawn().f(5), {{"e2e_line_menu_picked_doubled"}}},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.what);
    Session edited;
    EXPECT_TRUE(edited.ends_in(edit.body, Script(edit.to_menu).then(edit.keys).then(walk::leave_and_write())));
    EXPECT_EQ(edited.records(), kept_records("e2e_edit_records", edit.what, edited.records()));
    for (const std::string& text : edit.told) EXPECT_TRUE(edited.told(text)) << text;
    expect_shown(edited, edit.shown);
  }
}

}  // namespace
}  // namespace plv::e2e
