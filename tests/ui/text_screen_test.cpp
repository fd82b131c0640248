#include <string>

#include "ui/left_justify.h"
#include "ui/screen_layout.h"
#include "ui/ui_fixture.h"

namespace plv::ui {
namespace {

using TextScreenTest = UiTest;

TEST_F(TextScreenTest, WritesAreCutAtColumn80AndThePositionStaysOnTheScreen) {
  TextScreen& s = open().screen();
  EXPECT_EQ(caret(), (TextCell{1, 1}));

  const std::string full(80, 'X');
  s.set_position(2, 1);
  s.write_normal(full, 80);
  EXPECT_EQ(row(2), full);
  EXPECT_EQ(s.column(), 80);
  EXPECT_EQ(caret(), (TextCell{2, 80}));

  s.set_position(3, 78);
  s.write_normal("ABCDE", 5);
  EXPECT_EQ(row(3), std::string(77, ' ') + "ABC");
  EXPECT_EQ(row(4), "");
  EXPECT_EQ(s.column(), 80);

  // Only the count matters: a longer text is cut, a shorter one padded with blanks.
  s.set_position(5, 1);
  s.write_highlighted("LEGEND AND MORE", 6);
  EXPECT_EQ(row(5), "LEGEND");
  EXPECT_EQ(attribute(5, 6), attr::kHighlighted);
  EXPECT_EQ(attribute(5, 7), attr::kNormal);
  EXPECT_EQ(caret(), (TextCell{5, 7}));
  s.write_bright("AB", 4);
  EXPECT_EQ(cells(5, 7, 4), "AB  ");
  EXPECT_EQ(attribute(5, 10), attr::kBright);
  s.write_alert("R", 1);
  s.write_green("G", 1);
  EXPECT_EQ(attribute(5, 11), attr::kAlert);
  EXPECT_EQ(attribute(5, 12), attr::kGreen);

  s.set_position(6, 200);
  EXPECT_EQ(s.column(), 80);
  EXPECT_EQ(caret(), (TextCell{6, 80}));

  s.clear();
  EXPECT_EQ(row(2), "");
  EXPECT_EQ(attribute(5, 1), attr::kNormal);
  EXPECT_EQ(caret(), (TextCell{1, 1}));
}

TEST_F(TextScreenTest, CaretStepsStopAtTheEdges) {
  TextScreen& s = open().screen();
  s.caret_left();
  s.caret_up();
  EXPECT_EQ(caret(), (TextCell{1, 1}));
  s.set_position(24, 80);
  s.caret_down();
  s.caret_right();
  EXPECT_EQ(caret(), (TextCell{24, 80}));
  s.caret_left();
  s.caret_up();
  EXPECT_EQ(caret(), (TextCell{23, 79}));
  s.caret_down();
  s.caret_right();
  EXPECT_EQ(caret(), (TextCell{24, 80}));
  s.set_position(7, 9);
  s.home();
  EXPECT_EQ(caret(), (TextCell{1, 1}));
}

TEST(LeftJustify, MovesTheTextLeftAndReportsItsLastCharacter) {
  std::string text = "   AB  ";
  EXPECT_EQ(left_justify(text), 2);
  EXPECT_EQ(text, "AB     ");
  std::string blank(7, ' ');
  EXPECT_EQ(left_justify(blank), 0);
  EXPECT_EQ(blank, std::string(7, ' '));
  std::string inner = " A B ";
  EXPECT_EQ(left_justify(inner), 3);
  EXPECT_EQ(inner, "A B  ");
  // Only the slice given is touched.
  std::string line = "XX  CD|";
  EXPECT_EQ(left_justify(std::span(line).subspan(2, 4)), 2);
  EXPECT_EQ(line, "XXCD  |");
}

}  // namespace
}  // namespace plv::ui
