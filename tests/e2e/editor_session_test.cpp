// Whole sessions through the main and file menus, a window closed at every
// kind of wait, and every menu as shown against its golden screen, so that
// a caption moved by a column or a row is caught.

#include <gtest/gtest.h>

#include <algorithm>

#include "drawing/today.h"
#include "e2e/golden.h"

namespace plv::e2e {
namespace {

using EditorSession = SessionTest;

TEST_F(EditorSession, NewDrawingsAreWrittenOnExitAndTheFileMenuWritesRemovesDeletedAndCloses) {
  ASSERT_TRUE(s.ends(walk::new_drawing("fig").then(walk::write_and_end())));
  // The new drawing's records; its trailing colour record is not written.
  EXPECT_EQ(s.file("fig.plv"), "fig.plv" + std::string(73, ' ') + "\nGLIMPT EP      17.36      1.000 D M P   \nDATE: " +
                                   today_date_text() + "\nCM fig.plv         " + today_date_text() +
                                   "\nCM\nSC MODE BAR\n");
  const std::string settings = s.file("plivet.set");
  EXPECT_EQ(row(settings, 2), "CM SETUP FILE FOR PROGRAM PLIVET");
  EXPECT_EQ(row(settings, 14), "EN");

  Session opened;
  // F1 file menu, F4 remove deleted graphics, F3 write; then F1, F2 close;
  // F10 back, and F3 with no drawing open explains itself.
  ASSERT_TRUE(opened.ends_in("SC MODE BAR\nLI     0     0   100   100 S\n"
                        "DELI0.100000E+010.200000E+010.300000E+010.400000E+01 S\n",
                        Script().f(10).f(1).f(4).f(3).f(1).f(2).f(10).f(3).enter().then(walk::write_and_end())));
  EXPECT_EQ(opened.records(), (Lines{"SC MODE BAR", "LI     0     0   100   100 S"}));
  EXPECT_TRUE(shows_golden(opened, "e2e_no_drawing_to_draw_in"));
  EXPECT_NE(row(opened.screens().back(), 5).find("NO DRAWING FILE IS OPEN"), std::string::npos);
}

TEST_F(EditorSession, OpenDrawAllZoomDragAndTheViewIsKept) {
  s.put("plot.plv", drawing("SC MODE BAR\nLI  -500     0   500     0 S\nLI     0  -200     0   200 S\n"));
  // The drawing named on the command line taken; draw all, looked at; the
  // zoom box's right edge pulled to the middle; dragged 100 to the right.
  ASSERT_TRUE(s.ends(Script().f(10).f(4).enter().f(2).drag(1000, 0, 0, 0).enter().enter().f(6).f(4).pick(0, 0)
                         .pick(100, 0).enter().then(walk::write_and_end()), "plot.plv"));
  const auto shots = s.snapshots();
  EXPECT_GE(std::count_if(shots.begin(), shots.end(), [](const Snapshot& shot) { return shot.picture; }), 3);
  // Draw all fits 1000 x 400 into 3300 x 2500 (scale 3.267); the zoom and
  // the drag then leave exactly this view, which the settings keep.
  EXPECT_EQ(row(s.file("plivet.set"), 4), "SC   0.5833929E+01  0.9928571E+03  0.0000000E+00");
  EXPECT_EQ(row(s.screens().back(), 3), heading_of("exit_menu").text);
  EXPECT_EQ(s.file("plot.plv").substr(0, 8), "plot.plv");  // written back on exit
}

TEST_F(EditorSession, AWindowClosedAtAnyWaitEndsInOrder) {
  const std::string line = "SC MODE BAR\nSC BAR   3\nLI     0     0   100     0 S\n";
  const Script copied = walk::drawn().then(walk::copy_box(-10, -10, 110, 110));
  const struct {
    const char* where;
    Script script;
    std::string body = "";  // of the drawing d.plv opened; none for a new drawing
  } waits[] = {
      {"the start-up fields", Script().close()},
      {"the main menu", walk::new_drawing("a").close()},
      {"the file menu", walk::new_drawing("a").f(1).close()},
      {"a message wait", walk::new_drawing("a").f(1).f(1).close()},
      {"the picture", walk::new_drawing("a").f(3).close()},
      {"a rubber band", walk::new_drawing("a").f(3).enter().f(2).close()},
      {"a point pick", walk::new_drawing("a").f(6).f(4).close()},
      {"the exit menu", walk::new_drawing("a").f(10).close()},
      {"the create menu", walk::new_drawing("a").then(walk::create()).close()},
      {"the line menu", walk::new_drawing("a").then(walk::create()).f(1).close()},
      {"a line's rubber band", walk::new_drawing("a").then(walk::create()).f(1).f(1).close()},
      {"a snap", walk::new_drawing("a").then(walk::create()).f(1).f(4).close()},
      {"the edit/delete menu", walk::drawn().f(5).close(), line},
      {"a pick to delete", walk::drawn().f(5).f(1).close(), line},
      {"a box to delete", walk::drawn().f(5).f(2).close(), line},
      {"a box to recolour", walk::drawn().f(5).f(7).f(1).close(), line},
      {"a pick to recolour", walk::drawn().f(5).f(7).f(5).close(), line},
      {"a recolouring box pulled", walk::drawn().f(5).f(7).field("12").f(1).drag(-500, -350, -10, -10).close(), line},
      {"the buffer menu", walk::drawn().f(7).close(), line},
      {"a box to cut", walk::drawn().f(7).f(2).close(), line},
      {"a buffer file name", walk::drawn().f(7).f(4).type("half").close(), line},
      {"a buffer file not found", walk::drawn().f(7).f(1).tab().type("no").f(10).close(), line},
      {"the paste menu", Script(copied).f(8).close(), line},
      {"a box to paste into", Script(copied).f(8).f(1).close(), line},
  };
  for (const auto& [where, script, body] : waits) {
    SCOPED_TRACE(where);
    Session closed;
    EXPECT_TRUE(body.empty() ? closed.ends(script) : closed.ends_in(body, script));
    // Settings are written, whole, only once they have been read.
    EXPECT_EQ(closed.exists("plivet.set"), where != std::string("the start-up fields"));
    EXPECT_TRUE(!closed.exists("plivet.set") || closed.file("plivet.set").ends_with("\nEN\n"));
    EXPECT_TRUE(closed.exists("orvlab.ini"));
    EXPECT_TRUE(body.empty() || closed.file("d.plv") == drawing(body)) << "a closed window writes no drawing";
  }
}

using MenuScreens = SessionTest;

TEST_F(MenuScreens, EveryMenuWithAndWithoutADrawing) {
  Script visits = walk::new_drawing("a").f(1).f(10).then(walk::create()).f(7).f(10);
  for (const int key : {1, 2, 3, 4, 5}) visits.f(key).f(10);       // the create menu's elements
  for (const int key : {1, 2, 3, 4, 5}) visits.f(7).f(key).f(10).f(10);  // the more-create menu's
  ASSERT_TRUE(s.ends(visits.then(walk::leave_and_write())));
  // F10 of the more-create menu leads back to the create menu, each time.
  expect_shown(s, {{"main_menu"}, {"file_menu"}, {"exit_menu"}, {"create_menu"}, {"create_menu", 1, 12},
                   {"more_create_menu"}, {"line_menu"}, {"arrow_menu"}, {"string_menu"}, {"box_menu"}, {"circle_menu"},
                   {"ellipse_menu"}, {"bracket_menu"}, {"comment_menu"}, {"filled_rectangle_menu"},
                   {"quadrilateral_menu"}});
  // Quitting every element menu made nothing.
  EXPECT_EQ(s.records("a.plv"), (Lines{"CM a.plv           " + today_date_text(), "CM", "SC MODE BAR"}));

  // With a drawing: the edit/delete menu opens only on a drawn picture (F5
  // before F3 does nothing); its F8 shows the deleted graphics. F9 leaves either buffer file name menu. Then the
  // file menu's F6 quits the drawing.
  Session with_drawing;
  ASSERT_TRUE(with_drawing.ends_in("LI     0     0   100     0 S\n",
                                   Script().f(10).f(5).f(3).enter().f(5).f(8).f(7).f(10).f(10).f(7).f(4).f(9).f(7)
                                       .f(1).f(9).f(8).f(10).f(1).f(6).f(10).f(7).f(10).then(walk::create()).f(7)
                                       .f(10).f(10)
                                       .then(walk::write_and_end())));
  expect_shown(with_drawing, {{"edit_delete_menu", 0, 3}, {"edit_delete_menu_showing", 1}, {"colour_edit_menu"},
                              {"buffer_menu"}, {"buffer_write_name_menu"}, {"buffer_read_name_menu", 1}, {"paste_menu"},
                              {"file_menu_no_drawing"}, {"buffer_menu_no_drawing", 2}, {"create_menu_no_drawing"},
                              {"more_create_menu_no_drawing"}});
}

}  // namespace
}  // namespace plv::e2e
