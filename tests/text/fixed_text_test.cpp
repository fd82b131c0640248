#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plv::text {
namespace {

TEST(FixedText, PaddingAndTrimming) {
  EXPECT_EQ(padded("AB", 4), "AB  ");
  EXPECT_EQ(padded("ABCDEF", 4), "ABCD");
  EXPECT_EQ(trimmed_right("  A B  "), "  A B");
  EXPECT_EQ(trimmed("  A B  "), "A B");
  EXPECT_EQ(trimmed("    "), "");
  EXPECT_TRUE(is_blank(""));
  EXPECT_TRUE(is_blank("   "));
  EXPECT_FALSE(is_blank("  \t"));  // only blanks pad a field
}

TEST(FixedText, LinesEndInLfOrCrLfAndTheReaderMayStop) {
  std::vector<std::string> lines;
  for_each_line("one\r\ntwo\n\nthree", [&](std::string_view l) {
    lines.emplace_back(l);
    return true;
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three"}));
  lines.clear();
  for_each_line("a\nSTOP\nb\n", [&](std::string_view l) {
    lines.emplace_back(l);
    return l != "STOP";
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "STOP"}));
}

}  // namespace
}  // namespace plv::text
