#include <gtest/gtest.h>

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
  EXPECT_EQ(s.steps[0].key.code(), 129);
  EXPECT_EQ(s.steps[1].key.code(), 140);
  EXPECT_EQ(s.steps[2].key, Key::kUp);
  EXPECT_EQ(s.steps[2].line, 5);
  EXPECT_EQ(s.steps[3].key.code(), 13);
  EXPECT_EQ(s.steps[4].key, Key::character('a'));
  // "type" types everything after its blank, '#' included.
  EXPECT_EQ(s.steps[5].key, Key::character('a'));
  EXPECT_EQ(s.steps[6].key, Key::kSpace);
  EXPECT_EQ(s.steps[7].key, Key::character('#'));
  EXPECT_EQ(s.steps[8].key, Key::character('b'));
  EXPECT_EQ(s.steps[9].kind, Kind::kClick);
  EXPECT_EQ(s.steps[9].a, 3);
  EXPECT_EQ(s.steps[9].b, 10);
  EXPECT_EQ(s.steps[9].button, 1);
  EXPECT_EQ(s.steps[10].button, 2);
  EXPECT_EQ(s.steps[11].kind, Kind::kPick);
  EXPECT_EQ(s.steps[11].a, -100);
  EXPECT_EQ(s.steps[12].button, 2);
  EXPECT_EQ(s.steps[13].kind, Kind::kMove);
  EXPECT_EQ(s.steps[13].b, -2);
  EXPECT_EQ(s.steps[14].kind, Kind::kDrag);
  EXPECT_EQ(s.steps[14].d, 4);
  EXPECT_EQ(s.steps[15].button, 2);
  EXPECT_EQ(s.steps[16].kind, Kind::kClose);
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
