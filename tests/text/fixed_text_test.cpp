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
  const auto lines_of = [](std::string_view text) {
    std::vector<std::string> lines;
    for_each_line(text, [&](std::string_view l) {
      lines.emplace_back(l);
      return l != "STOP";
    });
    return lines;
  };
  EXPECT_EQ(lines_of("one\r\ntwo\n\nthree"), (std::vector<std::string>{"one", "two", "", "three"}));
  EXPECT_EQ(lines_of("a\nSTOP\nb\n"), (std::vector<std::string>{"a", "STOP"}));
}

}  // namespace
}  // namespace plv::text
