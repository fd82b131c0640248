#include <gtest/gtest.h>

#include <iterator>
#include <tuple>

#include "host/events.h"
#include "host/scripted/script.h"

namespace plv::host {
namespace {

using Kind = ScriptStep::Kind;

TEST(Script, ParsesEveryKindOfLine) {
  const Script s = parse_script(
      "# a session\n"
      "key F1\n"
      "key f12   # trailing comment\n"
      "\n"
      "  key UP\r\n"
      "key ENTER\n"
      "key 97\n"
      "type a #b\n"
      "click 3 10\n"
      "click 25 80 right\n"
      "pick -100 250\n"
      "pick 5 5 right\n"
      "move 1 -2\n"
      "drag 1 2 3 4\n"
      "drag 1 2 3 4 right\n"
      "close\n");
  ASSERT_FALSE(s.error);
  ASSERT_EQ(s.steps.size(), 17u);
  // "type" types everything after its blank, '#' included.
  const Key keys[] = {Key::function(1), Key::function(12), Key::kUp, Key::kEnter, Key::character('a'),
                      Key::character('a'), Key::kSpace, Key::character('#'), Key::character('b')};
  for (size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(s.steps[i].key, keys[i]) << i;
  EXPECT_EQ(s.steps[2].line, 5);
  // The pointer steps and the close: kind, points and button.
  using Fields = std::tuple<Kind, int, int, int, int, int>;
  const Fields pointer[] = {{Kind::kClick, 3, 10, 0, 0, 1}, {Kind::kClick, 25, 80, 0, 0, 2},
                            {Kind::kPick, -100, 250, 0, 0, 1}, {Kind::kPick, 5, 5, 0, 0, 2},
                            {Kind::kMove, 1, -2, 0, 0, 1}, {Kind::kDrag, 1, 2, 3, 4, 1},
                            {Kind::kDrag, 1, 2, 3, 4, 2}, {Kind::kClose, 0, 0, 0, 0, 1}};
  for (size_t i = 0; i < std::size(pointer); ++i) {
    const ScriptStep& t = s.steps[9 + i];
    EXPECT_EQ(Fields(t.kind, t.a, t.b, t.c, t.d, t.button), pointer[i]) << 9 + i;
  }
}

TEST(Script, LinesOfOtherWhiteSpaceAreBlank) {
  const Script s = parse_script("\f\n\v\r\r\n\t \r\nkey F1\r\r\nclose # end\f\n");
  ASSERT_FALSE(s.error) << s.error->message;
  ASSERT_EQ(s.steps.size(), 2u);
  EXPECT_EQ(s.steps[0].line, 4);
  EXPECT_EQ(s.steps[1].kind, ScriptStep::Kind::kClose);
}

TEST(Script, MalformedLinesAreRejectedWithTheirLineNumber) {
  const char* bad[] = {
      "key F13", "key", "key UP DOWN", "click 0 5", "click 3 81", "click 3", "pick 1", "pick 1 x",
      "pick 1 2 left", "move 1 2 right", "drag 1 2 3", "close now", "press 1 2", "type", "pick 99999 0",
  };
  for (const char* line : bad) {
    const Script s = parse_script(std::string("key F1\n\n") + line + "\nkey F2\n");
    ASSERT_TRUE(s.error) << line;
    EXPECT_EQ(s.error->line, 3) << line;
    EXPECT_EQ(s.error->message.substr(0, 8), "line 3: ") << line;
    EXPECT_TRUE(s.steps.empty()) << line;
  }
  EXPECT_NE(parse_script("jump 1\n").error->message.find("\"jump\""), std::string::npos);
}

}  // namespace
}  // namespace plv::host
