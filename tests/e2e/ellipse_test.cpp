// Ellipses: made from their axes, and none without width.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(Ellipse, FromItsAxesAndNoneWithoutWidth) {
  Session s;
  // Then the horizontal end above the centre: F9 leaves the menu open, F10 quits it.
  const Lines written = made(s, Script()
                                    .f(7).f(1).then(walk::fields({"10", "10", "-30", "99", "55", "70"})).f(9).enter()
                                    .f(7).f(1).enter().enter().then(walk::fields({"10"})).f(9).f(10).f(10));
  const auto ellipses = screens_of(s, "ellipse_menu");
  ASSERT_FALSE(ellipses.empty());
  EXPECT_EQ(row(ellipses.back(), 9), "ENDPOINT OF THE HORIZONTAL AXIS: X       10  Y       99");
  EXPECT_EQ(last(written, 2), (Lines{kShownColour, "EL     0.10000E+02    0.10000E+02    0.40000E+02    0.60000E+02"}));
}

}  // namespace
}  // namespace plv::e2e
