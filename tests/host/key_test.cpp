#include <gtest/gtest.h>

#include <utility>

#include "host/key.h"

namespace plv::host {
namespace {

// Scripts and saved sessions name keys by their codes: they never move.
TEST(Key, CodesStayWhereScriptsFindThem) {
  const std::pair<Key, int> codes[] = {
      {Key::function(1), 129}, {Key::function(10), 138}, {Key::function(12), 140}, {Key::kUp, 141},
      {Key::kDown, 142}, {Key::kRight, 143}, {Key::kLeft, 144}, {Key::kEnter, 13}, {Key::kTab, 9},
      {Key::kEscape, 27}, {Key::kBackspace, 8}, {Key::kClose, -11}, {Key::pointer_press(kLeftButton), -1},
      {Key::pointer_press(kRightButton), -2},
      {Key::character('\xe9'), 233},  // characters past 127 stay positive
  };
  for (const auto& [key, code] : codes) EXPECT_EQ(key.code(), code);
  EXPECT_EQ(Key::from_code(-11), Key::kClose);  // a scripted code means what the window would
}

TEST(Key, FunctionKeysArrowsAndTheEndsOfOtherWaitsAreToldApart) {
  EXPECT_TRUE(Key::function(1).is_function() && Key::function(12).is_function());
  EXPECT_FALSE(Key::from_code(128).is_function());
  EXPECT_FALSE(Key::kUp.is_function());  // right after F12
  EXPECT_EQ(Key::function(7).function_number(), 7);
  EXPECT_EQ(Key::kEnter.function_number(), 0);
  EXPECT_TRUE(Key::kClose.is_close() && !Key::kClose.is_pointer_press());
  EXPECT_TRUE(Key::pointer_press(kRightButton).is_pointer_press());
  EXPECT_FALSE(Key::pointer_press(kLeftButton).is_close() || Key::kNone.is_pointer_press());
}

TEST(Key, LettersInEitherCase) {
  EXPECT_TRUE(Key::character('f').is_letter('f') && Key::character('F').is_letter('f'));
  EXPECT_FALSE(Key::character('g').is_letter('f') || Key::function(6).is_letter('f'));
  // '@' and '[' stand just before A and just after Z.
  for (const auto& [key, small] : {std::pair{Key::character('Q'), Key::character('q')},
                                   {Key::character('q'), Key::character('q')}, {Key::character('@'), Key::character('@')},
                                   {Key::character('['), Key::character('[')}, {Key::kUp, Key::kUp}})
    EXPECT_EQ(key.small_letter(), small);
}

}  // namespace
}  // namespace plv::host
