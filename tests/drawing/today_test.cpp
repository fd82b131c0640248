#include "drawing/today.h"

#include <gtest/gtest.h>

namespace plv {
namespace {

TEST(TodayDate, DayMonthAndTwoDigitYear) {
  EXPECT_EQ(date_text(8, 12, 2026), " 8-DEC-26");
  EXPECT_EQ(date_text(1, 3, 2005), " 1-MAR- 5");
  EXPECT_EQ(date_text(31, 1, 1999), "31-JAN-99");
  EXPECT_EQ(date_text(15, 6, 2000), "15-JUN- 0");
  EXPECT_EQ(today_date_text().size(), 9u);
}

}  // namespace
}  // namespace plv
