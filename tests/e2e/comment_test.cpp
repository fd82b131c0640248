// Comments: written from column four, F9 clearing the field, nothing made
// by a quit, and a comment undrawn for good.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(Comment, StartsInColumnFourAndF9ClearsTheField) {
  Session s;
  const Lines written = made(s, Script()
                                    .f(7).f(3).type("   NOTE ONE").f(1)
                                    .f(7).f(3).f(1)                          // empty
                                    .f(7).f(3).type("LOST").f(9).type("OK").f(1)  // F9 clears
                                    .f(7).f(3).type("QUIT").f(10).f(10));    // quit: nothing
  EXPECT_EQ(last(written, 3), (Lines{"CM NOTE ONE", "CM", "CM OK"}));
  const auto menus = screens_of(s, "comment_menu");
  bool cleared = false;
  for (size_t i = 0; i + 1 < menus.size(); ++i)
    cleared |= row(menus[i], 7).find("LOST") != std::string::npos && row(menus[i + 1], 7) == "     COMMENT:";
  EXPECT_TRUE(cleared);
}

TEST(Comment, UndrawnIsGoneAndASecondF9HasNothingToUndraw) {
  Session s;
  EXPECT_TRUE(with_code(made(s, Script().f(7).f(3).type("NOTE").f(1).f(9).f(9)), "CM NOTE").empty());
}

}  // namespace
}  // namespace plv::e2e
