// The buffer menu in whole sessions: copying and cutting by box, buffer
// files written and read back, clearing, the keys that wait for a picture
// or a drawing, paths that do not open, and writes that fail.

#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/golden.h"
#include "e2e/walks.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kLayer = "LA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00";
// Two graphics in two colours on layer 1, and a circle far to the right.
const std::string kDrawing = "SC MODE BAR\nSC BAR   5\n" + kLayer +
                             "\nLI     0     0   100     0 S\nSC BAR   3\nBX   200   200   300   300\n"
                             "CI   600     0   700     0   600   100\n";
const Lines kCopied = {"SC BAR   5", kLayer, "LI     0     0   100     0 S", "SC BAR   3", "BX   200   200   300   300"};

// The box that takes the line and the box, not the circle.
const Script kBox = walk::box(-100, -100, 400, 400);
const Script kCopyBox = walk::copy_box(-100, -100, 400, 400);

Script write_to(const std::string& name) { return Script().f(7).f(4).then(walk::buffer_name(name)); }
Script read_from(const std::string& name) { return Script().f(7).f(1).then(walk::buffer_name(name)); }

// The records of a buffer file, after checking its path line.
Lines buffer_file(const Session& s, const std::string& name) {
  Lines lines = lines_of(s.file(name));
  if (lines.empty()) return {"(no path line)"};
  EXPECT_EQ(lines.front(), name + std::string(80 - name.size(), ' '));
  return {lines.begin() + 1, lines.end()};
}

::testing::AssertionResult run(Session& s, const Script& script) {
  s.put("d.plv", drawing(kDrawing));
  return s.ends(script, "d.plv");
}

// The screens after the start-up menu, the menus among them by a short
// name, others by their heading; the file name menu, shown again at each
// key typed into its fields, once a visit.
Lines visits(const Session& s) {
  static const std::pair<const char*, const char*> kMenus[] = {
      {"main_menu", "main"},   {"buffer_menu", "buffer"}, {"buffer_write_name_menu", "name"},
      {"paste_menu", "paste"}, {"exit_menu", "exit"},     {"e2e_no_drawing_to_draw_in", "guard"},
      {"buffer_file_cannot_open", "cannot open"}};
  Lines out;
  for (std::string heading : s.headings()) {
    for (const auto& [golden, name] : kMenus)
      if (heading == heading_of(golden).text) heading = name;
    if (heading != "name" || out.empty() || out.back() != heading) out.push_back(heading);
  }
  return out.empty() ? out : Lines(out.begin() + 1, out.end());
}

using BufferMenu = SessionTest;

TEST_F(BufferMenu, CopiesAppendWithTheirColoursAndWritingEmptiesTheBuffer) {
  // The second copy drags nothing: the box is the last one again.
  ASSERT_TRUE(run(s, walk::drawn().then(kCopyBox).f(7).f(3).enter().then(write_to("b.buf")).then(write_to("c.buf"))
                         .then(walk::write_and_end())));
  Lines twice = kCopied;
  twice.insert(twice.end(), kCopied.begin(), kCopied.end());
  EXPECT_EQ(buffer_file(s, "b.buf"), twice);
  EXPECT_EQ(buffer_file(s, "c.buf"), Lines{});
  EXPECT_EQ(s.records(), lines_of(kDrawing));
  // Writing goes back to the main menu.
  EXPECT_EQ(visits(s), (Lines{"main", "main", "buffer", "main", "buffer", "main", "buffer", "name", "main", "buffer",
                              "name", "main", "exit"}));
}

