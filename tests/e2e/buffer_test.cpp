// The buffer menu in whole sessions: its screen and the buffer file name
// menu's, copying and cutting by box, buffer files written and read back,
// clearing, the keys that wait for a picture or a drawing, paths that do
// not open, writes that fail, and closes at its waits.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kHeader = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
const std::string kLayer = "LA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00";
// Two graphics in two colours on layer 1, and a circle far to the right.
const std::string kDrawing = "SC MODE BAR\nSC BAR   5\n" + kLayer +
                             "\nLI     0     0   100     0 S\nSC BAR   3\n"
                             "BX   200   200   300   300\nCI   600     0   700     0   600   100\n";
const Lines kCopied = {"SC BAR   5", kLayer, "LI     0     0   100     0 S", "SC BAR   3",
                       "BX   200   200   300   300"};

// Past the file name menu, the drawing drawn in the unmoved view (drawing
// units are plot units).
const std::string kDrawn = "key F10\nkey F3\nkey ENTER\n";
// The box from -500,-350 500,350 dragged to -100,-100 400,400: the line and the box.
const std::string kBox = "drag -500 -350 -100 -100\ndrag 500 350 400 400\nkey ENTER\n";
const std::string kCopyBox = "key F7\nkey F3\n" + kBox;
const std::string kExitWriting = "key F10\nkey F1\n";

const std::string kMainBanner = "   *** MAIN MENU ***  *** MAIN MENU ***  *** MAIN MENU  ***   *** MAIN MENU ***";
const std::string kMenuBanner = "**** BUFFER MENU ***** BUFFER MENU ***** BUFFER MENU ***** BUFFER MENU *****";
const std::string kNameBanner = "******** BUFFER FILE NAME MENU *********** BUFFER FILE NAME MENU ***********";
const std::string kCannotOpen = "ERROR: CANNOT OPEN THE FILE.";

// The buffer file name menu: the name typed over the one shown, then F10.
std::string named(const std::string& name) { return "key TAB\nkey DELETE\ntype " + name + "\nkey F10\n"; }
std::string write_to(const std::string& name) { return "key F7\nkey F4\n" + named(name); }
std::string read_from(const std::string& name) { return "key F7\nkey F1\n" + named(name); }

// The records of a buffer file, after checking its path line.
Lines buffer_file(const Session& s, const std::string& name) {
  Lines lines = lines_of(s.file(name));
  if (lines.empty()) return {"(no path line)"};
  EXPECT_EQ(lines.front(), name + std::string(80 - name.size(), ' '));
  return {lines.begin() + 1, lines.end()};
}

// The records of the drawing as written, after its three header lines.
Lines drawing_records(const Session& s) {
  const Lines lines = lines_of(s.file("d.plv"));
  return lines.size() < 3 ? lines : Lines(lines.begin() + 3, lines.end());
}

int run(Session& s, const std::string& script) {
  s.put("d.plv", kHeader + kDrawing);
  s.give_away("d.plv");  // for a session run as an ordinary user
  return s.run(script, "d.plv");
}

// Row 3 of each screen shown; the file name menu, shown again at each key
// typed into its fields, once a visit.
Lines rows_3(const Session& s) {
  Lines out;
  for (const auto& screen : s.screens()) {
    const std::string row = Session::row(screen, 3);
    if (row != kNameBanner || out.empty() || out.back() != kNameBanner) out.push_back(row);
  }
  return out;
}

std::vector<std::string> screens_headed(const Session& s, const std::string& heading) {
  std::vector<std::string> found;
  for (const auto& screen : s.screens())
    if (Session::row(screen, 3) == heading) found.push_back(screen);
  return found;
}

