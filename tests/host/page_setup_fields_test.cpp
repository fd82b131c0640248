#include "host/page_setup_fields.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>

namespace plv::host {
namespace {

TEST(PageSetupFields, ReadsInchesAsHundredths) {
  // Only the third decimal rounds; the last is past what an int holds.
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"1.005", 101}, {"1.004", 100}, {"1.0049", 100}, {"-1", -100}, {"+2.5", 250}, {"6.5\"", 650},
      {"  .05  ", 5}, {"1.", 100}, {"0.125", 13}, {"-1.005", -101}, {"1.2.3", {}}, {"", {}}, {"   ", {}},
      {".", {}}, {"-", {}}, {"\"", {}}, {"1 5", {}}, {"- 1", {}}, {"1\"\"", {}}, {"\"1", {}}, {"1-", {}},
      {"1e2", {}}, {"99999999999", {}}};
  for (const auto& [text, hundredths] : cases) EXPECT_EQ(parse_inches(text), hundredths) << text;
}

TEST(PageSetupFields, ShowsInchesWithTheMark) {
  for (const auto& [v, text] : {std::pair{650, "6.5\""}, {100, "1\""}, {125, "1.25\""}, {5, "0.05\""}, {0, "0\""},
                                {-100, "-1\""}})
    EXPECT_EQ(format_inches(v), text);
  for (const int v : {0, 5, 10, 99, 101, 650, 12345}) EXPECT_EQ(parse_inches(format_inches(v)), v);
}

TEST(PageSetupFields, SpinStepsToTheNextTenthOfAnInch) {
  // value, direction, lowest, expected
  for (const auto& [v, dir, low, want] : {std::tuple{650, +1, 0, 660}, {655, +1, 0, 660}, {650, -1, 0, 640},
                                          {655, -1, 0, 650}, {-15, +1, -100, -10}, {5, -1, 0, 0}, {0, -1, 0, 0},
                                          {10, -1, 10, 10}})
    EXPECT_EQ(step_inches(v, dir, low), want) << v << " " << dir;
}

TEST(PageSetupFields, DialogAcceptsOnlyAPageThatCanBePrinted) {
  const PageSetup start{100, 100, 650, true};
  const auto read = read_page_setup("0.5\"", "1.25", " 7 ", start);
  ASSERT_TRUE(read);
  EXPECT_EQ(std::tuple(read->top_margin, read->left_margin, read->width, read->landscape), std::tuple(50, 125, 700, true));
  EXPECT_TRUE(read_page_setup("0", "0", "0.01", start));
  EXPECT_FALSE(read_page_setup("1.2.3", "1", "6", start));
  EXPECT_FALSE(read_page_setup("1", "-1", "6", start));
  EXPECT_FALSE(read_page_setup("1", "1", "0", start));
}

TEST(PenWidthFields, ReadsPositiveWholeNumbersAndSteps) {
  for (const auto& [text, width] : {std::pair<const char*, std::optional<int>>{"3", 3}, {" 12 ", 12}, {"0", {}},
                                    {"-2", {}}, {"+2", {}}, {"1.5", {}}, {"", {}}, {"99999999999", {}}})
    EXPECT_EQ(parse_pen_width(text), width) << text;
  EXPECT_EQ(step_pen_width(2, +1), 3);
  EXPECT_EQ(step_pen_width(2, -1), 1);
  EXPECT_EQ(step_pen_width(1, -1), 1);
  const auto widths = read_pen_widths("1", "4", " 3");
  ASSERT_TRUE(widths);
  EXPECT_EQ(std::tuple(widths->window, widths->printer, widths->metafile), std::tuple(1, 4, 3));
  EXPECT_FALSE(read_pen_widths("1", "x", "3"));
  EXPECT_FALSE(read_pen_widths("1", "2", "0"));
}

}  // namespace
}  // namespace plv::host
