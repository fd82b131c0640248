// Pasting the buffer through the paste menu: simple pastes carried by one
// layer record, fits into a dragged box, point-by-point pastes turned or
// stretched, pastes refused whole, the picture keys, the transform kept in
// the settings, and the buffer outliving the drawing it came from.

#include <gtest/gtest.h>

#include "e2e/golden.h"
#include "e2e/picture.h"
#include "e2e/walks.h"

namespace plv::e2e {
namespace {

const std::string kLine = "SC BAR   3\nLI     0     0   100     0 S\n";
// The drawing drawn, everything in the box from -10,-10 to 110,110 copied
// into the buffer, then the paste menu.
const Script kCopyAllAndPaste = walk::drawn().then(walk::copy_box(-10, -10, 110, 110)).f(8);

// Each field of the paste menu in turn: shift x, shift y, scale x, scale y, rotation.
Script typed(std::initializer_list<std::string_view> values) {
  Script s;
  for (const std::string_view v : values) s.field(v).tab();
  return s;
}

TEST(Paste, WhatEachPasteAppends) {
  const struct {
    const char* what;
    std::string records;  // the drawing's own
    Script keys;          // in the paste menu
    Lines pasted;         // the records written after the drawing's own
    std::string setting = "";
    std::string told = "";
  } pastes[] = {
      // The colour and the second layer record equal the ones written before them.
      {"a simple paste leads with one layer record, and two append twice", kLine, typed({"200"}).f(9).f(9),
       {"LA  0  0.1000000E+01  0.2000000E+03  0.0000000E+00", "LI     0     0   100     0 S",
        "LI     0     0   100     0 S"},
       "B1   0.2000000E+03  0.0000000E+00"},
      {"the box 0,0 200,100 fits the line of 100 by its width", kLine,
       Script().f(1).then(walk::box(0, 0, 200, 100)).enter().f(9),
       {"LA  0  0.2000000E+01  0.0000000E+00  0.0000000E+00", "LI     0     0   100     0 S"}},
      // A box of no width would scale the line to nothing; widened to 700
      // on the second drag, it fits the line at 7.
      {"a box flat across the buffer is dragged again", kLine,
       Script().f(1).drag(500, 350, -500, 350).enter().drag(-600, 0, 200, 0).enter().enter().f(9),
       {"LA  0  0.7000000E+01 -0.5000000E+03 -0.3500000E+03", "LI     0     0   100     0 S"},
       "B2   0.7000000E+01  0.7000000E+01"},
      // The copy carries the colour and layer the string was drawn in, with
      // no records of its own before it; its size kept, turned to +y.
      {"a turned string goes point by point", "CH     0     0 12 S 0 HELLO\n", typed({"0", "0", "1", "1", "90"}).f(9),
       {"SC BAR   7", "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00", "CH   195  -113 12 S 1 HELLO"}},
      {"a stretched wide line and ellipse go point by point",
       "LW     0     0     0   100     3\nEL     0.50000E+02    0.50000E+02    0.20000E+02    0.10000E+02\n",
       typed({"0", "0", "2", "1"}).f(9),
       {"SC BAR   7", "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00", "LW     0     0     0   100     6",
        "EL     0.10000E+03    0.50000E+02    0.40000E+02    0.10000E+02"}},
      // Turned by a degree, the paste goes point by point: the shifted x cannot be written.
      {"a paste that would not fit the file is refused whole", kLine + "LI     0    50   100    50 S\n",
       typed({"9999999", "0", "1", "1", "1"}).f(9).enter(), {}, "", "NOTHING WAS PASTED"},
  };
  for (const auto& paste : pastes) {
    Session s;
    s.put("d.plv", drawing(paste.records));
    EXPECT_TRUE(s.ends(Script(kCopyAllAndPaste).then(paste.keys).then(walk::leave_and_write()), "d.plv")) << paste.what;
    const Lines records = s.records();
    EXPECT_EQ(Lines(records.begin() + static_cast<long>(std::min(records.size(), lines_of(paste.records).size())),
                    records.end()),
              paste.pasted)
        << paste.what;
    EXPECT_NE(s.file("plivet.set").find(paste.setting + "\n"), std::string::npos) << paste.what;
    EXPECT_TRUE(paste.told.empty() || s.told(paste.told)) << paste.what;
  }
}

// The pictures shown after the first paste menu, in order.
std::vector<Picture> pictures_after_the_paste_menu(const Session& s) {
  std::vector<Picture> out;
  bool in_menu = false;
  for (const Snapshot& shot : snapshots(s)) {
    if (!shot.picture) {
      in_menu |= row(shot.bytes, 3) == heading_of("paste_menu").text;
    } else if (in_menu) {
      const auto picture = decode_png(shot.bytes);
      EXPECT_TRUE(picture) << "snapshot " << out.size() + 1 << " is no picture this test can read";
      out.push_back(picture.value_or(Picture{}));
    }
  }
  return out;
}

TEST(Paste, ViewDrawUndrawAndClearThePicture) {
  Session s;
  s.put("d.plv", drawing(kLine));
  // Shifted 300 to the right, the buffer is drawn clear of the line it
  // was copied from; each picture waits for a key.
  ASSERT_TRUE(s.ends(Script(kCopyAllAndPaste).field("300").f(2).enter().f(3).enter().f(4).enter().f(5).enter().f(2)
                         .enter().then(walk::leave_and_write()), "d.plv"));
  const auto pictures = pictures_after_the_paste_menu(s);
  ASSERT_EQ(pictures.size(), 5u);
  const Picture &viewed = pictures[0], &drawn = pictures[1], &undrawn = pictures[2], &cleared = pictures[3],
                &viewed_again = pictures[4];
  EXPECT_NE(drawn, viewed);
  // Undrawing takes away exactly what was drawn, and nothing of the drawing.
  EXPECT_EQ(undrawn, viewed);
  EXPECT_TRUE(cleared.uniform());
  EXPECT_FALSE(viewed.uniform());
  EXPECT_EQ(viewed_again, cleared);
  // Only pictures changed: the drawing holds what it held.
  EXPECT_EQ(s.records(), lines_of(kLine));
}

TEST(Paste, ScalesOfZeroOrLessAreRefusedAndTheTransformIsKept) {
  Session s;
  s.put("d.plv", drawing(kLine));
  // Scales 2 and 3 and a turn of 30 degrees are taken; then 0 and -1.5
  // are typed over the scales. F2 ends each entry.
  ASSERT_TRUE(s.ends(walk::drawn().f(8).tab(2).field("2").tab().field("3").tab().field("30").f(2).enter()
                         .tab(2).field("0").tab().field("-1.5").f(2).enter().then(walk::leave_and_write()), "d.plv"));
  const std::string settings = s.file("plivet.set");
  EXPECT_EQ(row(settings, 5), "B1   0.0000000E+00  0.0000000E+00");
  EXPECT_EQ(row(settings, 6), "B2   0.2000000E+01  0.3000000E+01");
  EXPECT_EQ(row(settings, 7), "B3   0.3000000E+02  0.8660254E+00  0.4999999E+00");
  // The menu shows the scales it kept, not the ones refused.
  EXPECT_TRUE(shows_golden(s, "paste_menu_scales_kept", -1));
}

TEST(Paste, TheBufferOutlivesTheDrawingItCameFrom) {
  Session s;
  s.put("d.plv", drawing(kLine));
  s.put("e.plv", drawing("SC MODE BAR\nBX   500   500   600   600\n", "e.plv"));
  // Copied in d.plv, which the file menu then closes; e.plv is chosen
  // from the list of drawings (the second name) and the buffer pasted
  // into it, shifted 200 to the right.
  ASSERT_TRUE(s.ends(walk::drawn().then(walk::copy_box(-10, -10, 110, 110)).f(1).f(2).f(2).down().enter().f(10).f(8)
                         .field("200").f(9).then(walk::leave_and_write()), "d.plv"));
  EXPECT_EQ(s.records("e.plv"), (Lines{"SC MODE BAR", "BX   500   500   600   600",
                                       "LA  0  0.1000000E+01  0.2000000E+03  0.0000000E+00", "SC BAR   3",
                                       "LI     0     0   100     0 S"}));
  EXPECT_EQ(s.records(), lines_of(kLine));
}

TEST(Paste, NoBoxIsOfferedForAnEmptyBufferOrOneOfASinglePoint) {
  Session s;
  s.put("d.plv", drawing("SC BAR   3\nLI    50    50    50    50 S\n"));
  // F1 with the buffer still empty, then again once it holds the line of no length.
  ASSERT_TRUE(s.ends(walk::drawn().f(8).f(1).enter().f(10).then(walk::copy_box(-10, -10, 110, 110)).f(8).f(1).enter()
                         .then(walk::leave_and_write()), "d.plv"));
  const auto told = s.screens_with(3, ">>>ERROR:");
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(row(told[0], 5), "THE BUFFER IS EMPTY: THERE IS NOTHING TO FIT INTO A BOX.");
  EXPECT_EQ(row(told[1], 5), "THE BUFFER IS A SINGLE POINT: IT CANNOT BE FITTED INTO A BOX.");
  // Each message leads back to the paste menu, not into a box drag that
  // could never end.
  const auto shots = snapshots(s);
  for (size_t i = 0; i + 1 < shots.size(); ++i) {
    if (shots[i].picture || row(shots[i].bytes, 3) != ">>>ERROR:") continue;
    ASSERT_FALSE(shots[i + 1].picture) << i;
    EXPECT_EQ(row(shots[i + 1].bytes, 3), heading_of("paste_menu").text) << i;
  }
  // No fit was made: the transform is as it started.
  EXPECT_EQ(row(s.file("plivet.set"), 6), "B2   0.1000000E+01  0.1000000E+01");
}

}  // namespace
}  // namespace plv::e2e
