// Arrows: the switches written and remembered between visits, and the
// ends pulled with the pointer and snapped.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(Arrow, SwitchesAreWrittenAndRemembered) {
  Session s;
  const Lines arrows = with_code(made(s, Script()
                                             .f(2).f(9).enter()  // the start values
                                             // a bend typed in lower case, and the start x moved
                                             .f(2).tab(4).type("y").enter().field("250").f(9).enter()
                                             // no head at the start, an odd marker switch, then quit
                                             .f(2).type("n").tab(3).type("x").f(10)
                                             .f(2).f(9).enter()),
                                 "AR");
  // The quit kept the switches as typed; the points made last are kept too.
  EXPECT_EQ(arrows, (Lines{"AR  -100  -100   100   100 N N Y N N 0.500", "AR   250  -100   100   100 N N Y N Y 0.500",
                           "AR   250  -100   100   100 N x N N Y 0.500"}));
  EXPECT_TRUE(shows_golden(s, "arrow_menu_switches_kept", -1));
}

TEST(Arrow, PulledWithThePointerThenSnappedToItsEnds) {
  Session s;
  // Each drag takes the end it starts on: first the start, then the end.
  // Then both ends are snapped to the other ends of the first arrow.
  const Lines arrows = with_code(made(s, Script()
                                             .f(2).f(1).drag(-100, -100, -250, 50).drag(-250, 50, 400, 300).enter().enter()
                                             .f(2).f(4).point(390, 280).f(6).point(-240, 60).f(9).enter()),
                                 "AR");
  EXPECT_EQ(arrows, (Lines{"AR  -250    50   400   300 N N Y N N 0.500", "AR   400   300  -250    50 N N Y N N 0.500"}));
}

}  // namespace
}  // namespace plv::e2e
