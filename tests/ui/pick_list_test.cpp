#include "host/events.h"
#include "ui/close_requested.h"
#include "ui/pick_list.h"
#include "ui/ui_fixture.h"

namespace plv::ui {
namespace {

using PickListTest = UiTest;

// Five entries of six characters from row 4, column 10.
constexpr std::string_view kEntries = "ALPHA BRAVO CHARLIDELTA ECHO  ";
PickList five(int marked = 0) { return {.top_row = 4, .left_column = 10, .entries = kEntries, .count = 5, .width = 6, .marked = marked}; }

TEST_F(PickListTest, DrawingShowsEveryEntryAndPutsTheCaretOnTheCurrentOne) {
  Toolkit& t = open();
  int current = -3;
  host::Key key = host::Key::character('M');
  pick_list(t.screen(), kPickDraw, five(2), current, key);
  EXPECT_EQ(current, 3);                       // made non-negative
  EXPECT_EQ(key, host::Key::character('M'));  // drawing alone leaves the key
  EXPECT_EQ(rows(4, 8), (Rows{"         ALPHA", "         BRAVO", "         CHARLI", "         DELTA", "         ECHO"}));
  EXPECT_EQ(attribute(5, 10), attr::kHighlighted);
  EXPECT_EQ(attribute(5, 15), attr::kHighlighted);
  EXPECT_EQ(attribute(4, 10), attr::kNormal);
  EXPECT_EQ(caret(), (TextCell{6, 10}));
}

TEST_F(PickListTest, ArrowsWrapAndLettersComeBackSmall) {
  Toolkit& t = open("key DOWN\ntype q\nkey UP\ntype Q\nkey UP\nkey UP\nkey F3\n");
  int current = 5;
  host::Key key;
  // Down on the last entry goes to the first, Up on the first to the last.
  const std::tuple<int, host::Key, TextCell> answers[] = {
      {1, host::Key::character('q'), {4, 10}}, {5, host::Key::character('q'), {8, 10}},
      {3, host::Key::function(3), {6, 10}}};
  for (size_t i = 0; i < std::size(answers); ++i) {
    pick_list(t.screen(), i == 0 ? kPickDrawAndInteract : kPickInteract, five(), current, key);
    EXPECT_EQ(std::tuple(current, key, caret()), answers[i]) << i;
  }
  EXPECT_EQ(row(8), "         ECHO");  // rewritten entries keep their text
  EXPECT_EQ(ws_->cursor_history().back(), host::CursorShape::kArrow);
}

TEST_F(PickListTest, PointerPressesPickOrLeaveTheList) {
  Toolkit& t = open("click 6 12\nclick 9 10 right\nkey ENTER\nclick 5 16\nclick 5 15\nclose\n");
  const host::Key left = host::Key::pointer_press(host::kLeftButton), none = host::Key::kNone;
  // Each press's release is an event of its own. A press outside (one row
  // below the last entry, one column right of them) negates the current
  // entry, and the next call starts again from its absolute value.
  const std::pair<int, host::Key> answers[] = {{3, left},  {3, none}, {-3, host::Key::pointer_press(host::kRightButton)},
                                               {3, none}, {3, host::Key::kEnter}, {-3, left}, {3, none}, {2, left},
                                               {2, none}};
  int current = 1;
  host::Key key;
  for (size_t i = 0; i < std::size(answers); ++i) {
    pick_list(t.screen(), i == 0 ? kPickDrawAndInteract : kPickInteract, five(), current, key);
    EXPECT_EQ(std::pair(current, key), answers[i]) << i;
  }
  EXPECT_THROW(pick_list(t.screen(), kPickInteract, five(), current, key), CloseRequested);
  EXPECT_EQ(ws_->cursor(), host::CursorShape::kArrow);
}

}  // namespace
}  // namespace plv::ui
