#include <gtest/gtest.h>

#include "e2e/session.h"

namespace plv::e2e {
namespace {

const std::string kHeader = "x\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";

TEST(EditorSession, NewDrawingWrittenOnExit) {
  Session s;
  ASSERT_EQ(s.run(new_drawing("fig") + "key F10\nkey F1\n"), 0) << s.file("stderr.txt");
  const std::string written = s.file("fig.plv");
  EXPECT_EQ(written.substr(0, 81), "fig.plv" + std::string(73, ' ') + "\n");
  EXPECT_NE(written.find("\nGLIMPT EP      17.36      1.000 D M P   \nDATE: "), std::string::npos);
  // The new drawing's records; its trailing colour record is not written.
  EXPECT_NE(written.find("\nCM fig.plv     "), std::string::npos);
  EXPECT_NE(written.find("\nCM\nSC MODE BAR\n"), std::string::npos);
  EXPECT_EQ(written.find("SC BAR   7"), std::string::npos);
  const std::string settings = s.file("plivet.set");
  EXPECT_EQ(Session::row(settings, 2), "CM SETUP FILE FOR PROGRAM PLIVET");
  EXPECT_EQ(Session::row(settings, 14), "EN");
}

TEST(EditorSession, OpenDrawAllZoomDragAndTheViewIsKept) {
  Session s;
  s.put("plot.plv", kHeader + "SC MODE BAR\nLI  -500     0   500     0 S\nLI     0  -200     0   200 S\n");
  const std::string script =
      "key F10\n"                        // accept the drawing named on the command line
      "key F4\nkey ENTER\n"              // draw all, look, continue
      "key F2\ndrag 1000 0 0 0\nkey ENTER\nkey ENTER\n"  // zoom: the right edge to the middle
      "key F6\nkey F4\npick 0 0\npick 100 0\nkey ENTER\n"  // drag 100 to the right, back to the main menu
      "key F10\nkey F1\n";
  ASSERT_EQ(s.run(script, "plot.plv"), 0) << s.file("stderr.txt");
  EXPECT_GE(s.pictures(), 3);
  // Draw all fits 1000 x 400 into 3300 x 2500 (scale 3.267); the zoom and
  // the drag then leave exactly this view, which the settings keep.
  EXPECT_EQ(Session::row(s.file("plivet.set"), 4), "SC   0.5833929E+01  0.9928571E+03  0.0000000E+00");
  EXPECT_NE(Session::row(s.screens().back(), 3).find("EXIT MENU"), std::string::npos);
  EXPECT_EQ(s.file("plot.plv").substr(0, 8), "plot.plv");  // written back on exit
}

TEST(EditorSession, QuittingTheDrawingLeavesItsFileAlone) {
  Session s;
  const std::string original = kHeader + "SC MODE BAR\nLI     0     0   100   100 S\n";
  s.put("keep.plv", original);
  ASSERT_EQ(s.run("key F10\nkey F1\nkey F6\nkey F10\nkey F10\nkey F1\n", "keep.plv"), 0) << s.file("stderr.txt");
  EXPECT_EQ(s.file("keep.plv"), original);
}

TEST(EditorSession, FileMenuWritesRemovesDeletedAndCloses) {
  Session s;
  s.put("d.plv", kHeader + "SC MODE BAR\nLI     0     0   100   100 S\nDELI0.100000E+010.200000E+010.300000E+010.400000E+01 S\n");
  // F1 file menu, F4 remove deleted graphics, F3 write; then F1, F2 close;
  // F10 back, and F3 with no drawing open explains itself.
  ASSERT_EQ(s.run("key F10\nkey F1\nkey F4\nkey F3\nkey F1\nkey F2\nkey F10\nkey F3\nkey ENTER\nkey F10\nkey F1\n", "d.plv"),
            0)
      << s.file("stderr.txt");
  EXPECT_EQ(s.file("d.plv").find("\nDE"), std::string::npos);
  EXPECT_NE(s.file("d.plv").find("\nLI     0     0   100   100 S\n"), std::string::npos);
  bool explained = false;
  for (const auto& screen : s.screens())
    explained |= Session::row(screen, 3) == "ERROR: TO DRAW YOU MUST OPEN A DRAWING FILE." &&
                 Session::row(screen, 5) == "USE F1 TO GET THE FILE MENU.";
  EXPECT_TRUE(explained);
  EXPECT_NE(Session::row(s.screens().back(), 5).find("NO DRAWING FILE IS OPEN"), std::string::npos);
}

TEST(EditorSession, ACloseAtEveryKindOfWaitEndsInOrder) {
  const std::vector<std::pair<std::string, std::string>> waits = {
      {"the start-up fields", "close\n"},
      {"the main menu", new_drawing("a") + "close\n"},
      {"the file menu", new_drawing("a") + "key F1\nclose\n"},
      {"a message wait", new_drawing("a") + "key F1\nkey F1\nclose\n"},
      {"the picture", new_drawing("a") + "key F3\nclose\n"},
      {"a rubber band", new_drawing("a") + "key F3\nkey ENTER\nkey F2\nclose\n"},
      {"a point pick", new_drawing("a") + "key F6\nkey F4\nclose\n"},
      {"the exit menu", new_drawing("a") + "key F10\nclose\n"},
  };
  for (const auto& [where, script] : waits) {
    Session s;
    EXPECT_EQ(s.run(script), 0) << where << ": " << s.file("stderr.txt");
    // Settings are written only once they have been read.
    EXPECT_EQ(s.exists("plivet.set"), where != "the start-up fields") << where;
    EXPECT_TRUE(s.exists("orvlab.ini")) << where;
  }
}

TEST(EditorSession, MenuScreensRowForRow) {
  Session s;
  ASSERT_EQ(s.run(new_drawing("m") + "key F1\nkey F10\nkey F10\nkey F1\n"), 0);
  const auto screens = s.screens();
  ASSERT_GE(screens.size(), 6u);
  const std::string& main = screens[screens.size() - 2];
  EXPECT_EQ(Session::row(main, 1).substr(0, 56), "*** PLIVET   ** VERSION 4O(c)  ****     May 8, 2000 ****");
  EXPECT_EQ(Session::row(main, 3), "   *** MAIN MENU ***  *** MAIN MENU ***  *** MAIN MENU  ***   *** MAIN MENU ***");
  EXPECT_EQ(Session::row(main, 5), "                         DRAWING FILE NAME:   m.plv");
  EXPECT_EQ(Session::row(main, 7), "             WORK ON LAYER:      0     ALSO DRAW LAYER:      0");
  EXPECT_EQ(Session::row(main, 9), "FILE MENU   EDIT/DELETE     BUFFER MENU      PASTE MENU       CREATE MENU");
  EXPECT_EQ(Session::row(main, 11), "CLOSE FILE  DELETE ONE      CUT TO BUFFER    DRAW BUFFER      DRAW LINE");
  EXPECT_EQ(Session::row(main, 21), "ERASE SCREEN");
  EXPECT_EQ(Session::row(main, 24), " FILES    ZOOM    DRAW    DRAW    EDIT/   SCREEN BUFFER  PASTE  CREATE    EXIT");

  const std::string& files = screens[screens.size() - 3];
  EXPECT_EQ(Session::row(files, 3), "                    DRAWING FILE NAME:   m.plv");
  EXPECT_EQ(Session::row(files, 5), "                    F1 = HELP");
  EXPECT_EQ(Session::row(files, 7), "                    F2 = CLOSE THE DRAWING FILE");
  EXPECT_EQ(Session::row(files, 13), "                    F6 = QUIT THE DRAWING WITHOUT SAVING IT.");
  EXPECT_EQ(Session::row(files, 17), "                    F10= RETURN TO THE MAIN MENU.");

  const std::string& exit = screens.back();
  EXPECT_EQ(Session::row(exit, 3), "   *** EXIT MENU ***  *** EXIT MENU ***  *** EXIT MENU ****** EXIT MENU ***");
  EXPECT_EQ(Session::row(exit, 5), "                DRAWING FILE NAME:    m.plv");
  EXPECT_EQ(Session::row(exit, 7), "                F1 = EXIT");
  EXPECT_EQ(Session::row(exit, 9), "                F10= RETURN TO THE MAIN MENU");
}

}  // namespace
}  // namespace plv::e2e
