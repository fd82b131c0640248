// The buffer and paste menus in whole sessions: copies, cuts and buffer
// files, the keys that wait for a picture or a drawing, and pastes of every
// kind with their pictures and the transform kept.

#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/golden.h"
#include "image/png_writer.h"

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

// What was shown after the start-up menu: the screens by a short name for
// their heading, or the heading itself, and the pictures. The file name
// menu, shown again at each key typed into its fields, and the pictures
// of a box pulled, once a visit.
Lines visits(const Session& s) {
  static const std::pair<const char*, const char*> kNames[] = {
      {"main_menu", "main"},   {"buffer_menu", "buffer"}, {"buffer_write_name_menu", "name"},
      {"paste_menu", "paste"}, {"exit_menu", "exit"},     {"e2e_no_drawing_to_draw_in", "guard"},
      {"buffer_file_cannot_open", "cannot open"},         {"element_too_large", "error"}};
  Lines out;
  for (const Snapshot& shot : s.snapshots()) {
    std::string seen = shot.picture ? "picture" : row(shot.bytes, 3);
    for (const auto& [golden, name] : kNames)
      if (seen == heading_of(golden).text) seen = name;
    if ((seen != "name" && seen != "picture") || out.empty() || out.back() != seen) out.push_back(seen);
  }
  return out.empty() ? out : Lines(out.begin() + 1, out.end());
}

using BufferMenu = SessionTest;

TEST_F(BufferMenu, CopiesAppendWithTheirColoursAndWritingEmptiesTheBuffer) {
  // The second copy drags nothing: the box is the last one again.
  ASSERT_TRUE(s.ends_in(kDrawing, walk::drawn().then(kCopyBox).f(7).f(3).enter().then(write_to("b.buf"))
                                      .then(write_to("c.buf")).then(walk::write_and_end())));
  Lines twice = kCopied;
  twice.insert(twice.end(), kCopied.begin(), kCopied.end());
  EXPECT_EQ(buffer_file(s, "b.buf"), twice);
  EXPECT_EQ(buffer_file(s, "c.buf"), Lines{});
  EXPECT_EQ(s.records(), lines_of(kDrawing));
  // Writing goes back to the main menu.
  EXPECT_EQ(visits(s), (Lines{"main", "picture", "main", "buffer", "picture", "main", "buffer", "picture", "main",
                              "buffer", "name", "main", "buffer", "name", "main", "exit"}));
}