TEST(BufferMenu, ItsScreenAndTheFileNameMenuInBothModes) {
  Session s;
  ASSERT_EQ(
      run(s, "key F10\nkey F7\nkey F4\nkey F9\nkey F7\nkey F1\nkey F9\nkey F1\nkey F6\nkey F10\nkey F7\nkey F10\n"), 0)
      << s.file("stderr.txt");
  const auto menus = screens_headed(s, kMenuBanner);
  const auto names = screens_headed(s, kNameBanner);
  ASSERT_EQ(menus.size(), 3u);
  ASSERT_EQ(names.size(), 2u);
  const std::string& menu = menus.front();
  EXPECT_EQ(Session::row(menu, 1).substr(0, 12), "*** PLIVET  ");
  EXPECT_EQ(Session::row(menu, 5), "                  DRAWING FILE NAME:d.plv");
  EXPECT_EQ(Session::row(menu, 7), "                F1 = READ A FILE INTO THE BUFFER");
  EXPECT_EQ(Session::row(menu, 8), "                F2 = CUT FROM THE DRAWING INTO THE BUFFER");
  EXPECT_EQ(Session::row(menu, 9), "                F3 = COPY FROM THE DRAWING INTO THE BUFFER");
  EXPECT_EQ(Session::row(menu, 10), "                F4 = WRITE THE BUFFER TO A DISC FILE");
  EXPECT_EQ(Session::row(menu, 11), "                F5 = CLEAR THE BUFFER");
  EXPECT_EQ(Session::row(menu, 12), "                F6 = PASTE FROM THE BUFFER INTO THE DRAWING");
  EXPECT_EQ(Session::row(menu, 16), "                F10= GET THE MAIN MENU");
  EXPECT_EQ(Session::row(menus.back(), 5), "                  NO DRAWING FILE IS OPEN");

  const std::string& write = names[0];
  const std::string& read = names[1];
  EXPECT_EQ(Session::row(write, 1), Session::row(menu, 1));
  EXPECT_EQ(Session::row(write, 5), "DIRECTORY:");
  EXPECT_EQ(Session::row(write, 7), "FILE NAME:");
  EXPECT_EQ(Session::row(write, 9), "             F9 = DO NOT WRITE THE BUFFER TO A FILE.");
  EXPECT_EQ(Session::row(write, 11), "             F10= WRITE THE BUFFER TO THE FILE.");
  EXPECT_EQ(Session::row(read, 9), "             F1 = GET A LIST OF FILE NAMES WITH EXTENSION  plv");
  EXPECT_EQ(Session::row(read, 11), "             F9 = DO NOT READ A BUFFER FILE.");
  EXPECT_EQ(Session::row(read, 13), "             F10= READ THE FILE INTO THE BUFFER.");
}

TEST(BufferMenu, CopiesAppendWithTheirColoursAndWritingEmptiesTheBuffer) {
  Session s;
  // The second copy drags nothing: the box is the last one again.
  ASSERT_EQ(
      run(s, kDrawn + kCopyBox + "key F7\nkey F3\nkey ENTER\n" + write_to("b.buf") + write_to("c.buf") + kExitWriting),
      0)
      << s.file("stderr.txt");
  Lines twice = kCopied;
  twice.insert(twice.end(), kCopied.begin(), kCopied.end());
  EXPECT_EQ(buffer_file(s, "b.buf"), twice);
  EXPECT_EQ(buffer_file(s, "c.buf"), Lines{});
  EXPECT_EQ(drawing_records(s), lines_of(kDrawing));
  // Writing goes back to the main menu.
  const Lines rows = rows_3(s);
  for (size_t i = 0; i + 1 < rows.size(); ++i) {
    if (rows[i] == kNameBanner) {
      EXPECT_EQ(rows[i + 1], kMainBanner) << i;
    }
  }
}

TEST(BufferMenu, ACutWrittenAndReadBackAndACommandFileReadIn) {
  Session s;
  // A graphics command file, chosen from the list of drawings, with a line
  // whose numbers do not read: its setup and date lines come in as records
  // that write nothing.
  s.put("in.plv", kHeader + "LI   1x0   200   300   400 S\n" + kDrawing);
  ASSERT_EQ(run(s, kDrawn + "key F7\nkey F2\n" + kBox + write_to("b.buf") + read_from("b.buf") + write_to("c.buf") +
                       "key F7\nkey F1\nkey F1\nkey DOWN\nkey ENTER\nkey F10\nkey ENTER\nkey ENTER\n" + write_to("e.buf") +
                       kExitWriting),
            0)
      << s.file("stderr.txt");
  EXPECT_EQ(buffer_file(s, "b.buf"), kCopied);
  EXPECT_EQ(buffer_file(s, "c.buf"), kCopied);
  // Its colour mode is left out, and the user told: a paste keeps the
  // drawing's own.
  Lines without_mode = lines_of(kDrawing);
  without_mode.erase(without_mode.begin());
  EXPECT_EQ(buffer_file(s, "e.buf"), without_mode);
  const auto mode_told = screens_headed(s, "1 LINE OF THE FILE CHOSE A COLOR MODE (LINE 5).");
  ASSERT_EQ(mode_told.size(), 1u);
  EXPECT_EQ(Session::row(mode_told.front(), 5), "IT WAS LEFT OUT: A PASTE KEEPS THE DRAWING'S OWN MODE.");
  EXPECT_EQ(drawing_records(s),
            (Lines{"SC MODE BAR", "SC BAR   5", kLayer, "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S",
                   "SC BAR   3", "DEBX0.200000E+030.200000E+030.300000E+030.300000E+03",
                   "CI   600     0   700     0   600   100"}));
  const auto told = screens_headed(s, "1 LINE OF THE FILE COULD NOT BE READ (LINE 4).");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(Session::row(told.front(), 5), "IT IS A BLANK RECORD IN THE BUFFER.");
}

