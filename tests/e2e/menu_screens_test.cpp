// The create, element, editing, buffer and paste menus as shown, every
// row of the 25, so that a caption moved by a column or a row is caught.

#include <gtest/gtest.h>

#include <array>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

using Rows = std::array<std::string_view, 25>;

const std::string kHeader = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
constexpr std::string_view kTitle = "*** PLIVET   ** VERSION 4O(c)  ****     May 8, 2000 ****";

// The first screen with `banner` at `row` matches `rows`, row for row.
void expect_screen(const Session& s, int row, std::string_view banner, const Rows& rows) {
  const auto screens = screens_with(s, row, banner);
  ASSERT_FALSE(screens.empty()) << banner;
  for (int r = 1; r <= 25; ++r)
    EXPECT_EQ(Session::row(screens.front(), r), rows[static_cast<size_t>(r - 1)]) << banner << ", row " << r;
}

constexpr std::string_view kCreateBanner =
    "  **** CREATE MENU ***** CREATE MENU ***** CREATE MENU ***** CREATE MENU *****";
constexpr std::string_view kMoreBanner =
    "**** MORE CREATE MENU ****** MORE CREATE MENU ****** MORE CREATE MENU ******";

Rows create_rows(std::string_view file_line) {
  return {kTitle,
          "",
          kCreateBanner,
          "",
          file_line,
          "",
          "             COLOR OF NEXT GRAPHIC:    6  (1 TO 15)",
          "",
          "",
          "",
          "",
          "",
          "         F1 = DRAW A STRAIGHT LINE (SOLID, DASHED OR SOLID AND WIDE)",
          "         F2 = DRAW AN ARROW",
          "         F3 = DRAW A CHARACTER STRING",
          "         F4 = DRAW A BOX",
          "         F5 = DRAW A CIRCLE",
          "         F6 = SHOW THE COLOR PALETTE",
          "         F7 = OTHER GRAPHICS (ELLIPSE, BRACKET, COMMENT)",
          "         F8 = VIEW THE SCREEN",
          "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC",
          "         F10= RETURN TO THE MAIN MENU",
          "",
          "",
          ""};
}

Rows more_create_rows(std::string_view file_line) {
  return {kTitle,
          "",
          kMoreBanner,
          "",
          file_line,
          "",
          "         F1 = DRAW AN ELLIPSE",
          "",
          "         F2 = DRAW A BRACKET",
          "",
          "         F3 = ENTER A COMMENT INTO THE DRAWING FILE",
          "",
          "         F4 = DRAW A FILLED RECTANGLE",
          "",
          "         F5 = DRAW A FILLED QUADRILATERAL",
          "",
          "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC",
          "",
          "         F10= GET BACK TO THE CREATE MENU",
          "",
          "",
          "",
          "",
          "",
          ""};
}

TEST(MenuScreens, CreateMoreCreateLineAndBoxMenus) {
  Session s;
  ASSERT_EQ(s.run(new_drawing("fig") + "key F9\nkey ENTER\nkey F7\nkey F10\nkey F1\nkey F10\nkey F4\nkey F10\n"
                                       "key F10\nkey F10\nkey F1\n"),
            0)
      << s.file("stderr.txt");
  expect_screen(s, 3, kCreateBanner, create_rows("                  DRAWING FILE NAME:  fig.plv"));
  expect_screen(s, 3, kMoreBanner, more_create_rows("                         DRAWING FILE NAME:   fig.plv"));
  const std::string_view line_banner =
      "****** LINE MENU ******* LINE MENU ******* LINE MENU ******* LINE MENU *********";
  expect_screen(s, 3, line_banner,
                {kTitle,
                 "",
                 line_banner,
                 "",
                 "",
                 "",
                 "                  LINE TYPE:    S    (S=SOLID,D=DASHED)",
                 "",
                 "                 LINE WIDTH:     1   (1 TO 10)",
                 "",
                 "                  LINE FROM: X     -100  Y     -100",
                 "",
                 "                         TO: X      100  Y      100",
                 "",
                 "                 F1 = POSITION THE LINE WITH THE CURSOR",
                 "",
                 "                 F4 = SNAP START POINT",
                 "",
                 "                 F6 = SNAP END POINT",
                 "",
                 "                 F9 = DRAW THE LINE WITH THE CURRENT POSITION",
                 "",
                 "                 F10= QUIT",
                 "",
                 ""});
  const std::string_view box_banner =
      "******* BOX MENU ******** BOX MENU ******** BOX MENU ******** BOX MENU *********";
  expect_screen(s, 3, box_banner,
                {kTitle,
                 "",
                 box_banner,
                 "",
                 "",
                 "",
                 "      BOX LOWER LEFT CORNER: X     -100  Y     -100",
                 "",
                 "         UPPER RIGHT CORNER: X      100  Y      100",
                 "",
                 "                 F1 = POSITION THE BOX WITH THE CURSOR",
                 "",
                 "                 F9 = DRAW THE BOX WITH THE CURRENT POSITION",
                 "",
                 "                 F10= QUIT",
                 "", "", "", "", "", "", "", "", "", ""});
}

