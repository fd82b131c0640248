// Every menu as shown, all 25 rows, against its golden screen, so that a
// caption moved by a column or a row is caught.

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/golden.h"
#include "e2e/walks.h"

namespace plv::e2e {
namespace {

using MenuScreens = SessionTest;

TEST_F(MenuScreens, MainFileExitCreateAndEveryElementMenu) {
  Script visits = walk::new_drawing("a").f(1).f(10).then(walk::create()).f(7).f(10);
  for (const int key : {1, 2, 3, 4, 5}) visits.f(key).f(10);       // the create menu's elements
  for (const int key : {1, 2, 3, 4, 5}) visits.f(7).f(key).f(10).f(10);  // the more-create menu's
  ASSERT_TRUE(s.ends(visits.then(walk::leave_and_write())));
  for (const char* name : {"main_menu", "file_menu", "exit_menu", "create_menu", "more_create_menu", "line_menu",
                           "arrow_menu", "string_menu", "box_menu", "circle_menu", "ellipse_menu", "bracket_menu",
                           "comment_menu", "filled_rectangle_menu", "quadrilateral_menu"})
    EXPECT_TRUE(shows_golden(s, name));
  // F10 of the more-create menu leads back to the create menu.
  const Lines headings = s.headings();
  const auto more = std::find(headings.begin(), headings.end(), row(golden("more_create_menu"), 3));
  ASSERT_LT(more + 1, headings.end());
  EXPECT_EQ(more[1], row(golden("create_menu"), 3));
  // Quitting every element menu made nothing.
  Session plain;
  ASSERT_TRUE(plain.ends(walk::new_drawing("a").then(walk::write_and_end())));
  EXPECT_EQ(s.records("a.plv"), plain.records("a.plv"));
}

TEST_F(MenuScreens, EditingBufferAndPasteMenusThenTheMenusWithoutADrawing) {
  s.put("d.plv", drawing("LI     0     0   100     0 S\n"));
  // The edit/delete menu opens only on a drawn picture; its F8 shows the
  // deleted graphics. F9 leaves either buffer file name menu. Then the
  // file menu's F6 quits the drawing.
  ASSERT_TRUE(s.ends(walk::drawn().f(5).f(8).f(7).f(10).f(10).f(7).f(4).f(9).f(7).f(1).f(9).f(8).f(10)
                         .f(1).f(6).f(10).f(7).f(10).then(walk::create()).f(7).f(10).f(10).then(walk::write_and_end()),
                     "d.plv"));
  const struct {
    const char* golden;
    int nth;
  } shown[] = {{"edit_delete_menu", 0},        {"edit_delete_menu_showing", 1}, {"colour_edit_menu", 0},
               {"buffer_menu", 0},             {"buffer_write_name_menu", 0},   {"buffer_read_name_menu", 1},
               {"paste_menu", 0},              {"file_menu_no_drawing", 0},     {"buffer_menu_no_drawing", 2},
               {"create_menu_no_drawing", 0},  {"more_create_menu_no_drawing", 0}};
  for (const auto& [golden, nth] : shown) EXPECT_TRUE(shows_golden(s, golden, nth));
}

}  // namespace
}  // namespace plv::e2e
