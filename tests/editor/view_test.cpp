// The screen menu and the view operations it and the main menu reach.

#include <gtest/gtest.h>

#include <cstdio>

#include "editor/editor_fixture.h"
#include "editor/view/screen_menu.h"
#include "editor/view/view_operations.h"
#include "kinds/line.h"
#include "ui/close_requested.h"

namespace plv::edit {
namespace {

Record line(double x1, double y1, double x2, double y2) { return line_record({x1, y1}, {x2, y2}, 'S'); }

class ViewTest : public EditorTest {
 protected:
  Editor& with_drawing(const Script& script, std::initializer_list<Record> records = {line(0, 0, 10, 0)}) {
    Editor& e = open(script, records);
    e.file_open = true;
    return e;
  }
  void expect_view(const ViewTransform& v, double scale, double x_shift, double y_shift) {
    EXPECT_DOUBLE_EQ(v.scale, scale);
    EXPECT_DOUBLE_EQ(v.x_shift, x_shift);
    EXPECT_DOUBLE_EQ(v.y_shift, y_shift);
  }
};

TEST_F(ViewTest, DrawAllFitsTheExtentAndAPointUsesTheFlatRatio) {
  Editor& e = with_drawing(Script().enter().enter(), {line(-100, -50, 300, 150)});
  draw_all(e.document(), e.screen(), messages_);
  // 3300 / 400 against 2500 / 200: the width is the tighter direction.
  expect_view(e.render.view, 0.99 * 8.25, -200 * 0.99 * 8.25 * 0.5, -100 * 0.99 * 8.25 * 0.5);
  EXPECT_FALSE(lines_only().empty());

  e.drawing = RecordStore();
  e.drawing.append(line(5, 5, 5, 5));
  draw_all(e.document(), e.screen(), messages_);
  expect_view(e.render.view, 10000 * 0.99, -10 * 9900 * 0.5, -10 * 9900 * 0.5);
}

TEST_F(ViewTest, ZoomComposesWithTheViewAndAFlatBoxCountsAsHundred) {
  // 3300 / 1650 = 2 against 2500 / 500 = 5; the box's centre (100, 0) comes to the middle.
  expect_view(zoomed({1, 0, 0}, {-725, -250, 925, 250}), 2, -200, 0);
  expect_view(zoomed({2, 10, -20}, {-725, -250, 925, 250}), 4, 20 - 200, -40);

  // The last box is 0 by 0 at (200, 100); Enter takes it, then a key after the redraw.
  Editor& e = with_drawing(Script().enter().enter());
  e.zoom_box = {200, 100, 200, 100};
  zoom_window(e.document(), e.screen(), messages_);
  // 100 by 100: z = min(33, 25).
  expect_view(e.render.view, 25, -200 * 25, -100 * 25);
  EXPECT_DOUBLE_EQ(e.zoom_box.x1, 200);
  EXPECT_DOUBLE_EQ(e.zoom_box.y2, 100);
}

TEST_F(ViewTest, ZoomBoxDraggedIsStoredForTheNextZoom) {
  Editor& e = with_drawing(Script().drag(-1000, 0, -500, 0).enter().enter());
  zoom_window(e.document(), e.screen(), messages_);
  EXPECT_DOUBLE_EQ(e.zoom_box.x1, -500);
  EXPECT_DOUBLE_EQ(e.zoom_box.x2, 1000);
  EXPECT_DOUBLE_EQ(e.zoom_box.y1, -700);
  const ViewTransform expected = zoomed({}, {-500, -700, 1000, 700});
  expect_view(e.render.view, expected.scale, expected.x_shift, expected.y_shift);
}

TEST_F(ViewTest, DraggingMovesTheViewByTheVectorAndAlwaysRedraws) {
  Editor& e = with_drawing(Script().pick(120, 40).pick(120, 40).enter().pick(0, 0).pick(100, -50).enter());
  e.render.view = {2, 5, 6};
  drag_window(e.document(), e.screen(), messages_);
  expect_view(e.render.view, 2, 5, 6);
  const auto first = lines_only();
  EXPECT_FALSE(first.empty());
  drag_window(e.document(), e.screen(), messages_);
  expect_view(e.render.view, 2, 105, -44);
}

TEST_F(ViewTest, ClosingTheWindowDuringABoxOrAPickEndsTheProgram) {
  Editor& e = with_drawing(Script().close());
  const ViewTransform before = e.render.view;
  EXPECT_THROW(zoom_window(e.document(), e.screen(), messages_), ui::CloseRequested);
  Editor& again = with_drawing(Script().pick(10, 10).close());
  EXPECT_THROW(drag_window(again.document(), again.screen(), messages_), ui::CloseRequested);
  expect_view(again.render.view, before.scale, before.x_shift, before.y_shift);
}

TEST_F(ViewTest, ScreenMenuScreenRowsAndFields) {
  Editor& e = open(Script().f(10).f(10));  // no drawing open
  e.ui.lines().set_title("*** TITLE");
  e.render.view = {0.5, -120, 33};
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kReturn);
  expect_screen("editor_screen_menu");
  EXPECT_EQ(host_->text().attribute(2, 0), ui::attr::kHighlighted);
  EXPECT_EQ(host_->text().attribute(6, 43), ui::attr::kHighlighted);  // the whole field

  e.file_open = true;
  e.drawing_name = "site.plv      ";
  EXPECT_EQ(screen_menu(e, e, messages_), ScreenMenuEnd::kReturn);
  EXPECT_EQ(row(5), "                  DRAWING FILE NAME: site.plv");
}

TEST_F(ViewTest, ScreenMenuTypedValuesAreStoredButAScaleOfZeroOrLessIsRefused) {
  // The scale typed as 0, then as -2, then as 2.5 with the shift's X as 7.
  Editor& e = with_drawing(Script().tab(2).field("0").f(10).tab(2).field("-2").f(10)
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

TEST_F(ViewTest, ScreenMenuShiftOfHundredMovesThePictureHundredRightAtTheNextRedraw) {
  Editor& e = with_drawing(Script().enter().type("100").f(3).enter());
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

TEST_F(ViewTest, ScreenMenuKeysEraseDragViewAndRedrawTheMenu) {
  // F1 erases and stays; a stray key shows the menu again; F6 views the
  // picture; F4 drags from P1 to P1: the view stays and the picture is drawn again.
  Editor& e =
      with_drawing(Script().enter().f(1).enter().f(2).f(6).enter().f(4).pick(30, 30).pick(30, 30).enter().close());
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