TEST(MenuScreens, CreateAndMoreCreateMenusWithoutADrawing) {
  Session s;
  // F6 of the file menu quits the new drawing.
  ASSERT_EQ(s.run(new_drawing("a") + "key F1\nkey F6\nkey F10\nkey F9\nkey ENTER\nkey F7\nkey F10\nkey F10\n"
                                     "key F10\nkey F1\n"),
            0)
      << s.file("stderr.txt");
  expect_screen(s, 3, kCreateBanner, create_rows("                  NO DRAWING FILE IS OPEN"));
  expect_screen(s, 3, kMoreBanner, more_create_rows("                         NO DRAWING FILE IS OPEN"));
}

TEST(MenuScreens, EditDeleteColourEditBufferAndPasteMenus) {
  Session s;
  s.put("d.plv", kHeader + "LI     0     0   100     0 S\n");
  // Drawn first: the edit/delete menu opens only on a drawn picture.
  ASSERT_EQ(s.run("key F10\nkey F3\nkey ENTER\nkey F5\nkey F7\nkey F10\nkey F10\nkey F7\nkey F10\nkey F8\nkey F10\n"
                  "key F10\nkey F1\n",
                  "d.plv"),
            0)
      << s.file("stderr.txt");
  const std::string_view edit_banner =
      "****** EDIT/DELETE MENU ******* EDIT/DELETE MENU ******* EDIT/DELETE MENU ******";
  expect_screen(s, 3, edit_banner,
                {kTitle,
                 "",
                 edit_banner,
                 "",
                 "                  F1 = DELETE INDIVIDUAL GRAPHICS",
                 "",
                 "                  F2 = DELETE THE CONTENTS OF A BOX",
                 "",
                 "                  F3 = REDRAW THE DRAWING",
                 "",
                 "                  F4 = VIEW THE DRAWING",
                 "",
                 "                  F5 = EDIT A GRAPHIC",
                 "",
                 "                  F6 = RE-EDIT THE LAST GRAPHIC",
                 "",
                 "                  F7 = EDIT THE COLORS",
                 "",
                 "                  F8 = SHOW/DO NOT SHOW THE DELETED GRAPHICS",
                 "                       (SET TO \"DO NOT SHOW\")",
                 "",
                 "                  F9 = UNDELETE THE LAST DELETED GRAPHIC",
                 "",
                 "                  F10= RETURN THE MAIN MENU",
                 ""});
  const std::string_view colour_banner =
      "****** COLOR EDIT MENU ******* COLOR EDIT MENU ******* COLOR EDIT MENU *********";
  expect_screen(s, 3, colour_banner,
                {kTitle,
                 "",
                 colour_banner,
                 "",
                 "                  DRAWING FILE NAME:  d.plv",
                 "",
                 "            CHANGE COLOR TO COLOR #    0  (1 TO 15)",
                 "",
                 "            F1 = CHANGE THE COLOR OF ALL GRAPHICS IN A REGION",
                 "",
                 "            F3 = VIEW THE SCREEN",
                 "",
                 "            F5 = CHANGE THE COLOR OF A SINGLE GRAPHIC",
                 "",
                 "            F6 = RESTORE THE PREVIOUS COLOR",
                 "",
                 "            F8 = SHOW THE COLOR PALETTE",
                 "",
                 "            F10= RETURN TO THE MAIN MENU",
                 "", "", "", "", "", ""});
  // The buffer menu's name overwrites the blank after its label.
  const std::string_view buffer_banner = "**** BUFFER MENU ***** BUFFER MENU ***** BUFFER MENU ***** BUFFER MENU *****";
  expect_screen(s, 3, buffer_banner,
                {kTitle,
                 "",
                 buffer_banner,
                 "",
                 "                  DRAWING FILE NAME:d.plv",
                 "",
                 "                F1 = READ A FILE INTO THE BUFFER",
                 "                F2 = CUT FROM THE DRAWING INTO THE BUFFER",
                 "                F3 = COPY FROM THE DRAWING INTO THE BUFFER",
                 "                F4 = WRITE THE BUFFER TO A DISC FILE",
                 "                F5 = CLEAR THE BUFFER",
                 "                F6 = PASTE FROM THE BUFFER INTO THE DRAWING",
                 "",
                 "",
                 "",
                 "                F10= GET THE MAIN MENU",
                 "", "", "", "", "", "", "", "", ""});
  const std::string_view paste_banner = "***** PASTE MENU ****** PASTE MENU ****** PASTE MENU ****** PASTE MENU *****";
  expect_screen(s, 3, paste_banner,
                {kTitle,
                 "",
                 paste_banner,
                 "",
                 "                  DRAWING FILE NAME: d.plv",
                 "",
                 "                  BUFFER SHIFT:   X       0.  Y       0.",
                 "",
                 "                  BUFFER SCALE:   X    1.000  Y    1.000",
                 "",
                 "                  BUFFER ROTATE:         0.0  DEGREES",
                 "",
                 "                  F1 = COPY BUFFER INTO BOX.",
                 "",
                 "                  F2 = VIEW THE SCREEN.",
                 "",
                 "                  F3 = DRAW THE BUFFER WITH PRESENT SCALE, SHIFT AND ROTATION.",
                 "",
                 "                  F4 = UNDRAW THE BUFFER.",
                 "",
                 "                  F5 = CLEAR THE SCREEN.",
                 "",
                 "                  F9 = PASTE THE BUFFER INTO THE DRAWING.",
                 "",
                 "                  F10= RETURN TO THE MAIN MENU."});
}

}  // namespace
}  // namespace plv::e2e