TEST_F(BufferMenu, ACutWrittenAndReadBackAndACommandFileReadIn) {
  // A graphics command file, chosen from the list of drawings, with a line
  // whose numbers do not read: its setup and date lines come in as records
  // that write nothing. Its colour mode is left out, and the user told: a
  // paste keeps the drawing's own.
  s.put("in.plv", drawing("LI   1x0   200   300   400 S\n" + kDrawing));
  ASSERT_TRUE(s.ends_in(kDrawing, walk::drawn().f(7).f(2).then(kBox).then(write_to("b.buf")).then(read_from("b.buf"))
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
  ASSERT_TRUE(s.ends_in(kDrawing, Script().f(10).f(7).f(2).f(3).f(10).f(3).enter().then(kCopyBox).f(7).f(5).f(4)
                                      .then(walk::buffer_name("b.buf")).then(walk::write_and_end())));
  EXPECT_EQ(buffer_file(s, "b.buf"), Lines{});
  EXPECT_EQ(visits(s), (Lines{"main", "buffer", "buffer", "buffer", "main", "picture", "main", "buffer", "picture",
                              "main", "buffer", "buffer", "name", "main", "exit"}));

  Session quit;
  // F6 with the drawing open; then the drawing quit, the picture still shown.
  ASSERT_TRUE(quit.ends_in(kDrawing, walk::drawn().f(7).f(6).f(10).f(1).f(6).f(10).f(7).f(2).enter().f(7).f(6)
                                         .enter()));
  const Lines rows = visits(quit);
  ASSERT_GE(rows.size(), 6u);
  EXPECT_EQ(Lines(rows.begin(), rows.begin() + 5), (Lines{"main", "picture", "main", "buffer", "paste"}));
  EXPECT_EQ(last(rows, 6), (Lines{"buffer", "guard", "main", "buffer", "guard", "main"}));
  EXPECT_EQ(quit.file("d.plv"), drawing(kDrawing)) << "quitting leaves the file alone";
}

TEST_F(BufferMenu, AFileThatDoesNotOpenIsAskedForAgainAndTheBufferKept) {
  ASSERT_TRUE(s.ends_in(kDrawing, walk::drawn().then(kCopyBox).then(read_from("none.buf")).enter().f(9)
                                      .then(write_to("b.buf")).then(walk::write_and_end())));
  EXPECT_EQ(buffer_file(s, "b.buf"), kCopied);  // nothing was read in its place
  EXPECT_EQ(visits(s), (Lines{"main", "picture", "main", "buffer", "picture", "main", "buffer", "name", "cannot open",
                              "name", "main", "buffer", "name", "main", "exit"}));
  EXPECT_TRUE(shows_golden(s, "buffer_file_cannot_open"));

  Session unwritable;
  unwritable.as_ordinary_user();
  unwritable.folder("locked");
  fs::permissions(unwritable.path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  unwritable.put("ro.buf", "kept\n");
  fs::permissions(unwritable.path("ro.buf"), fs::perms::owner_read);
  // Into the folder, given up; into the read-only file, then another name.
  ASSERT_TRUE(unwritable.ends_in(kDrawing, walk::drawn().then(kCopyBox).f(7).f(4).type("locked").tab().type("b.buf")
                                               .f(10).enter().f(9).f(7).f(4).clear().then(walk::buffer_name("ro.buf"))
                                               .enter().field("good.buf").f(10).then(walk::write_and_end())));
  EXPECT_EQ(buffer_file(unwritable, "good.buf"), kCopied);
  EXPECT_EQ(unwritable.file("ro.buf"), "kept\n");
  EXPECT_TRUE(fs::is_empty(unwritable.path("locked")));
  EXPECT_EQ(screens_of(unwritable, "buffer_file_cannot_open").size(), 2u);
}

const std::string kLine = "SC BAR   3\nLI     0     0   100     0 S\n";
// The drawing drawn, everything in the box from -10,-10 to 110,110 copied
// into the buffer, then the paste menu.
const Script kCopyAllAndPaste = walk::drawn().then(walk::copy_box(-10, -10, 110, 110)).f(8);

// The picture of one colour all over, white as the window's background.
std::string blank_picture() {
  const image::OwnedPixels white{700, 500, std::vector<std::uint32_t>(700 * 500, 0xFFFFFF)};
  const auto bytes = image::encode_png(white.view());
  return {bytes.begin(), bytes.end()};
}

using Paste = SessionTest;

TEST_F(Paste, WhatEachPasteAppends) {
  const struct {
    const char* what;
    std::string records;  // the drawing's own
    Script keys;          // in the paste menu
    std::string setting = "";  // the settings hold
    std::string told = "";
    std::vector<Shown> shown = {};
  } pastes[] = {
      // walk::fields fills the paste menu's fields in turn: shift x, shift y,
      // scale x, scale y and rotation.
      // The colour and the second layer record equal the ones written before them.
      {"a simple paste leads with one layer record, and two append twice", kLine, walk::fields({"200"}).f(9).f(9),
       "B1   0.2000000E+03  0.0000000E+00"},
      {"the box 0,0 200,100 fits the line of 100 by its width", kLine,
       Script().f(1).then(walk::box(0, 0, 200, 100)).enter().f(9)},
      // A box of no width would scale the line to nothing; widened to 700
      // on the second drag, it fits the line at 7.
      {"a box flat across the buffer is dragged again", kLine,
       Script().f(1).drag(500, 350, -500, 350).enter().drag(-600, 0, 200, 0).enter().enter().f(9),
       "B2   0.7000000E+01  0.7000000E+01"},
      // The copy carries the colour and layer the string was drawn in, with
      // no records of its own before it; its size kept, turned to +y.
      {"a turned string goes point by point", "CH     0     0 12 S 0 HELLO\n",
       walk::fields({"0", "0", "1", "1", "90"}).f(9)},
      {"a stretched wide line and ellipse go point by point",
       "LW     0     0     0   100     3\nEL     0.50000E+02    0.50000E+02    0.20000E+02    0.10000E+02\n",
       walk::fields({"0", "0", "2", "1"}).f(9)},
      // Turned by a degree, the paste goes point by point: the shifted x cannot be written.
      {"a paste that would not fit the file is refused whole", kLine + "LI     0    50   100    50 S\n",
       walk::fields({"9999999", "0", "1", "1", "1"}).f(9).enter(), "", "NOTHING WAS PASTED"},
      // Scales 2 and 3 and a turn of 30 degrees are taken; then 0 and -1.5
      // are typed over the scales. F2 ends each entry. The menu shows the
      // scales it kept, not the ones refused.
      {"scales of zero or less are refused and the transform is kept", kLine,
       Script().tab(2).field("2").tab().field("3").tab().field("30").f(2).enter().tab(2).field("0").tab().field("-1.5")
           .f(2).enter(),
       "B1   0.0000000E+00  0.0000000E+00\nB2   0.2000000E+01  0.3000000E+01\n"
       "B3   0.3000000E+02  0.8660254E+00  0.4999999E+00",
       "", {{"paste_menu_scales_kept", -1}}},
  };
  for (const auto& paste : pastes) {
    SCOPED_TRACE(paste.what);
    Session pasted;
    EXPECT_TRUE(pasted.ends_in(paste.records, Script(kCopyAllAndPaste).then(paste.keys).then(walk::leave_and_write())));
    const Lines appended = after(pasted.records(), lines_of(paste.records));
    EXPECT_EQ(appended, kept_records("e2e_paste_records", paste.what, appended));
    EXPECT_NE(pasted.file("plivet.set").find(paste.setting + "\n"), std::string::npos);
    EXPECT_TRUE(paste.told.empty() || pasted.told(paste.told));
    expect_shown(pasted, paste.shown);
  }
}

TEST_F(Paste, ViewDrawUndrawAndClearThePicture) {
  // Shifted 300 to the right, the buffer is drawn clear of the line it
  // was copied from; each picture waits for a key.
  ASSERT_TRUE(s.ends_in(kLine, Script(kCopyAllAndPaste).field("300").f(2).enter().f(3).enter().f(4).enter().f(5).enter()
                                   .f(2).enter().then(walk::leave_and_write())));
  std::vector<std::string> pictures;  // those after the first paste menu
  bool in_menu = false;
  for (const Snapshot& shot : s.snapshots()) {
    in_menu |= !shot.picture && row(shot.bytes, 3) == heading_of("paste_menu").text;
    if (shot.picture && in_menu) pictures.push_back(shot.bytes);
  }
  ASSERT_EQ(pictures.size(), 5u);
  const std::string &viewed = pictures[0], &drawn = pictures[1], &undrawn = pictures[2], &cleared = pictures[3],
                    &viewed_again = pictures[4];
  EXPECT_NE(drawn, viewed);
  // Undrawing takes away exactly what was drawn, and nothing of the drawing.
  EXPECT_EQ(undrawn, viewed);
  EXPECT_EQ(cleared, blank_picture());
  EXPECT_NE(viewed, blank_picture());
  EXPECT_EQ(viewed_again, cleared);
  // Only pictures changed: the drawing holds what it held.
  EXPECT_EQ(s.records(), lines_of(kLine));
}

TEST_F(Paste, TheBufferOutlivesTheDrawingItCameFrom) {
  s.put("e.plv", drawing("SC MODE BAR\nBX   500   500   600   600\n", "e.plv"));
  // Copied in d.plv, which the file menu then closes; e.plv is chosen
  // from the list of drawings (the second name) and the buffer pasted
  // into it, shifted 200 to the right.
  ASSERT_TRUE(s.ends_in(kLine, walk::drawn().then(walk::copy_box(-10, -10, 110, 110)).f(1).f(2).f(2).down().enter()
                                   .f(10).f(8).field("200").f(9).then(walk::leave_and_write())));
  EXPECT_EQ(s.records("e.plv"), (Lines{"SC MODE BAR", "BX   500   500   600   600",
                                       "LA  0  0.1000000E+01  0.2000000E+03  0.0000000E+00", "SC BAR   3",
                                       "LI     0     0   100     0 S"}));
  EXPECT_EQ(s.records(), lines_of(kLine));
}

TEST_F(Paste, NoBoxIsOfferedForAnEmptyBufferOrOneOfASinglePoint) {
  // F1 with the buffer still empty, then again once it holds the line of no length.
  ASSERT_TRUE(s.ends_in("SC BAR   3\nLI    50    50    50    50 S\n",
                        walk::drawn().f(8).f(1).enter().f(10).then(walk::copy_box(-10, -10, 110, 110)).f(8).f(1)
                            .enter().then(walk::leave_and_write())));
  expect_shown(s, {{"e2e_paste_buffer_empty", 0, 2}, {"e2e_paste_buffer_single_point", 1}});
  // Each message leads back to the paste menu, not into a box drag that
  // could never end.
  EXPECT_EQ(visits(s), (Lines{"main", "picture", "main", "paste", "error", "paste", "main", "buffer", "picture", "main",
                              "paste", "error", "paste", "main", "exit"}));
  // No fit was made: the transform is as it started.
  EXPECT_EQ(row(s.file("plivet.set"), 6), "B2   0.1000000E+01  0.1000000E+01");
}

}  // namespace
}  // namespace plv::e2e