TEST(BufferMenu, ClearStaysAndCutAndCopyWaitForAPicture) {
  Session s;
  ASSERT_EQ(run(s, "key F10\nkey F7\nkey F2\nkey F3\nkey F10\nkey F3\nkey ENTER\n" + kCopyBox +
                       "key F7\nkey F5\nkey F4\n" + named("b.buf") + kExitWriting),
            0)
      << s.file("stderr.txt");
  EXPECT_EQ(buffer_file(s, "b.buf"), Lines{});
  const Lines rows = rows_3(s);
  // F2 and F3 before the picture, and F5, leave the buffer menu on the screen.
  const auto first = std::find(rows.begin(), rows.end(), kMenuBanner);
  ASSERT_LT(first + 4, rows.end());
  EXPECT_EQ(Lines(first, first + 4), (Lines{kMenuBanner, kMenuBanner, kMenuBanner, kMainBanner}));
  const auto name_menu = std::find(rows.begin(), rows.end(), kNameBanner);
  EXPECT_EQ(Lines(name_menu - 3, name_menu), (Lines{kMainBanner, kMenuBanner, kMenuBanner}));
}

TEST(BufferMenu, PasteGoesToThePasteMenuAndCutAndPasteNeedADrawing) {
  Session s;
  // F6 with the drawing open; then the drawing quit, the picture still shown.
  ASSERT_EQ(
      run(s, kDrawn + "key F7\nkey F6\nkey F10\nkey F1\nkey F6\nkey F10\nkey F7\nkey F2\nkey ENTER\nkey F7\nkey F6\n"
                      "key ENTER\n"),
      0)
      << s.file("stderr.txt");
  const Lines rows = rows_3(s);
  const auto paste = std::find(rows.begin(), rows.end(),
                               "***** PASTE MENU ****** PASTE MENU ****** PASTE MENU ****** PASTE MENU *****");
  ASSERT_NE(paste, rows.end());
  EXPECT_EQ(*(paste - 1), kMenuBanner);
  const std::string guard = "ERROR: TO DRAW YOU MUST OPEN A DRAWING FILE.";
  EXPECT_EQ(Lines(rows.end() - 6, rows.end()),
            (Lines{kMenuBanner, guard, kMainBanner, kMenuBanner, guard, kMainBanner}));
  EXPECT_EQ(s.file("d.plv"), kHeader + kDrawing);
}

TEST(BufferMenu, AFileThatDoesNotOpenIsAskedForAgainUntilF9) {
  Session s;
  ASSERT_EQ(
      run(s, kDrawn + kCopyBox + read_from("none.buf") + "key ENTER\nkey F9\n" + write_to("b.buf") + kExitWriting), 0)
      << s.file("stderr.txt");
  EXPECT_EQ(buffer_file(s, "b.buf"), kCopied);  // nothing was read in its place
  const Lines rows = rows_3(s);
  const auto error = std::find(rows.begin(), rows.end(), kCannotOpen);
  ASSERT_LT(error + 2, rows.end());
  EXPECT_EQ(Lines(error - 1, error + 3), (Lines{kNameBanner, kCannotOpen, kNameBanner, kMainBanner}));
  const std::string told = screens_headed(s, kCannotOpen).front();
  EXPECT_EQ(Session::row(told, 5), "PLEASE GIVE A NEW DIRECTORY PATH OR FILE NAME.");
  EXPECT_EQ(Session::row(told, 7), "TYPE ANY KEY TO CONTINUE...");
}

TEST(BufferMenu, AWriteThatFailsSaysSoAndKeepsTheBuffer) {
  Session s;
  s.as_ordinary_user();
  fs::create_directory(s.path("locked"));
  fs::permissions(s.path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  s.give_away("locked");
  s.put("ro.buf", "kept\n");
  s.give_away("ro.buf");
  fs::permissions(s.path("ro.buf"), fs::perms::owner_read);
  // Into the folder, given up; into the read-only file, then another name.
  ASSERT_EQ(
      run(s, kDrawn + kCopyBox + "key F7\nkey F4\ntype locked\nkey TAB\ntype b.buf\nkey F10\nkey ENTER\nkey F9\n" +
                 "key F7\nkey F4\nkey DELETE\n" + named("ro.buf") + "key ENTER\nkey DELETE\ntype good.buf\nkey F10\n" +
                 kExitWriting),
      0)
      << s.file("stderr.txt");
  EXPECT_EQ(buffer_file(s, "good.buf"), kCopied);
  EXPECT_EQ(s.file("ro.buf"), "kept\n");
  EXPECT_TRUE(fs::is_empty(s.path("locked")));
  EXPECT_EQ(screens_headed(s, kCannotOpen).size(), 2u);
}

TEST(BufferMenu, AClosingWindowAtItsWaitsEndsInOrder) {
  for (const std::string& wait : {std::string("key F7\nclose\n"), std::string("key F7\nkey F2\nclose\n"),
                                  std::string("key F7\nkey F4\ntype half\nclose\n"),
                                  std::string("key F7\nkey F1\nkey TAB\ntype no\nkey F10\nclose\n")}) {
    Session s;
    EXPECT_EQ(run(s, kDrawn + wait), 0) << wait;
    EXPECT_TRUE(s.exists("plivet.set")) << wait;
  }
}

}  // namespace
}  // namespace plv::e2e
