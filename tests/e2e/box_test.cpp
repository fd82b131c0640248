// Boxes, outlined and filled: corners typed, pulled with the pointer and
// flat, the corners' ranges, and boxes reopened by undraw and edit.

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(Box, TypedPulledFlatAndFilled) {
  Session s;
  const Lines written = made(s, Script()
                                    .f(4).then(walk::fields({"100", "100", "0", "0"})).f(9).enter()  // reverse order
                                    .f(4).f(1).enter().enter()  // the same corners by the pointer
                                    .f(4).then(walk::fields({"0", "0", "100", "0"})).f(9).enter()  // flat
                                    .f(7).f(4).then(walk::fields({"-100", "-100", "100", "100"})).f(9).enter());
  // The filled box starts from the corners typed for the flat one.
  EXPECT_TRUE(shows_golden(s, "filled_rectangle_menu_from_flat_box"));
  // Typed corners keep their order, the pointer's come lower-left first,
  // a flat box is a solid line, and a filled rectangle has no edges kept.
  EXPECT_EQ(last(written, 5), (Lines{kShownColour, "BX   100   100     0     0", "BX     0     0   100   100",
                                     "LI     0     0   100     0", "RF -100. -100.  100.  100.  0"}));
}

TEST(Box, PulledWithThePointerThenReopened) {
  Session s;
  // Each drag takes a corner of the box from -100,-100 to 100,100 to a new
  // place; undraw erases it from the picture, and F9 makes it again.
  const Lines written =
      made(s, Script().f(4).f(1).drag(-100, -100, -30, -40).drag(100, 100, 10, 20).enter().enter().f(9).enter().f(9).enter());
  EXPECT_EQ(screens_of(s, "box_menu").size(), 2u);
  EXPECT_TRUE(shows_golden(s, "box_menu_reopened", 1));
  // The first box left the drawing; the reopened one follows its colour
  // record (its layer record equals the one already written).
  EXPECT_EQ(last(written, 2), (Lines{kShownColour, "BX   -30   -40    10    20"}));
  EXPECT_EQ(with_code(written, "BX").size(), 1u);
}

TEST(Box, FilledReopenedFromTheMoreCreateMenu) {
  Session s;
  // Undraw and edit shows the erased picture first.
  const Lines written =
      made(s, Script().f(7).f(4).f(9).enter().f(7).f(9).enter().then(walk::fields({"-50"})).f(9).enter());
  const auto filled = screens_of(s, "filled_rectangle_menu");
  ASSERT_GE(filled.size(), 2u);
  EXPECT_EQ(row(filled.back(), 7), "      BOX LOWER LEFT CORNER: X      -50  Y     -100");
  EXPECT_EQ(last(written, 2), (Lines{kShownColour, "RF  -50. -100.  100.  100.  0"}));
  EXPECT_EQ(with_code(written, "RF").size(), 1u);
}

// A typed corner outside its record's file columns is refused with the
// range, and the field edited again: an outline's corners are kept as a
// line's ends are, a filled rectangle's in narrower fixed columns.
TEST(Box, TypedCornersTakeWhatTheirFileFormHolds) {
  Session s;
  const Lines written = made(s, Script()
                                    .f(4).then(walk::fields({"-100000", "-50000"})).f(9).enter()
                                    .f(7).f(4).then(walk::fields({"-10000", "-9999"})).f(9).enter());
  // The first screen of the menu that tells a range: its corner row and the range.
  const auto told = [&s](std::string_view menu) -> std::string {
    for (const std::string& screen : screens_of(s, menu))
      if (!row(screen, 24).empty()) return row(screen, 7) + "|" + row(screen, 24);
    return "(not told)";
  };
  EXPECT_EQ(told("box_menu"), "      BOX LOWER LEFT CORNER: X     -100  Y     -100|"
                              "          ONLY VALUES FROM -99999 TO 999999 ARE TAKEN HERE.");
  EXPECT_EQ(told("filled_rectangle_menu"), "      BOX LOWER LEFT CORNER: X   -50000  Y     -100|"
                                           "          ONLY VALUES FROM -9999 TO 99999 ARE TAKEN HERE.");
  EXPECT_EQ(last(written, 2), (Lines{"BX-50000  -100   100   100", "RF-9999. -100.  100.  100.  0"}));
}

}  // namespace
}  // namespace plv::e2e
