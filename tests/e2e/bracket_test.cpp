// Brackets: their points ordered by the way they face, and the facing
// taken only as a capital letter.

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(Bracket, PointsOrderedByItsFacing) {
  Session s;
  const Lines written = made(s, Script()
                                    .f(7).f(2).then(walk::fields({"0", "0", "100", "0", "l"})).f(9).enter()
                                    .f(7).f(2).enter().enter().enter().enter().then(walk::fields({"L"})).f(9).enter());
  // The small letter was not taken: the second visit still faces right.
  const auto brackets = screens_of(s, "bracket_menu");
  const auto faces_small = [](const std::string& b) { return row(b, 11).find("FACES: l") != std::string::npos; };
  const auto typed_small = std::find_if(brackets.begin(), brackets.end(), faces_small);
  ASSERT_NE(typed_small, brackets.end());
  const auto second = std::find_if_not(typed_small, brackets.end(), faces_small);
  ASSERT_NE(second, brackets.end());
  EXPECT_EQ(row(*second, 7), "                    POINT A: X        0  Y        0");
  EXPECT_EQ(row(*second, 11), "  GOING FROM POINT A TO POINT B, THE BRACKET FACES: R (L OR R)");
  EXPECT_EQ(last(written, 3), (Lines{kShownColour, "BR   100     0     0     0", "BR     0     0   100     0"}));
}

}  // namespace
}  // namespace plv::e2e
