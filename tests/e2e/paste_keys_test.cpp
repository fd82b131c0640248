// The paste menu's picture keys, the scales it refuses, the transform it
// keeps in the settings, the buffer outliving the drawing it came from,
// and buffers that cannot be fitted into a box.

#include <gtest/gtest.h>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

const std::string kHeader = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
const std::string kLine = "SC BAR   3\nLI     0     0   100     0 S\n";
// Past the file name menu, the drawing drawn in the unmoved view, then
// everything in the box from -10,-10 to 110,110 copied into the buffer.
const std::string kCopyAll =
    "key F10\nkey F3\nkey ENTER\nkey F7\nkey F3\ndrag -500 -350 -10 -10\ndrag 500 350 110 110\nkey ENTER\n";
const std::string kPasteMenu = "key F8\n";
const std::string kLeaveAndWrite = "key F10\nkey F10\nkey F1\n";
constexpr std::string_view kBanner = "***** PASTE MENU ****** PASTE MENU ****** PASTE MENU ****** PASTE MENU *****";

// The pictures shown after the first paste menu, in order.
std::vector<Picture> pictures_after_the_paste_menu(const Session& s) {
  std::vector<Picture> out;
  bool in_menu = false;
  for (const Snapshot& shot : snapshots(s)) {
    if (!shot.picture) {
      in_menu |= Session::row(shot.bytes, 3) == kBanner;
    } else if (in_menu) {
      const auto picture = decode_png(shot.bytes);
      EXPECT_TRUE(picture) << "snapshot " << out.size() + 1 << " is no picture this test can read";
      out.push_back(picture.value_or(Picture{}));
    }
  }
  return out;
}

TEST(PasteKeys, ViewDrawUndrawAndClearThePicture) {
  Session s;
  s.put("d.plv", kHeader + kLine);
  // Shifted 300 to the right, the buffer is drawn clear of the line it
  // was copied from; each picture waits for a key.
  ASSERT_EQ(s.run(kCopyAll + kPasteMenu + "key DELETE\ntype 300\n" +
                      "key F2\nkey ENTER\nkey F3\nkey ENTER\nkey F4\nkey ENTER\nkey F5\nkey ENTER\nkey F2\nkey ENTER\n" +
                      kLeaveAndWrite,
                  "d.plv"),
            0)
      << s.file("stderr.txt");
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
  EXPECT_EQ(drawing_records(s, "d.plv"), lines_of(kLine));
}

TEST(PasteKeys, ScalesOfZeroOrLessAreRefusedAndTheTransformIsKept) {
  Session s;
  s.put("d.plv", kHeader + kLine);
  // Scales 2 and 3 and a turn of 30 degrees are taken; then 0 and -1.5
  // are typed over the scales. F2 ends each entry.
  const std::string script = "key F10\nkey F3\nkey ENTER\n" + kPasteMenu +
                             "key TAB\nkey TAB\nkey DELETE\ntype 2\nkey TAB\nkey DELETE\ntype 3\nkey TAB\nkey DELETE\n"
                             "type 30\nkey F2\nkey ENTER\n"
                             "key TAB\nkey TAB\nkey DELETE\ntype 0\nkey TAB\nkey DELETE\ntype -1.5\nkey F2\nkey ENTER\n" +
                             kLeaveAndWrite;
  ASSERT_EQ(s.run(script, "d.plv"), 0) << s.file("stderr.txt");
  const std::string settings = s.file("plivet.set");
  EXPECT_EQ(Session::row(settings, 5), "B1   0.0000000E+00  0.0000000E+00");
  EXPECT_EQ(Session::row(settings, 6), "B2   0.2000000E+01  0.3000000E+01");
  EXPECT_EQ(Session::row(settings, 7), "B3   0.3000000E+02  0.8660254E+00  0.4999999E+00");
  // The menu shows the scales it kept, not the ones refused.
  const auto menus = screens_with(s, 3, kBanner);
  ASSERT_FALSE(menus.empty());
  EXPECT_EQ(Session::row(menus.back(), 9), "                  BUFFER SCALE:   X    2.000  Y    3.000");
  EXPECT_EQ(Session::row(menus.back(), 11), "                  BUFFER ROTATE:        30.0  DEGREES");
}

TEST(PasteKeys, TheBufferOutlivesTheDrawingItCameFrom) {
  Session s;
  s.put("d.plv", kHeader + kLine);
  s.put("e.plv", "e.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\nSC MODE BAR\nBX   500   500   600   600\n");
  // Copied in d.plv, which the file menu then closes; e.plv is chosen
  // from the list of drawings (the second name) and the buffer pasted
  // into it, shifted 200 to the right.
  ASSERT_EQ(s.run(kCopyAll + "key F1\nkey F2\nkey F2\nkey DOWN\nkey ENTER\nkey F10\n" + kPasteMenu +
                      "key DELETE\ntype 200\nkey F9\n" + kLeaveAndWrite,
                  "d.plv"),
            0)
      << s.file("stderr.txt");
  EXPECT_EQ(drawing_records(s, "e.plv"),
            (std::vector<std::string>{"SC MODE BAR", "BX   500   500   600   600",
                                      "LA  0  0.1000000E+01  0.2000000E+03  0.0000000E+00", "SC BAR   3",
                                      "LI     0     0   100     0 S"}))
      << s.file("e.plv");
  EXPECT_EQ(drawing_records(s, "d.plv"), lines_of(kLine));
}

TEST(PasteKeys, NoBoxIsOfferedForAnEmptyBufferOrOneOfASinglePoint) {
  Session s;
  s.put("d.plv", kHeader + "SC BAR   3\nLI    50    50    50    50 S\n");
  // F1 with the buffer still empty, then again once it holds the line of no length.
  ASSERT_EQ(s.run("key F10\nkey F3\nkey ENTER\n" + kPasteMenu + "key F1\nkey ENTER\nkey F10\n" +
                      "key F7\nkey F3\ndrag -500 -350 -10 -10\ndrag 500 350 110 110\nkey ENTER\n" + kPasteMenu +
                      "key F1\nkey ENTER\n" + kLeaveAndWrite,
                  "d.plv"),
            0)
      << s.file("stderr.txt");
  const auto told = screens_with(s, 3, ">>>ERROR:");
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(Session::row(told[0], 5), "THE BUFFER IS EMPTY: THERE IS NOTHING TO FIT INTO A BOX.");
  EXPECT_EQ(Session::row(told[1], 5), "THE BUFFER IS A SINGLE POINT: IT CANNOT BE FITTED INTO A BOX.");
  // Each message leads back to the paste menu, not into a box drag that
  // could never end.
  const auto shots = snapshots(s);
  for (size_t i = 0; i + 1 < shots.size(); ++i) {
    if (shots[i].picture || Session::row(shots[i].bytes, 3) != ">>>ERROR:") continue;
    ASSERT_FALSE(shots[i + 1].picture) << i;
    EXPECT_EQ(Session::row(shots[i + 1].bytes, 3), kBanner) << i;
  }
  // No fit was made: the transform is as it started.
  EXPECT_EQ(Session::row(s.file("plivet.set"), 6), "B2   0.1000000E+01  0.1000000E+01");
}

}  // namespace
}  // namespace plv::e2e
