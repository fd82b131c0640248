// Keys by the codes scripts name them with, and the scripts themselves.

#include "host/host_fixture.h"

namespace plv::host {
namespace {

using Kind = ScriptStep::Kind;

// Scripts and saved sessions name keys by their codes: they never move.
// (The named keys' codes are checked as the window delivers them.)
TEST(Key, CodesStayWhereScriptsFindThem) {
  const std::pair<Key, int> codes[] = {
      {Key::function(1), 129}, {Key::function(10), 138}, {Key::function(12), 140},
      {Key::pointer_press(kLeftButton), -1}, {Key::pointer_press(kRightButton), -2},
      {Key::character('\xe9'), 233}};  // characters past 127 stay positive
  for (const auto& [key, code] : codes) EXPECT_EQ(key.code(), code);
}

TEST(Key, FunctionKeysLettersAndTheEndsOfOtherWaitsAreToldApart) {
  EXPECT_TRUE(Key::function(1).is_function() && Key::function(12).is_function());
  EXPECT_FALSE(Key::from_code(128).is_function());
  EXPECT_FALSE(Key::kUp.is_function());  // right after F12
  EXPECT_EQ(Key::function(7).function_number(), 7);
  EXPECT_EQ(Key::kEnter.function_number(), 0);
  EXPECT_TRUE(Key::kClose.is_close() && !Key::kClose.is_pointer_press());
  EXPECT_TRUE(Key::pointer_press(kRightButton).is_pointer_press());
  EXPECT_FALSE(Key::pointer_press(kLeftButton).is_close() || Key::kNone.is_pointer_press());
  EXPECT_TRUE(Key::character('f').is_letter('f') && Key::character('F').is_letter('f'));
  EXPECT_FALSE(Key::character('g').is_letter('f') || Key::function(6).is_letter('f'));
  // '@' and '[' stand just before A and just after Z.
  for (const auto& [key, small] : {std::pair{Key::character('Q'), Key::character('q')},
                                   {Key::character('q'), Key::character('q')}, {Key::character('@'), Key::character('@')},
                                   {Key::character('['), Key::character('[')}, {Key::kUp, Key::kUp}})
    EXPECT_EQ(key.small_letter(), small);
}

TEST(Script, ParsesEveryKindOfLineAndTakesOtherWhiteSpaceForBlank) {
  const Script s = parse_script(
      "# a session\nkey F1\nkey f12   # trailing comment\n\n  key UP\r\nkey ENTER\nkey 97\ntype a #b\n"
      "click 3 10\nclick 25 80 right\npick -100 250\npick 5 5 right\nmove 1 -2\n"
      "drag 1 2 3 4\ndrag 1 2 3 4 right\nclose\n");
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
  // Lines of other white space are blank.
  const Script blanks = parse_script("\f\n\v\r\r\n\t \r\nkey F1\r\r\nclose # end\f\n");
  ASSERT_FALSE(blanks.error) << blanks.error->message;
  ASSERT_EQ(blanks.steps.size(), 2u);
  EXPECT_EQ(std::pair(blanks.steps[0].line, blanks.steps[1].kind), std::pair(4, Kind::kClose));
}

TEST(Script, MalformedLinesAreRejectedWithTheirLineNumber) {
  const char* bad[] = {
      "key F13", "key", "key UP DOWN", "click 0 5", "click 3 81", "click 3", "pick 1", "pick 1 x",
      "pick 1 2 left", "move 1 2 right", "drag 1 2 3", "close now", "press 1 2", "type", "pick 99999 0",
  };
  for (const char* line : bad) {
    const Script s = parse_script(std::string("key F1\n\n") + line + "\nkey F2\n");
    ASSERT_TRUE(s.error) << line;
    EXPECT_EQ(std::tuple(s.error->line, s.error->message.substr(0, 8), s.steps.empty()),
              std::tuple(3, "line 3: ", true)) << line;
  }
  EXPECT_NE(parse_script("jump 1\n").error->message.find("\"jump\""), std::string::npos);
}

}  // namespace
}  // namespace plv::host
