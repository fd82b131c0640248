// Which colour record graphics appended at the end of a drawing are drawn with.

#include <gtest/gtest.h>

#include "drawing/record_store.h"
#include "kinds/colour_in_force.h"
#include "kinds/colour_mode.h"

namespace plv {
namespace {

TEST(ColourInForce, TheLastColourSettingBeforeThePlaceAndColourSevenWithoutOne) {
  RecordStore store;
  EXPECT_EQ(colour_setting_in_force(store, store.count()), palette_colour_record(7));
  store.append(bar_mode_record());
  store.append(Record("LI  0.000000E+00"));
  EXPECT_EQ(colour_setting_in_force(store, store.count()), palette_colour_record(7));  // a mode is no colour
  store.append(palette_colour_record(12));
  store.append(Record("SC RGB   1.0 0.0 0.0"));
  store.append(Record("LA  0"));
  store.append(bar_mode_record());
  EXPECT_EQ(colour_setting_in_force(store, store.count()), Record("SC RGB   1.0 0.0 0.0"));
  EXPECT_EQ(colour_setting_in_force(store, 3), palette_colour_record(12));
  EXPECT_EQ(colour_setting_in_force(store, 2), palette_colour_record(7));
}

}  // namespace
}  // namespace plv
