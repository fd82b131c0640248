// The create menus in whole sessions, as rows of tables where they can be:
// each kind of element made, remembered, refused and reopened, and what
// the element menus share, from points handed on to snapping.

#include <gtest/gtest.h>

#include "e2e/golden.h"

namespace plv::e2e {
namespace {

// A session through the create menus, and what it must show and write.
struct Made {
  const char* what;
  Script steps;  // in the create menu
  std::vector<Shown> shown = {};
  std::string body = "";            // of the drawing d.plv made in; a new drawing a.plv when empty
  std::string view_scale = "";      // of the settings, when the view is magnified
  Script to_menu = walk::create();  // from the main menu into the create menu
};

// The session of `made` run in `s`: the records it adds to the drawing's
// own are those kept for it.
void expect_made(Session& s, const Made& made) {
  SCOPED_TRACE(made.what);
  // What the settings leave out keeps its default.
  if (!made.view_scale.empty())
    s.put("plivet.set", "\nCM SETUP FILE FOR PROGRAM PLIVET\nSC   " + made.view_scale + "\nEN\n");
  const Script steps = Script(made.to_menu).then(made.steps).then(walk::leave_and_write());
  Lines added;
  if (made.body.empty()) {
    // A new drawing's own: its name, a blank comment and the colour mode.
    EXPECT_TRUE(s.ends(walk::new_drawing("a").then(steps)));
    const Lines written = s.records("a.plv");
    EXPECT_TRUE(written.front().starts_with("CM a.plv "));
    added = after(Lines(written.begin() + 1, written.end()), {"CM", "SC MODE BAR"});
  } else {
    EXPECT_TRUE(s.ends_in(made.body, Script().f(10).then(steps)));
    added = after(s.records(), lines_of(made.body));
  }
  EXPECT_EQ(added, kept_records("e2e_made_records", made.what, added));
  expect_shown(s, made.shown);
}

void expect_made(const Made& made) {
  Session s;
  expect_made(s, made);
}

const std::string kMagnified = "0.1000000E+02";  // ten times: a pick at 127 lands at 12.7

TEST(Elements, EachKindTypedPulledRefusedAndReopened) {
  const Made sessions[] = {
      {"a dashed line, one quit, then colour 12 and width 3; 16 is no colour and F8 views",
       Script().f(1).type("D").f(9).enter().f(1).f(10).field("12").f(1).tab().field("3").f(9).enter().field("16").f(8)
           .enter()},
      {"a line snapped to an arc's end, its end pulled, then a coordinate out of range",
       Script().f(1).f(4).point(10, 290).f(1).move(50, 60).enter().enter().f(1).tab(2).field("1234567").enter().f(10),
       {{"e2e_line_menu_out_of_range", -1}},
       "SC MODE BAR\nCI     0     0   300     0     0   300\nLA  2  0.1000000E+01  0.5000000E+03  0.0000000E+00\n"
       "LI     0     0    10    10 S\n"},
      // Made, undrawn (the picture waits), made again unchanged: back after
      // its colour record, the same layer record not written twice.
      {"a line undrawn and made again", walk::line().f(9).enter().f(9).enter()},
      {"quitting the reopened menu takes the line away for good", walk::line().f(9).enter().f(10).f(9)},
      // The quit kept the switches as typed; the points made last are kept too.
      {"arrows' switches written, remembered and kept by a quit",
       Script().f(2).f(9).enter().f(2).tab(4).type("y").enter().field("250").f(9).enter().f(2).type("n").tab(3)
           .type("x").f(10).f(2).f(9).enter(),
       {{"arrow_menu_switches_kept", -1}}},
      // Each drag takes the end it starts on: first the start, then the end.
      // Then both ends are snapped to the other ends of the first arrow.
      {"an arrow pulled with the pointer, then one snapped to its ends",
       Script().f(2).f(1).drag(-100, -100, -250, 50).drag(-250, 50, 400, 300).enter().enter().f(2).f(4).point(390, 280)
           .f(6).point(-240, 60).f(9).enter()},
      // Three leading blanks, size 4, direction 3, the key point in lower
      // case; then a direction of 12 refused where it is typed, the F9 that
      // ended it dropped; then one placed with the pointer. The last started
      // from the settings before it, the text left-justified.
      {"strings' settings written, refused and remembered",
       Script().f(3).type("   HELLO WORLD").enter().field("4").enter().field("3").enter().type("m").f(9).enter()
           .f(3).tab(2).field("12").f(9).f(9).enter().f(3).f(1).pick(300, 200).enter(),
       {{"e2e_string_menu_direction_refused", -2}, {"string_menu_settings_kept", -1}}},
      // The file leaves out a layer record equal to the one written before it.
      {"a string undrawn and put back unchanged", Script().f(3).type("SAME").f(9).enter().f(9).enter().f(9).enter()},
      // Typed corners keep their order, the pointer's come lower-left first,
      // a flat box is a solid line, and a filled rectangle has no edges kept.
      // The filled box starts from the corners typed for the flat one.
      {"boxes typed in reverse order, by the pointer, flat, and filled",
       Script().f(4).then(walk::fields({"100", "100", "0", "0"})).f(9).enter().f(4).f(1).enter().enter().f(4)
           .then(walk::fields({"0", "0", "100", "0"})).f(9).enter().f(7).f(4)
           .then(walk::fields({"-100", "-100", "100", "100"})).f(9).enter(),
       {{"filled_rectangle_menu_from_flat_box"}}},
      // Each drag takes a corner to a new place; undraw erases the box from
      // the picture, F9 makes it again after its colour record.
      {"a box pulled with the pointer, then reopened",
       Script().f(4).f(1).drag(-100, -100, -30, -40).drag(100, 100, 10, 20).enter().enter().f(9).enter().f(9).enter(),
       {{"box_menu_reopened", 1, 2}}},
      {"a filled rectangle reopened from the more create menu, its corner retyped",
       Script().f(7).f(4).f(9).enter().f(7).f(9).enter().then(walk::fields({"-50"})).f(9).enter(),
       {{"e2e_filled_rectangle_menu_reopened", -1}}},
      // A corner outside its record's file columns is refused with the range
      // and edited again: an outline's corners are kept as a line's ends, a
      // filled rectangle's in narrower fixed columns.
      {"typed corners take what their file form holds",
       Script().f(4).then(walk::fields({"-100000", "-50000"})).f(9).enter().f(7).f(4)
           .then(walk::fields({"-10000", "-9999"})).f(9).enter(),
       {{"e2e_box_menu_out_of_range", 9}, {"e2e_filled_rectangle_menu_out_of_range", 8}}},
      // The picks go into the record only; the menu still shows the typed corners.
      {"quadrilaterals typed and picked where a pick lands between whole units",
       Script().f(7).f(5).f(9).enter().f(7).f(5).f(1).point(127, -1000).point(1000, 1000).point(0, 0).point(0, 0)
           .enter().f(7).f(5).f(10).f(10),
       {{"e2e_quadrilateral_menu_after_picks", -1}}, "", kMagnified},
      // The second starts on its centre; the ellipse menu after it shares the points.
      {"a circle from the start values, and none without a radius",
       Script().f(5).f(9).enter().f(5).then(walk::fields({"7", "7", "7", "7"})).f(9).f(7).f(1).f(10).f(10),
       {{"ellipse_menu_from_circle_points"}}},
      // Magnified, the start picked lands 0.6 from the centre.
      {"no circle when its start is picked within a unit of its centre",
       Script().f(5).f(1).point(0, 0).point(6, 0).point(0, 500), {}, "", kMagnified},
      // Then the horizontal end above the centre: F9 leaves the menu open, F10 quits it.
      {"an ellipse from its axes, and none without width",
       Script().f(7).f(1).then(walk::fields({"10", "10", "-30", "99", "55", "70"})).f(9).enter().f(7).f(1).enter()
           .enter().then(walk::fields({"10"})).f(9).f(10).f(10),
       {{"e2e_ellipse_menu_no_width", -1}}},
      // The small letter is not taken: the second visit still faces right.
      {"brackets' points ordered by the way they face",
       Script().f(7).f(2).then(walk::fields({"0", "0", "100", "0", "l"})).f(9).enter().f(7).f(2).enter().enter()
           .enter().enter().then(walk::fields({"L"})).f(9).enter(),
       {{"e2e_bracket_menu_small_letter", 16}, {"e2e_bracket_menu_faces_right", 18}}},
      // From column four; then one empty, one whose field F9 cleared, one quit.
      {"comments from column four, F9 clearing the field",
       Script().f(7).f(3).type("   NOTE ONE").f(1).f(7).f(3).f(1).f(7).f(3).type("LOST").f(9).type("OK").f(1)
           .f(7).f(3).type("QUIT").f(10).f(10),
       {{"e2e_comment_menu_typed", 17}, {"e2e_comment_menu_cleared", 18}}},
      {"a comment undrawn is gone, and a second F9 has nothing to undraw",
       Script().f(7).f(3).type("NOTE").f(1).f(9).f(9)},
  };
  for (const Made& made : sessions) expect_made(made);
}

const std::string kBar = "SC MODE BAR\n";
const std::string kDeletedLine =
    "SC MODE BAR\nDELI0.000000E+000.000000E+000.100000E+030.000000E+00 S\nLI     0   200   100   200 S\n";
const Script kSnapBoth = Script().f(1).f(4).point(95, 5).f(6).point(5, -5).f(9).enter();

using CreateMenu = SessionTest;

TEST_F(CreateMenu, PointsHandedOnAndSnapped) {
  const Made sessions[] = {
      {"a box after a line starts from the line's ends",
       Script().f(1).tab(2).field("5").tab().field("7").f(9).enter().f(4).f(9).enter()},
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
       {{"ellipse_menu_after_picks", 1, 2}, {"filled_rectangle_menu_after_picks", 0, 1},
        {"circle_menu_from_ellipse_picks", 0, 1}},
       kBar},
      // Line menu: on to the start x, back to the width. Box menu: back from
      // its first field to the last, then once more.
      {"Shift+Tab goes back a field, and from the first to the last",
       Script().f(1).tab(2).backtab().field("3").f(9).enter().f(4).backtab().field("77").backtab().field("55").f(9)
           .enter()},
      // Working on layer 2, a pick at the layer-1 line snaps to the layer-2 one.
      {"the work layer honoured", Script().f(1).f(4).point(5, 5).f(9).enter(), {},
       "SC MODE BAR\nLA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI     0     0    10    10 S\n"
           "LA  2  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI   500   500   600   600 S\n",
       "", Script().field("2").then(walk::create())},
      // The start stays where it was.
      {"an empty drawing has nothing to snap to", Script().f(1).f(4).point(5, 5).f(9).enter(),
       {{"e2e_nothing_to_snap_to"}}},
      // The first line is shown doubled and moved 50 to the right: its ends
      // at (50, 0) and (250, 0). Two lines end 10 either side of (0, 300); the
      // last line's two ends lie 30 either side of (500, 0). Between two
      // records the earlier wins, within a record the earlier point.
      {"points go through their layer and ties go to the earlier one",
       Script().f(2).f(4).point(0, 300).f(6).point(240, 10).f(9).enter().f(1).f(4).point(500, 0).f(6).point(20, -10)
           .f(9).enter(),
       {},
       kBar + "LA  1  0.2000000E+01  0.5000000E+02  0.0000000E+00\nLI     0     0   100     0 S\n" + kIdentityLayer +
           "\nLI   -10   300  -200   300 S\nLI    10   300   200   300 S\nLI   500    30   500   -30 S\n"},
      // Through the edit/delete menu (F8 there shows the deleted graphics) to
      // a line whose two ends snap next to the deleted line's ends.
      {"a deleted graphic is no target while hidden", kSnapBoth, {}, kDeletedLine, "",
       Script().f(3).enter().f(5).f(10).f(9)},
      {"a deleted graphic is a target while shown", kSnapBoth, {}, kDeletedLine, "",
       Script().f(3).enter().f(5).f(8).f(10).f(9)},
  };
  for (const Made& made : sessions) expect_made(made);
}

// Escape during a snap's pick, a rubber-band line, a box and the third
// pick of a circle: nothing is made, the menu comes back as it was before
// F1, and the shared points are untouched for the next element.
TEST_F(CreateMenu, EscapeWhilePointingMakesNothing) {
  // One line menu a wait: F1, D, F1, F10 and the last line's F9.
  expect_made(s, {"Escape while pointing makes nothing",
                  Script().f(1).f(4).esc().type("D").f(1).move(200, -50).esc().f(10)
                      .f(4).f(1).drag(-100, -100, -30, -40).esc().f(10)
                      .f(5).f(1).point(5, 5).point(105, 5).esc().f(10)
                      .f(5).f(1).pick(5, 5).esc().f(10)  // Escape at the cross marking a pick
                      .then(walk::line()),
                  // Only the last line, from the points as they were, in the remembered type.
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
  expect_made(s, {"a pick beyond what the file holds makes nothing",
                  walk::line()
                      .f(7).f(4).f(1).drag(0, 0, 1000, 1000).enter().then(refused)        // filled rectangle
                      .f(1).f(1).move(1000, 1000).enter().then(refused)                   // line
                      .f(3).type("FAR").f(1).pick(1000, 0).then(refused)                  // string
                      .f(5).f(1).point(0, 0).point(1000, 0).point(0, 1000).then(refused)  // circle
                      .f(7).f(5).f(1).point(0, 0).point(1000, 0).point(1000, 1000).point(0, 1000).then(refused),
                  {}, kBar, "0.1000000E-02"});
  const auto told = screens_of(s, "element_too_large");
  EXPECT_EQ(told.size(), 5u);
  for (const std::string& screen : told) EXPECT_TRUE(matches_golden(screen, "element_too_large"));
  // The session ended on the exit menu, so no key went astray.
  EXPECT_EQ(row(s.screens().back(), 3), heading_of("exit_menu").text);
}

TEST_F(CreateMenu, WithoutADrawingTheElementKeysAreGuarded) {
  // F6 on the file menu quits the drawing; the create menu still opens.
  ASSERT_TRUE(s.ends(walk::new_drawing("a").f(1).f(6).f(10).then(walk::create()).f(1).enter().f(10)));
  EXPECT_TRUE(shows_golden(s, "e2e_no_drawing_to_draw_in"));
  EXPECT_TRUE(screens_of(s, "line_menu").empty());
}

}  // namespace
}  // namespace plv::e2e
