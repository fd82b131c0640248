// What the create menus' element menus share: the points handed on from
// one element to the next, pointing given up with Escape, picks beyond
// what the file holds, snapping, Shift+Tab, and the guard without a drawing.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(CreateMenu, ABoxAfterALineStartsFromTheLinesEnds) {
  Session s;
  const Lines written = made(s, Script().f(1).tab(2).field("5").tab().field("7").f(9).enter().f(4).f(9).enter());
  EXPECT_EQ(last(written, 2), (Lines{"LI     5     7   100   100 S", "BX     5     7   100   100"}));
}

TEST(CreateMenu, ElementsFromThePointerHandTheirPointsOn) {
  Session s;
  const Lines written = made_in(
      s, "SC MODE BAR\n",
      Script()
          // Ellipse: three picks with no width keep the menu open with them; three more make it.
          .f(7).f(1).f(1).point(10, 20).point(10, 50).point(10, 80).f(1).point(10, 20).point(50, 20).point(10, 80).enter()
          // Bracket: the band's second end moved, then its first end dragged.
          .f(7).f(2).f(1).move(200, -50).drag(10, 80, -60, 90).enter().enter()
          // Filled rectangle: two corners of the box dragged.
          .f(7).f(4).f(1).drag(-60, -50, -30, -20).drag(200, 90, 150, 60).enter().enter()
          // Circle: centre, arc start and arc end picked.
          .f(5).f(1).point(5, 5).point(105, 5).point(5, -95).enter());
  EXPECT_EQ(written, (Lines{"SC MODE BAR", kIdentityLayer, kShownColour,
                            "EL     0.10000E+02    0.20000E+02    0.40000E+02    0.60000E+02",
                            // Facing right: stored from the band's second end to its first.
                            "BR   200   -50   -60    90",
                            // Lower-left corner first, whichever way the box was pulled.
                            "RF  -30.  -20.  150.   60.  0", "CI     5     5   105     5     5   -95"}));
  // The second ellipse menu shows the first set of picks. Both sets left
  // the shared points at the last pick, so the band's first end is as
  // near the old first point as the old second: it becomes the second
  // point. The circle menu starts from the ellipse's picks, which it shares.
  EXPECT_EQ(screens_of(s, "ellipse_menu").size(), 2u);
  EXPECT_TRUE(shows_golden(s, "ellipse_menu_after_picks", 1));
  EXPECT_EQ(screens_of(s, "filled_rectangle_menu").size(), 1u);
  EXPECT_TRUE(shows_golden(s, "filled_rectangle_menu_after_picks"));
  EXPECT_EQ(screens_of(s, "circle_menu").size(), 1u);
  EXPECT_TRUE(shows_golden(s, "circle_menu_from_ellipse_picks"));
}

// Escape during a snap's pick, a rubber-band line, a box and the third
// pick of a circle: nothing is made, the menu comes back as it was before
// F1, and the shared points are untouched for the next element.
TEST(CreateMenu, EscapeWhilePointingMakesNothing) {
  Session s;
  const Lines written = made_in(s, "SC MODE BAR\n",
                                Script()
                                    .f(1).f(4).esc().type("D").f(1).move(200, -50).esc().f(10)
                                    .f(4).f(1).drag(-100, -100, -30, -40).esc().f(10)
                                    .f(5).f(1).point(5, 5).point(105, 5).esc().f(10)
                                    .f(5).f(1).pick(5, 5).esc().f(10)  // Escape at the cross marking a pick
                                    .then(walk::line()));
  // Only the last line, from the points as they were, in the remembered type.
  EXPECT_EQ(written, (Lines{"SC MODE BAR", kIdentityLayer, kShownColour, "LI  -100  -100   100   100 S"}));
  EXPECT_FALSE(s.told("NO ELEMENT TO SNAP TO"));
  // One screen a wait: F1, D, F1, F10 and the last line's F9.
  EXPECT_EQ(screens_of(s, "line_menu").size(), 5u);
  EXPECT_TRUE(shows_golden(s, "line_menu_dashed", 3));
  EXPECT_EQ(screens_of(s, "box_menu").size(), 2u);
  EXPECT_TRUE(shows_golden(s, "box_menu", 1));
  EXPECT_EQ(screens_of(s, "circle_menu").size(), 4u);
  EXPECT_TRUE(shows_golden(s, "circle_menu", 1));
  EXPECT_TRUE(shows_golden(s, "circle_menu", 3));
}

