// Lines: solid, dashed and wide, with the colour and layer records that
// come with them; snapped, pulled and refused ends; undraw and edit.

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/creating.h"

namespace plv::e2e {
namespace {

bool holds(const Lines& records, const std::string& record) {
  return std::find(records.begin(), records.end(), record) != records.end();
}

TEST(Line, WithItsColourAndLayerRecords) {
  Session s;
  const Lines written = made(s, Script()
                                    .f(1).type("D").f(9).enter()                       // dashed, from the start values
                                    .f(1).f(10)                                        // quit: nothing appended
                                    .field("12").f(1).tab().field("3").f(9).enter()    // colour 12, width 3
                                    .field("16").f(8).enter());                        // 16 is no colour; F8 views
  // The colour the line was shown in comes before it; the layer record once.
  EXPECT_EQ(last(written, 7), (Lines{"SC MODE BAR", "SC BAR   7", kIdentityLayer, kShownColour,
                                     "LI  -100  -100   100   100 D", "SC BAR  12", "LW  -100  -100   100   100     3"}));
}

TEST(Line, SnappedToAnArcPulledWithThePointerAndRangeOfTypedCoordinates) {
  Session s;
  const Lines written = made_in(s,
                                "SC MODE BAR\nCI     0     0   300     0     0   300\n"
                                "LA  2  0.1000000E+01  0.5000000E+03  0.0000000E+00\nLI     0     0    10    10 S\n",
                                Script()
                                    .f(1).f(4).point(10, 290)     // the start snapped to the arc's end
                                    .f(1).move(50, 60).enter().enter()  // the end pulled, then the line seen
                                    .f(1).tab(2).field("1234567").enter().f(10));
  EXPECT_TRUE(holds(written, "LI     0   300    50    60 S"));
  EXPECT_FALSE(s.screens_with(24, "          ONLY VALUES FROM -99999 TO 999999 ARE TAKEN HERE.").empty());
}

TEST(Line, UndrawAndEditTheLastOne) {
  // Made, undrawn (the picture waits), made again unchanged: back after its
  // colour record, the same layer record not written twice.
  Session s;
  const Lines written = made(s, walk::line().f(9).enter().f(9).enter());
  EXPECT_EQ(last(written, 4), (Lines{"SC BAR   7", kIdentityLayer, kShownColour, "LI  -100  -100   100   100 S"}));
  EXPECT_EQ(with_code(written, "LI").size(), 1u);
  // Quitting the reopened menu takes the line away for good.
  Session gone;
  EXPECT_TRUE(with_code(made(gone, walk::line().f(9).enter().f(10).f(9)), "LI").empty());
}

}  // namespace
}  // namespace plv::e2e
