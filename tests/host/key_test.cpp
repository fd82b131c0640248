#include <gtest/gtest.h>

#include "host/key.h"

namespace plv::host {
namespace {

// Scripts and saved sessions name keys by their codes: they never move.
TEST(Key, CodesStayWhereScriptsFindThem) {
  EXPECT_EQ(Key::function(1).code(), 129);
  EXPECT_EQ(Key::function(10).code(), 138);
  EXPECT_EQ(Key::function(12).code(), 140);
  EXPECT_EQ(Key::kUp.code(), 141);
  EXPECT_EQ(Key::kDown.code(), 142);
  EXPECT_EQ(Key::kRight.code(), 143);
  EXPECT_EQ(Key::kLeft.code(), 144);
  EXPECT_EQ(Key::kEnter.code(), 13);
  EXPECT_EQ(Key::kTab.code(), 9);
  EXPECT_EQ(Key::kEscape.code(), 27);
  EXPECT_EQ(Key::kBackspace.code(), 8);
  EXPECT_EQ(Key::kClose.code(), -11);
  EXPECT_EQ(Key::pointer_press(kLeftButton).code(), -1);
  EXPECT_EQ(Key::pointer_press(kRightButton).code(), -2);
  EXPECT_EQ(Key::character('\xe9').code(), 233);  // characters past 127 stay positive
  EXPECT_EQ(Key::from_code(-11), Key::kClose);    // a scripted code means what the window would
}

TEST(Key, FunctionKeysArrowsAndTheEndsOfOtherWaitsAreToldApart) {
  EXPECT_TRUE(Key::function(1).is_function());
  EXPECT_TRUE(Key::function(12).is_function());
  EXPECT_FALSE(Key::from_code(128).is_function());
  EXPECT_FALSE(Key::kUp.is_function());  // right after F12
  EXPECT_EQ(Key::function(7).function_number(), 7);
  EXPECT_EQ(Key::kEnter.function_number(), 0);

  EXPECT_TRUE(Key::kClose.is_close());
  EXPECT_FALSE(Key::kClose.is_pointer_press());
  EXPECT_TRUE(Key::pointer_press(kRightButton).is_pointer_press());
  EXPECT_FALSE(Key::pointer_press(kLeftButton).is_close());
  EXPECT_FALSE(Key::kNone.is_pointer_press());
}

TEST(Key, LettersInEitherCase) {
  EXPECT_TRUE(Key::character('f').is_letter('f'));
  EXPECT_TRUE(Key::character('F').is_letter('f'));
  EXPECT_FALSE(Key::character('g').is_letter('f'));
  EXPECT_FALSE(Key::function(6).is_letter('f'));
  EXPECT_EQ(Key::character('Q').small_letter(), Key::character('q'));
  EXPECT_EQ(Key::character('q').small_letter(), Key::character('q'));
  EXPECT_EQ(Key::character('@').small_letter(), Key::character('@'));  // just before A
  EXPECT_EQ(Key::character('[').small_letter(), Key::character('['));  // just after Z
  EXPECT_EQ(Key::kUp.small_letter(), Key::kUp);
}

}  // namespace
}  // namespace plv::host
