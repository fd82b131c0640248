// What the create menus' element menus share: the points handed on from
// one element to the next, pointing given up with Escape, picks beyond
// what the file holds, snapping, Shift+Tab, and the guard without a drawing.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

const std::string kBar = "SC MODE BAR\n";

using CreateMenu = SessionTest;

TEST_F(CreateMenu, ElementsHandTheirPointsOn) {
  const Made sessions[] = {
      {"a box after a line starts from the line's ends",
       Script().f(1).tab(2).field("5").tab().field("7").f(9).enter().f(4).f(9).enter(),
       first_made({"LI     5     7   100   100 S", "BX     5     7   100   100"})},
      // The second ellipse menu shows the first set of picks. Both sets left
      // the shared points at the last pick, so the band's first end is as
      // near the old first point as the old second: it becomes the second
      // point. The circle menu starts from the ellipse's picks, which it shares.
      {"elements made with the pointer",
       Script()
           // Ellipse: three picks with no width keep the menu open with them; three more make it.
           .f(7).f(1).f(1).point(10, 20).point(10, 50).point(10, 80).f(1).point(10, 20).point(50, 20).point(10, 80)
           .enter()
           // Bracket: the band's second end moved, then its first end dragged.
           .f(7).f(2).f(1).move(200, -50).drag(10, 80, -60, 90).enter().enter()
           // Filled rectangle: two corners of the box dragged.
           .f(7).f(4).f(1).drag(-60, -50, -30, -20).drag(200, 90, 150, 60).enter().enter()
           // Circle: centre, arc start and arc end picked.
           .f(5).f(1).point(5, 5).point(105, 5).point(5, -95).enter(),
       {kIdentityLayer, kShownColour, "EL     0.10000E+02    0.20000E+02    0.40000E+02    0.60000E+02",
        // Facing right: stored from the band's second end to its first.
        "BR   200   -50   -60    90",
        // Lower-left corner first, whichever way the box was pulled.
        "RF  -30.  -20.  150.   60.  0", "CI     5     5   105     5     5   -95"},
       {{"ellipse_menu_after_picks", 1, 2}, {"filled_rectangle_menu_after_picks", 0, 1},
        {"circle_menu_from_ellipse_picks", 0, 1}},
       kBar},
      // Line menu: on to the start x, back to the width. Box menu: back from
      // its first field to the last, then once more.
      {"Shift+Tab goes back a field, and from the first to the last",
       Script().f(1).tab(2).backtab().field("3").f(9).enter().f(4).backtab().field("77").backtab().field("55").f(9)
           .enter(),
       first_made({"LW  -100  -100   100   100     3", "BX  -100  -100    55    77"})},
  };
  for (const Made& made : sessions) expect_made(made);
}

// Escape during a snap's pick, a rubber-band line, a box and the third
// pick of a circle: nothing is made, the menu comes back as it was before
// F1, and the shared points are untouched for the next element.
TEST_F(CreateMenu, EscapeWhilePointingMakesNothing) {
  // One line menu a wait: F1, D, F1, F10 and the last line's F9.
  expect_made(s, {"escaped",
                  Script().f(1).f(4).esc().type("D").f(1).move(200, -50).esc().f(10)
                      .f(4).f(1).drag(-100, -100, -30, -40).esc().f(10)
                      .f(5).f(1).point(5, 5).point(105, 5).esc().f(10)
                      .f(5).f(1).pick(5, 5).esc().f(10)  // Escape at the cross marking a pick
                      .then(walk::line()),
                  // Only the last line, from the points as they were, in the remembered type.
                  {kIdentityLayer, kShownColour, "LI  -100  -100   100   100 S"},
                  {{"line_menu_dashed", 3, 5}, {"box_menu", 1, 2}, {"circle_menu", 1, 4}, {"circle_menu", 3}},
                  kBar});
  EXPECT_FALSE(s.told("NO ELEMENT TO SNAP TO"));
}

