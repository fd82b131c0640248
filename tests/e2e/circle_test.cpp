// Circles: made from the start values, and none made without a radius,
// typed or picked.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(Circle, FromTheStartValuesAndNoneWithoutRadius) {
  Session s;
  // The second starts on its centre; the ellipse menu after it shares the points.
  const Lines written =
      made(s, Script().f(5).f(9).enter().f(5).then(walk::fields({"7", "7", "7", "7"})).f(9).f(7).f(1).f(10).f(10));
  EXPECT_TRUE(shows_golden(s, "ellipse_menu_from_circle_points"));
  EXPECT_EQ(last(written, 2), (Lines{kShownColour, "CI     0     0   100     0     0   100"}));
}

TEST(Circle, NoneWhenItsStartIsPickedWithinAUnitOfItsCentre) {
  Session s;
  // The view magnified ten times: the start picked lands 0.6 from the centre.
  s.put("plivet.set", settings_with_view_scale("0.1000000E+02"));
  EXPECT_TRUE(with_code(made(s, Script().f(5).f(1).point(0, 0).point(6, 0).point(0, 500)), "CI").empty());
}

}  // namespace
}  // namespace plv::e2e