TEST(CreateMenu, APickBeyondWhatTheFileHoldsMakesNothing) {
  Session s;
  // The view zoomed out a thousand times: a pick near the edge of the
  // picture lands a million units out. Each refused element is shown, then
  // refused (a key each), and forgotten: the F9 after it must not take the
  // typed line away as if it were the element just made.
  s.put("plivet.set", settings_with_view_scale("0.1000000E-02"));
  const Script refused = Script().enter().enter().f(9);
  const Lines written =
      made_in(s, "SC MODE BAR\n",
              walk::line()
                  .f(7).f(4).f(1).drag(0, 0, 1000, 1000).enter().then(refused)              // filled rectangle
                  .f(1).f(1).move(1000, 1000).enter().then(refused)                         // line
                  .f(3).type("FAR").f(1).pick(1000, 0).then(refused)                        // string
                  .f(5).f(1).point(0, 0).point(1000, 0).point(0, 1000).then(refused)         // circle
                  .f(7).f(5).f(1).point(0, 0).point(1000, 0).point(1000, 1000).point(0, 1000).then(refused));
  EXPECT_EQ(written, (Lines{"SC MODE BAR", kIdentityLayer, kShownColour, "LI  -100  -100   100   100 S"}));
  const auto told = s.screens_with(3, ">>>ERROR:");
  ASSERT_EQ(told.size(), 5u);
  for (const std::string& screen : told) EXPECT_TRUE(matches_golden(screen, "element_too_large"));
  // The session ended on the exit menu, so no key went astray.
  EXPECT_EQ(row(s.screens().back(), 3), heading_of("exit_menu").text);
}

TEST(Snap, HonoursTheWorkLayerAndTellsWhenNothingIsThere) {
  Session s;
  s.put("d.plv", drawing("SC MODE BAR\nLA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI     0     0    10    10 S\n"
                         "LA  2  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI   500   500   600   600 S\n"));
  // Work on layer 2: a pick at the layer-1 line snaps to the layer-2 one.
  ASSERT_TRUE(s.ends(Script().f(10).field("2").then(walk::create()).f(1).f(4).point(5, 5).f(9).enter()
                         .then(walk::leave_and_write()), "d.plv"));
  EXPECT_EQ(last(s.records(), 3), (Lines{"LI   500   500   600   600 S", kShownColour, "LI   500   500   100   100 S"}));

  // An empty drawing has nothing to snap to: the start stays where it was.
  Session empty;
  EXPECT_EQ(last(made(empty, Script().f(1).f(4).point(5, 5).f(9).enter()), 1), Lines{"LI  -100  -100   100   100 S"});
  EXPECT_FALSE(empty.screens_with(5, "NO ELEMENT TO SNAP TO: THE POINT STAYS AS IT WAS.").empty());
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

TEST(Snap, PointsGoThroughTheirLayerAndTiesGoToTheEarlierOne) {
  Session s;
  // The first line is shown doubled and moved 50 to the right: its ends at
  // (50, 0) and (250, 0). Two lines end 10 either side of (0, 300); the
  // last line's two ends lie 30 either side of (500, 0).
  const Lines written = made_in(
      s,
      "SC MODE BAR\nLA  1  0.2000000E+01  0.5000000E+02  0.0000000E+00\nLI     0     0   100     0 S\n" + kIdentityLayer +
          "\nLI   -10   300  -200   300 S\nLI    10   300   200   300 S\nLI   500    30   500   -30 S\n",
      Script().f(2).f(4).point(0, 300).f(6).point(240, 10).f(9).enter()
          .f(1).f(4).point(500, 0).f(6).point(20, -10).f(9).enter());
  // Between two records the earlier wins, within a record the earlier point.
  EXPECT_EQ(last(written, 2), (Lines{"AR   -10   300   250     0 N N Y N N 0.500", "LI   500    30    50     0 S"}));
}

TEST(FieldKeys, ShiftTabGoesBackAFieldAndFromTheFirstToTheLast) {
  Session s;
  // Line menu: on to the start x, back to the width. Box menu: back from
  // its first field to the last, then once more.
  const Lines written = made(s, Script()
                                    .f(1).tab(2).backtab().field("3").f(9).enter()
                                    .f(4).backtab().field("77").backtab().field("55").f(9).enter());
  EXPECT_EQ(last(written, 2), (Lines{"LW  -100  -100   100   100     3", "BX  -100  -100    55    77"}));
}

TEST(CreateMenu, WithoutADrawingTheElementKeysAreGuarded) {
  Session s;
  // F6 on the file menu quits the drawing; the create menu still opens.
  ASSERT_TRUE(s.ends(walk::new_drawing("a").f(1).f(6).f(10).then(walk::create()).f(1).enter().f(10)));
  const auto guard = s.screens_with(3, "ERROR: TO DRAW YOU MUST OPEN A DRAWING FILE.");
  ASSERT_FALSE(guard.empty());
  EXPECT_EQ(row(guard[0], 5), "USE F1 TO GET THE FILE MENU.");
  EXPECT_TRUE(screens_of(s, "line_menu").empty());
}

}  // namespace
}  // namespace plv::e2e
