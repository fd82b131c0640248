// Filled quadrilaterals: typed, and picked where a pick lands between
// whole units.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(Quadrilateral, TypedAndPickedInAMagnifiedView) {
  Session s;
  s.put("plivet.set", settings_with_view_scale("0.1000000E+02"));  // ten times: 127 lands at 12.7
  const Lines written = made(s, Script()
                                    .f(7).f(5).f(9).enter()
                                    .f(7).f(5).f(1).point(127, -1000).point(1000, 1000).point(0, 0).point(0, 0).enter()
                                    .f(7).f(5).f(10).f(10));
  // The picks went into the record only; the menu still shows the typed corners.
  const auto quads = screens_of(s, "quadrilateral_menu");
  ASSERT_GE(quads.size(), 2u);
  EXPECT_EQ(row(quads.back(), 7), "                FIRST POINT: X     -100  Y     -100");
  EXPECT_EQ(last(written, 3), (Lines{kShownColour, "QF -100. -100.  100.  100.    0.    0.    0.    0.",
                                     "QF   13. -100.  100.  100.    0.    0.    0.    0."}));
}

}  // namespace
}  // namespace plv::e2e
