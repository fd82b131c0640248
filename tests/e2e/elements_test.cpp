// The element menus, a session a row: ends typed, pulled with the pointer
// and snapped, switches remembered between visits, values refused with
// their range, elements none is made of, and elements reopened by undraw
// and edit; the records written and the menus shown on the way.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

const std::string kMagnified = "0.1000000E+02";  // ten times: a pick at 127 lands at 12.7

TEST(Elements, LinesArrowsAndStrings) {
  const Made sessions[] = {
      {"a dashed line, one quit, then colour 12 and width 3; 16 is no colour and F8 views",
       Script().f(1).type("D").f(9).enter().f(1).f(10).field("12").f(1).tab().field("3").f(9).enter().field("16").f(8)
           .enter(),
       first_made({"LI  -100  -100   100   100 D", "SC BAR  12", "LW  -100  -100   100   100     3"})},
      {"a line snapped to an arc's end, its end pulled, then a coordinate out of range",
       Script().f(1).f(4).point(10, 290).f(1).move(50, 60).enter().enter().f(1).tab(2).field("1234567").enter().f(10),
       {kIdentityLayer, kShownColour, "LI     0   300    50    60 S"}, {{"e2e_line_menu_out_of_range", -1}},
       "SC MODE BAR\nCI     0     0   300     0     0   300\nLA  2  0.1000000E+01  0.5000000E+03  0.0000000E+00\n"
       "LI     0     0    10    10 S\n"},
      // Made, undrawn (the picture waits), made again unchanged: back after
      // its colour record, the same layer record not written twice.
      {"a line undrawn and made again", walk::line().f(9).enter().f(9).enter(),
       first_made({"LI  -100  -100   100   100 S"})},
      {"quitting the reopened menu takes the line away for good", walk::line().f(9).enter().f(10).f(9),
       {"SC BAR   7", kIdentityLayer}},
      // The quit kept the switches as typed; the points made last are kept too.
      {"arrows' switches written, remembered and kept by a quit",
       Script().f(2).f(9).enter().f(2).tab(4).type("y").enter().field("250").f(9).enter().f(2).type("n").tab(3)
           .type("x").f(10).f(2).f(9).enter(),
       first_made({"AR  -100  -100   100   100 N N Y N N 0.500", "AR   250  -100   100   100 N N Y N Y 0.500",
                   "AR   250  -100   100   100 N x N N Y 0.500"}),
       {{"arrow_menu_switches_kept", -1}}},
      // Each drag takes the end it starts on: first the start, then the end.
      // Then both ends are snapped to the other ends of the first arrow.
      {"an arrow pulled with the pointer, then one snapped to its ends",
       Script().f(2).f(1).drag(-100, -100, -250, 50).drag(-250, 50, 400, 300).enter().enter().f(2).f(4).point(390, 280)
           .f(6).point(-240, 60).f(9).enter(),
       first_made({"AR  -250    50   400   300 N N Y N N 0.500", "AR   400   300  -250    50 N N Y N N 0.500"})},
      // Three leading blanks, size 4, direction 3, the key point in lower
      // case; then a direction of 12 refused where it is typed, the F9 that
      // ended it dropped; then one placed with the pointer. The last started
      // from the settings before it, the text left-justified.
      {"strings' settings written, refused and remembered",
       Script().f(3).type("   HELLO WORLD").enter().field("4").enter().field("3").enter().type("m").f(9).enter()
           .f(3).tab(2).field("12").f(9).f(9).enter().f(3).f(1).pick(300, 200).enter(),
       first_made({"CH     0     0  4 M 3 HELLO WORLD", "CH     0     0  4 M 3 HELLO WORLD",
                   "CH   300   200  4 M 3 HELLO WORLD"}),
       {{"e2e_string_menu_direction_refused", -2}, {"string_menu_settings_kept", -1}}},
      // The file leaves out a layer record equal to the one written before it.
      {"a string undrawn and put back unchanged", Script().f(3).type("SAME").f(9).enter().f(9).enter().f(9).enter(),
       first_made({"CH     0     0 10 S 0 SAME"})},
  };
  for (const Made& made : sessions) expect_made(made);
}

