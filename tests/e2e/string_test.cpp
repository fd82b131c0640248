// Strings: their settings written, refused and remembered, placed with the
// pointer, and a string reopened in its menu by undraw and edit.

#include <gtest/gtest.h>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

TEST(String, SettingsWrittenRefusedAndRemembered) {
  Session s;
  const Lines strings = with_code(
      made(s, Script()
                  // three leading blanks, size 4, direction 3, key point in lower case
                  .f(3).type("   HELLO WORLD").enter().field("4").enter().field("3").enter().type("m").f(9).enter()
                  // a direction of 12 is refused where it is typed; the F9 that ended it is dropped
                  .f(3).tab(2).field("12").f(9).f(9).enter()
                  .f(3).f(1).pick(300, 200).enter()),  // placed with the pointer
      "CH");
  EXPECT_EQ(strings, (Lines{"CH     0     0  4 M 3 HELLO WORLD", "CH     0     0  4 M 3 HELLO WORLD",
                            "CH   300   200  4 M 3 HELLO WORLD"}));
  const auto menus = screens_of(s, "string_menu");
  bool refused = false;
  for (const auto& screen : menus) {
    if (row(screen, 24) != "          ONLY VALUES FROM 0 TO 9 ARE TAKEN HERE.") continue;
    refused = true;
    EXPECT_EQ(row(screen, 12), "         DIRECTION:   3 (0=+X,1=+Y,2=-X,3=-Y)");
  }
  EXPECT_TRUE(refused);
  // The last string started from the settings before it, the text left-justified.
  EXPECT_TRUE(shows_golden(s, "string_menu_settings_kept", -1));
}

TEST(String, UndrawAndEditReopensItInItsMenu) {
  Session s;
  // Made, undrawn, put back unchanged: it leaves the end of the drawing and
  // comes back after its colour and layer records; the file leaves out a
  // layer record equal to the one written before it.
  const Lines written = made(s, Script().f(3).type("SAME").f(9).enter().f(9).enter().f(9).enter());
  EXPECT_EQ(last(written, 4), (Lines{"SC BAR   7", kIdentityLayer, kShownColour, "CH     0     0 10 S 0 SAME"}));
  EXPECT_EQ(with_code(written, "CH").size(), 1u);
}

}  // namespace
}  // namespace plv::e2e