TEST_F(BufferMenu, ACutWrittenAndReadBackAndACommandFileReadIn) {
  // A graphics command file, chosen from the list of drawings, with a line
  // whose numbers do not read: its setup and date lines come in as records
  // that write nothing. Its colour mode is left out, and the user told: a
  // paste keeps the drawing's own.
  s.put("in.plv", drawing("LI   1x0   200   300   400 S\n" + kDrawing));
  ASSERT_TRUE(run(s, walk::drawn().f(7).f(2).then(kBox).then(write_to("b.buf")).then(read_from("b.buf"))
                         .then(write_to("c.buf")).f(7).f(1).f(1).down().enter().f(10).enter().enter()
                         .then(write_to("e.buf")).then(walk::write_and_end())));
  EXPECT_EQ(buffer_file(s, "b.buf"), kCopied);
  EXPECT_EQ(buffer_file(s, "c.buf"), kCopied);
  EXPECT_EQ(buffer_file(s, "e.buf"), last(lines_of(kDrawing), lines_of(kDrawing).size() - 1));
  expect_shown(s, {{"e2e_buffer_mode_left_out", 0, 1}, {"e2e_buffer_line_unread", 0, 1}});
  EXPECT_EQ(s.records(), (Lines{"SC MODE BAR", "SC BAR   5", kLayer, "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S",
                                "SC BAR   3", "DEBX0.200000E+030.200000E+030.300000E+030.300000E+03",
                                "CI   600     0   700     0   600   100"}));
}

TEST_F(BufferMenu, KeysWaitForAPictureOrADrawingAndPasteGoesToThePasteMenu) {
  // F2 and F3 before the picture, and F5, leave the buffer menu on the screen.
  ASSERT_TRUE(run(s, Script().f(10).f(7).f(2).f(3).f(10).f(3).enter().then(kCopyBox).f(7).f(5).f(4)
                         .then(walk::buffer_name("b.buf")).then(walk::write_and_end())));
  EXPECT_EQ(buffer_file(s, "b.buf"), Lines{});
  EXPECT_EQ(visits(s), (Lines{"main", "buffer", "buffer", "buffer", "main", "main", "buffer", "main", "buffer",
                              "buffer", "name", "main", "exit"}));

  Session quit;
  // F6 with the drawing open; then the drawing quit, the picture still shown.
  ASSERT_TRUE(run(quit, walk::drawn().f(7).f(6).f(10).f(1).f(6).f(10).f(7).f(2).enter().f(7).f(6).enter()));
  const Lines rows = visits(quit);
  ASSERT_GE(rows.size(), 6u);
  EXPECT_EQ(Lines(rows.begin(), rows.begin() + 4), (Lines{"main", "main", "buffer", "paste"}));
  EXPECT_EQ(last(rows, 6), (Lines{"buffer", "guard", "main", "buffer", "guard", "main"}));
  EXPECT_EQ(quit.file("d.plv"), drawing(kDrawing));
}

TEST_F(BufferMenu, AFileThatDoesNotOpenIsAskedForAgainUntilF9) {
  ASSERT_TRUE(run(s, walk::drawn().then(kCopyBox).then(read_from("none.buf")).enter().f(9).then(write_to("b.buf"))
                         .then(walk::write_and_end())));
  EXPECT_EQ(buffer_file(s, "b.buf"), kCopied);  // nothing was read in its place
  EXPECT_EQ(visits(s), (Lines{"main", "main", "buffer", "main", "buffer", "name", "cannot open", "name", "main", "buffer",
                              "name", "main", "exit"}));
  EXPECT_TRUE(shows_golden(s, "buffer_file_cannot_open"));
}

TEST_F(BufferMenu, AWriteThatFailsSaysSoAndKeepsTheBuffer) {
  s.as_ordinary_user();
  s.folder("locked");
  fs::permissions(s.path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  s.put("ro.buf", "kept\n");
  fs::permissions(s.path("ro.buf"), fs::perms::owner_read);
  // Into the folder, given up; into the read-only file, then another name.
  ASSERT_TRUE(run(s, walk::drawn().then(kCopyBox).f(7).f(4).type("locked").tab().type("b.buf").f(10).enter().f(9)
                         .f(7).f(4).clear().then(walk::buffer_name("ro.buf")).enter().field("good.buf").f(10)
                         .then(walk::write_and_end())));
  EXPECT_EQ(buffer_file(s, "good.buf"), kCopied);
  EXPECT_EQ(s.file("ro.buf"), "kept\n");
  EXPECT_TRUE(fs::is_empty(s.path("locked")));
  EXPECT_EQ(screens_of(s, "buffer_file_cannot_open").size(), 2u);
}

}  // namespace
}  // namespace plv::e2e