TEST_F(CreateMenu, APickBeyondWhatTheFileHoldsMakesNothing) {
  // The view zoomed out a thousand times: a pick near the edge of the
  // picture lands a million units out. Each refused element is shown, then
  // refused (a key each), and forgotten: the F9 after it must not take the
  // typed line away as if it were the element just made.
  const Script refused = Script().enter().enter().f(9);
  expect_made(s, {"refused",
                  walk::line()
                      .f(7).f(4).f(1).drag(0, 0, 1000, 1000).enter().then(refused)        // filled rectangle
                      .f(1).f(1).move(1000, 1000).enter().then(refused)                   // line
                      .f(3).type("FAR").f(1).pick(1000, 0).then(refused)                  // string
                      .f(5).f(1).point(0, 0).point(1000, 0).point(0, 1000).then(refused)  // circle
                      .f(7).f(5).f(1).point(0, 0).point(1000, 0).point(1000, 1000).point(0, 1000).then(refused),
                  {kIdentityLayer, kShownColour, "LI  -100  -100   100   100 S"}, {}, kBar, {}, "0.1000000E-02"});
  const auto told = screens_of(s, "element_too_large");
  EXPECT_EQ(told.size(), 5u);
  for (const std::string& screen : told) EXPECT_TRUE(matches_golden(screen, "element_too_large"));
  // The session ended on the exit menu, so no key went astray.
  EXPECT_EQ(row(s.screens().back(), 3), heading_of("exit_menu").text);
}

TEST(Snap, ToTheNearestPointOnTheWorkLayerOrNowhere) {
  const Made sessions[] = {
      // Working on layer 2, a pick at the layer-1 line snaps to the layer-2 one.
      {"the work layer honoured", Script().f(1).f(4).point(5, 5).f(9).enter(),
       {kShownColour, "LI   500   500   100   100 S"}, {},
       "SC MODE BAR\nLA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI     0     0    10    10 S\n"
           "LA  2  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI   500   500   600   600 S\n",
       Script().field("2")},
      // The start stays where it was.
      {"an empty drawing has nothing to snap to", Script().f(1).f(4).point(5, 5).f(9).enter(),
       first_made({"LI  -100  -100   100   100 S"}), {{"e2e_nothing_to_snap_to"}}},
      // The first line is shown doubled and moved 50 to the right: its ends
      // at (50, 0) and (250, 0). Two lines end 10 either side of (0, 300); the
      // last line's two ends lie 30 either side of (500, 0). Between two
      // records the earlier wins, within a record the earlier point.
      {"points go through their layer and ties go to the earlier one",
       Script().f(2).f(4).point(0, 300).f(6).point(240, 10).f(9).enter().f(1).f(4).point(500, 0).f(6).point(20, -10)
           .f(9).enter(),
       {kShownColour, "AR   -10   300   250     0 N N Y N N 0.500", "LI   500    30    50     0 S"}, {},
       kBar + "LA  1  0.2000000E+01  0.5000000E+02  0.0000000E+00\nLI     0     0   100     0 S\n" + kIdentityLayer +
           "\nLI   -10   300  -200   300 S\nLI    10   300   200   300 S\nLI   500    30   500   -30 S\n"},
  };
  for (const Made& made : sessions) expect_made(made);
}

TEST(Snap, DeletedGraphicsAreTargetsOnlyWhileShown) {
  // Through the edit/delete menu (F8 there shows the deleted graphics) to a
  // line whose two ends snap next to the deleted line's ends.
  for (const auto& [edit_keys, made_line] : {std::pair{Script(), "LI   100   200     0   200 S"},
                                             std::pair{Script().f(8), "LI   100     0     0     0 S"}}) {
    Session s;
    s.put("d.plv", drawing("SC MODE BAR\nDELI0.000000E+000.000000E+000.100000E+030.000000E+00 S\n"
                           "LI     0   200   100   200 S\n"));
    ASSERT_TRUE(s.ends(walk::drawn().f(5).then(edit_keys).f(10).f(9).f(1).f(4).point(95, 5).f(6).point(5, -5).f(9)
                           .enter().then(walk::leave_and_write()), "d.plv"));
    EXPECT_EQ(last(s.records(), 1), Lines{made_line});
  }
}

TEST_F(CreateMenu, WithoutADrawingTheElementKeysAreGuarded) {
  // F6 on the file menu quits the drawing; the create menu still opens.
  ASSERT_TRUE(s.ends(walk::new_drawing("a").f(1).f(6).f(10).then(walk::create()).f(1).enter().f(10)));
  EXPECT_TRUE(shows_golden(s, "e2e_no_drawing_to_draw_in"));
  EXPECT_TRUE(screens_of(s, "line_menu").empty());
}

}  // namespace
}  // namespace plv::e2e
