#include "host/page_setup_fields.h"

#include <gtest/gtest.h>

namespace plv::host {
namespace {

TEST(PageSetupFields, ReadsInchesAsHundredths) {
  EXPECT_EQ(parse_inches("1.005"), 101);
  EXPECT_EQ(parse_inches("1.004"), 100);
  EXPECT_EQ(parse_inches("1.0049"), 100);  // only the third decimal rounds
  EXPECT_EQ(parse_inches("-1"), -100);
  EXPECT_EQ(parse_inches("+2.5"), 250);
  EXPECT_EQ(parse_inches("6.5\""), 650);
  EXPECT_EQ(parse_inches("  .05  "), 5);
  EXPECT_EQ(parse_inches("1."), 100);
  EXPECT_EQ(parse_inches("0.125"), 13);
  EXPECT_EQ(parse_inches("-1.005"), -101);

  EXPECT_EQ(parse_inches("1.2.3"), std::nullopt);
  EXPECT_EQ(parse_inches(""), std::nullopt);
  EXPECT_EQ(parse_inches("   "), std::nullopt);
  EXPECT_EQ(parse_inches("."), std::nullopt);
  EXPECT_EQ(parse_inches("-"), std::nullopt);
  EXPECT_EQ(parse_inches("\""), std::nullopt);
  EXPECT_EQ(parse_inches("1 5"), std::nullopt);
  EXPECT_EQ(parse_inches("- 1"), std::nullopt);
  EXPECT_EQ(parse_inches("1\"\""), std::nullopt);
  EXPECT_EQ(parse_inches("\"1"), std::nullopt);
  EXPECT_EQ(parse_inches("1-"), std::nullopt);
  EXPECT_EQ(parse_inches("1e2"), std::nullopt);
  EXPECT_EQ(parse_inches("99999999999"), std::nullopt);  // past what an int holds
}

TEST(PageSetupFields, ShowsInchesWithTheMark) {
  EXPECT_EQ(format_inches(650), "6.5\"");
  EXPECT_EQ(format_inches(100), "1\"");
  EXPECT_EQ(format_inches(125), "1.25\"");
  EXPECT_EQ(format_inches(5), "0.05\"");
  EXPECT_EQ(format_inches(0), "0\"");
  EXPECT_EQ(format_inches(-100), "-1\"");
  for (const int v : {0, 5, 10, 99, 101, 650, 12345}) EXPECT_EQ(parse_inches(format_inches(v)), v);
}

TEST(PageSetupFields, SpinStepsToTheNextTenthOfAnInch) {
  EXPECT_EQ(step_inches(650, +1, 0), 660);
  EXPECT_EQ(step_inches(655, +1, 0), 660);
  EXPECT_EQ(step_inches(650, -1, 0), 640);
  EXPECT_EQ(step_inches(655, -1, 0), 650);
  EXPECT_EQ(step_inches(-15, +1, -100), -10);
  EXPECT_EQ(step_inches(5, -1, 0), 0);
  EXPECT_EQ(step_inches(0, -1, 0), 0);
  EXPECT_EQ(step_inches(10, -1, 10), 10);
}

TEST(PageSetupFields, DialogAcceptsOnlyAPageThatCanBePrinted) {
  const PageSetup start{100, 100, 650, true};
  const auto read = read_page_setup("0.5\"", "1.25", " 7 ", start);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->top_margin, 50);
  EXPECT_EQ(read->left_margin, 125);
  EXPECT_EQ(read->width, 700);
  EXPECT_TRUE(read->landscape);
  EXPECT_TRUE(read_page_setup("0", "0", "0.01", start));
  EXPECT_FALSE(read_page_setup("1.2.3", "1", "6", start));
  EXPECT_FALSE(read_page_setup("1", "-1", "6", start));
  EXPECT_FALSE(read_page_setup("1", "1", "0", start));
}

TEST(PenWidthFields, ReadsPositiveWholeNumbersAndSteps) {
  EXPECT_EQ(parse_pen_width("3"), 3);
  EXPECT_EQ(parse_pen_width(" 12 "), 12);
  EXPECT_EQ(parse_pen_width("0"), std::nullopt);
  EXPECT_EQ(parse_pen_width("-2"), std::nullopt);
  EXPECT_EQ(parse_pen_width("+2"), std::nullopt);
  EXPECT_EQ(parse_pen_width("1.5"), std::nullopt);
  EXPECT_EQ(parse_pen_width(""), std::nullopt);
  EXPECT_EQ(parse_pen_width("99999999999"), std::nullopt);

  EXPECT_EQ(step_pen_width(2, +1), 3);
  EXPECT_EQ(step_pen_width(2, -1), 1);
  EXPECT_EQ(step_pen_width(1, -1), 1);

  const auto widths = read_pen_widths("1", "4", " 3");
  ASSERT_TRUE(widths);
  EXPECT_EQ(widths->window, 1);
  EXPECT_EQ(widths->printer, 4);
  EXPECT_EQ(widths->metafile, 3);
  EXPECT_FALSE(read_pen_widths("1", "x", "3"));
  EXPECT_FALSE(read_pen_widths("1", "2", "0"));
}

}  // namespace
}  // namespace plv::host
