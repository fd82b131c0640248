#include <gtest/gtest.h>

#include <cstdio>

#include "editor/editor_fixture.h"
#include "editor/view/screen_menu.h"
#include "editor/view/view_operations.h"
#include "kinds/line.h"
#include "ui/close_requested.h"

namespace plv::edit {
namespace {

class ScreenMenuTest : public EditorTest {
 protected:
  Editor& start(const Script& script) {
    Editor& e = open(script);
    e.drawing.append(line_record({0, 0}, {10, 0}, 'S'));
    return e;
  }
};

TEST_F(ScreenMenuTest, ScreenRowsAndFields) {
  Editor& e = start(Script().f(10).f(10));
  e.ui.lines().set_title("*** TITLE");
  e.render.view = {0.5, -120, 33};
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kReturn);
  EXPECT_EQ(row(1), "*** TITLE");
  EXPECT_EQ(row(3), "***** SCREEN MENU ****** SCREEN MENU ****** SCREEN MENU ****** SCREEN MENU *****");
  EXPECT_EQ(row(5), "                  NO DRAWING FILE IS OPEN");
  EXPECT_EQ(row(7), "                  DRAWING SHIFT:   X   -120.   Y     33.");
  EXPECT_EQ(row(9), "                  DRAWING SCALE:       0.500");
  EXPECT_EQ(row(13), "                  F1 = ERASE THE SCREEN.");
  EXPECT_EQ(row(15), "                  F3 = DRAW");
  EXPECT_EQ(row(17), "                  F4 = DRAG THE SCREEN WINDOW TO A NEW POSITION.");
  EXPECT_EQ(row(19), "                  F6 = VIEW THE SCREEN.");
  EXPECT_EQ(row(21), "                  F10= RETURN TO THE MAIN MENU.");
  EXPECT_EQ(host_->text().attribute(2, 0), ui::attr::kHighlighted);
  EXPECT_EQ(host_->text().attribute(6, 43), ui::attr::kHighlighted);  // the whole field

  e.file_open = true;
  e.drawing_name = "site.plv      ";
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kReturn);
  EXPECT_EQ(row(5), "                  DRAWING FILE NAME: site.plv");
}

TEST_F(ScreenMenuTest, TypedValuesAreStoredButAScaleOfZeroOrLessIsRefused) {
  // The scale typed as 0, then as -2, then as 2.5 with the shift's X as 7.
  Editor& e = start(Script().tab(2).field("0").f(10).tab(2).field("-2").f(10)
                        .tab(2).field("2.5").tab().type("7").f(10));
  e.render.view = {1.2345678, 0.25, 0};
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kReturn);
  EXPECT_DOUBLE_EQ(e.render.view.scale, 1.2345678);
  EXPECT_DOUBLE_EQ(e.render.view.x_shift, 0.25);  // not typed: kept whole
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kReturn);
  EXPECT_DOUBLE_EQ(e.render.view.scale, 1.2345678);
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kReturn);
  EXPECT_DOUBLE_EQ(e.render.view.scale, 2.5);
  EXPECT_DOUBLE_EQ(e.render.view.x_shift, 7);
}

TEST_F(ScreenMenuTest, ShiftOfHundredMovesThePictureHundredRightAtTheNextRedraw) {
  Editor& e = start(Script().enter().type("100").f(3).enter());
  redraw_picture(e.document(), e.screen(), messages_);
  const auto before = lines_only();
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kDraw);
  EXPECT_DOUBLE_EQ(e.render.view.x_shift, 100);
  redraw_picture(e.document(), e.screen(), messages_);
  const auto after = lines_only();
  ASSERT_EQ(after.size(), 1u);
  int x1, y1, x2, y2;
  ASSERT_EQ(std::sscanf(before[0].c_str(), "line %d %d %d %d", &x1, &y1, &x2, &y2), 4);
  EXPECT_EQ(after[0], "line " + std::to_string(x1 + 100) + " " + std::to_string(y1) + " " + std::to_string(x2 + 100) +
                          " " + std::to_string(y2));
}

TEST_F(ScreenMenuTest, KeysEraseDragViewAndRedrawTheMenu) {
  // F1 erases and stays; a stray key shows the menu again; F6 views the
  // picture; F4 drags from P1 to P1: the view stays and the picture is drawn again.
  Editor& e = start(Script().enter().f(1).enter().f(2).f(6).enter().f(4).pick(30, 30).pick(30, 30).enter().close());
  e.render.view = {1, 4, 5};
  redraw_picture(e.document(), e.screen(), messages_);
  ASSERT_FALSE(lines_only().empty());
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kViewed);
  EXPECT_TRUE(lines_only().empty());

  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kDragged);
  EXPECT_DOUBLE_EQ(e.render.view.x_shift, 4);
  EXPECT_DOUBLE_EQ(e.render.view.y_shift, 5);
  EXPECT_FALSE(lines_only().empty());

  EXPECT_THROW(screen_menu(e, e, messages_), ui::CloseRequested);
}

}  // namespace
}  // namespace plv::edit