TEST(Elements, BoxesAndFilledAreas) {
  const Made sessions[] = {
      // Typed corners keep their order, the pointer's come lower-left first,
      // a flat box is a solid line, and a filled rectangle has no edges kept.
      // The filled box starts from the corners typed for the flat one.
      {"boxes typed in reverse order, by the pointer, flat, and filled",
       Script().f(4).then(walk::fields({"100", "100", "0", "0"})).f(9).enter().f(4).f(1).enter().enter().f(4)
           .then(walk::fields({"0", "0", "100", "0"})).f(9).enter().f(7).f(4)
           .then(walk::fields({"-100", "-100", "100", "100"})).f(9).enter(),
       first_made({"BX   100   100     0     0", "BX     0     0   100   100", "LI     0     0   100     0",
                   "RF -100. -100.  100.  100.  0"}),
       {{"filled_rectangle_menu_from_flat_box"}}},
      // Each drag takes a corner to a new place; undraw erases the box from
      // the picture, F9 makes it again after its colour record.
      {"a box pulled with the pointer, then reopened",
       Script().f(4).f(1).drag(-100, -100, -30, -40).drag(100, 100, 10, 20).enter().enter().f(9).enter().f(9).enter(),
       first_made({"BX   -30   -40    10    20"}), {{"box_menu_reopened", 1, 2}}},
      {"a filled rectangle reopened from the more create menu, its corner retyped",
       Script().f(7).f(4).f(9).enter().f(7).f(9).enter().then(walk::fields({"-50"})).f(9).enter(),
       first_made({"RF  -50. -100.  100.  100.  0"}), {{"e2e_filled_rectangle_menu_reopened", -1}}},
      // A corner outside its record's file columns is refused with the range
      // and edited again: an outline's corners are kept as a line's ends, a
      // filled rectangle's in narrower fixed columns.
      {"typed corners take what their file form holds",
       Script().f(4).then(walk::fields({"-100000", "-50000"})).f(9).enter().f(7).f(4)
           .then(walk::fields({"-10000", "-9999"})).f(9).enter(),
       first_made({"BX-50000  -100   100   100", "RF-9999. -100.  100.  100.  0"}),
       {{"e2e_box_menu_out_of_range", 9}, {"e2e_filled_rectangle_menu_out_of_range", 8}}},
      // The picks go into the record only; the menu still shows the typed corners.
      {"quadrilaterals typed and picked where a pick lands between whole units",
       Script().f(7).f(5).f(9).enter().f(7).f(5).f(1).point(127, -1000).point(1000, 1000).point(0, 0).point(0, 0)
           .enter().f(7).f(5).f(10).f(10),
       first_made({"QF -100. -100.  100.  100.    0.    0.    0.    0.",
                   "QF   13. -100.  100.  100.    0.    0.    0.    0."}),
       {{"e2e_quadrilateral_menu_after_picks", -1}}, "", {}, kMagnified},
  };
  for (const Made& made : sessions) expect_made(made);
}

TEST(Elements, ArcsBracketsAndComments) {
  const Made sessions[] = {
      // The second starts on its centre; the ellipse menu after it shares the points.
      {"a circle from the start values, and none without a radius",
       Script().f(5).f(9).enter().f(5).then(walk::fields({"7", "7", "7", "7"})).f(9).f(7).f(1).f(10).f(10),
       first_made({"CI     0     0   100     0     0   100"}), {{"ellipse_menu_from_circle_points"}}},
      // Magnified, the start picked lands 0.6 from the centre.
      {"no circle when its start is picked within a unit of its centre",
       Script().f(5).f(1).point(0, 0).point(6, 0).point(0, 500), {}, {}, "", {}, kMagnified},
      // Then the horizontal end above the centre: F9 leaves the menu open, F10 quits it.
      {"an ellipse from its axes, and none without width",
       Script().f(7).f(1).then(walk::fields({"10", "10", "-30", "99", "55", "70"})).f(9).enter().f(7).f(1).enter()
           .enter().then(walk::fields({"10"})).f(9).f(10).f(10),
       first_made({"EL     0.10000E+02    0.10000E+02    0.40000E+02    0.60000E+02"}),
       {{"e2e_ellipse_menu_no_width", -1}}},
      // The small letter is not taken: the second visit still faces right.
      {"brackets' points ordered by the way they face",
       Script().f(7).f(2).then(walk::fields({"0", "0", "100", "0", "l"})).f(9).enter().f(7).f(2).enter().enter()
           .enter().enter().then(walk::fields({"L"})).f(9).enter(),
       first_made({"BR   100     0     0     0", "BR     0     0   100     0"}),
       {{"e2e_bracket_menu_small_letter", 16}, {"e2e_bracket_menu_faces_right", 18}}},
      // From column four; then one empty, one whose field F9 cleared, one quit.
      {"comments from column four, F9 clearing the field",
       Script().f(7).f(3).type("   NOTE ONE").f(1).f(7).f(3).f(1).f(7).f(3).type("LOST").f(9).type("OK").f(1)
           .f(7).f(3).type("QUIT").f(10).f(10),
       {"SC BAR   7", kIdentityLayer, "CM NOTE ONE", "CM", "CM OK"},
       {{"e2e_comment_menu_typed", 17}, {"e2e_comment_menu_cleared", 18}}},
      {"a comment undrawn is gone, and a second F9 has nothing to undraw",
       Script().f(7).f(3).type("NOTE").f(1).f(9).f(9), {"SC BAR   7"}},
  };
  for (const Made& made : sessions) expect_made(made);
}

}  // namespace
}  // namespace plv::e2e
