// Pasting the buffer through the paste menu: a simple paste carried by one
// layer record, fitting into a dragged box, point-by-point pastes turned
// or stretched, a paste refused whole, and the transform kept in the
// settings.

#include <gtest/gtest.h>

#include <sstream>

#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

const std::string kHeader = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
// Past the file name menu, the drawing drawn in the unmoved view, then
// everything in the box from -10,-10 to 110,110 copied into the buffer.
const std::string kCopyAll =
    "key F10\nkey F3\nkey ENTER\nkey F7\nkey F3\ndrag -500 -350 -10 -10\ndrag 500 350 110 110\nkey ENTER\n";
const std::string kPasteMenu = "key F8\n";
const std::string kLeaveAndWrite = "key F10\nkey F10\nkey F1\n";

// The records written after the drawing's own `kept` records.
std::vector<std::string> pasted(Session& s, const std::string& records, const std::string& paste_keys) {
  s.put("d.plv", kHeader + records);
  EXPECT_EQ(s.run(kCopyAll + kPasteMenu + paste_keys + kLeaveAndWrite, "d.plv"), 0) << s.file("stderr.txt");
  const auto lines = lines_of(s.file("d.plv"));
  const size_t kept = 3 + lines_of(records).size();
  return lines.size() < kept ? std::vector<std::string>{} : std::vector<std::string>(lines.begin() + kept, lines.end());
}

// Each field of the paste menu in turn: shift x, shift y, scale x, scale y, rotation.
std::string typed(std::initializer_list<std::string_view> values) {
  std::string script;
  for (const std::string_view v : values) script += "key DELETE\ntype " + std::string(v) + "\nkey TAB\n";
  return script;
}

const std::string kLine = "SC BAR   3\nLI     0     0   100     0 S\n";

TEST(Paste, TheMenuRowForRow) {
  Session s;
  pasted(s, kLine, "");
  const std::string banner = "***** PASTE MENU ****** PASTE MENU ****** PASTE MENU ****** PASTE MENU *****";
  for (const auto& screen : s.screens()) {
    if (Session::row(screen, 3) != banner) continue;
    EXPECT_EQ(Session::row(screen, 5), "                  DRAWING FILE NAME: d.plv");
    EXPECT_EQ(Session::row(screen, 7), "                  BUFFER SHIFT:   X       0.  Y       0.");
    EXPECT_EQ(Session::row(screen, 9), "                  BUFFER SCALE:   X    1.000  Y    1.000");
    EXPECT_EQ(Session::row(screen, 11), "                  BUFFER ROTATE:         0.0  DEGREES");
    EXPECT_EQ(Session::row(screen, 17), "                  F3 = DRAW THE BUFFER WITH PRESENT SCALE, SHIFT AND ROTATION.");
    EXPECT_EQ(Session::row(screen, 25), "                  F10= RETURN TO THE MAIN MENU.");
    return;
  }
  ADD_FAILURE() << "no paste menu";
}

TEST(Paste, SimplePastesLeadWithOneLayerRecordAndTwoPastesAppendTwice) {
  Session s;
  const auto out = pasted(s, kLine, typed({"200"}) + "key F9\nkey F9\n");
  // The colour and the second layer record equal the ones written before them.
  EXPECT_EQ(out, (std::vector<std::string>{"LA  0  0.1000000E+01  0.2000000E+03  0.0000000E+00",
                                           "LI     0     0   100     0 S", "LI     0     0   100     0 S"}));
  // The transform is kept in the settings.
  EXPECT_NE(s.file("plivet.set").find("B1   0.2000000E+03  0.0000000E+00\n"), std::string::npos) << s.file("plivet.set");
}

TEST(Paste, FittedIntoABoxByItsWidth) {
  Session s;
  // The box 0,0 200,100: a horizontal line of 100 takes the scale 2 from the width.
  const auto out = pasted(s, kLine, "key F1\ndrag -500 -350 0 0\ndrag 500 350 200 100\nkey ENTER\nkey ENTER\nkey F9\n");
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out[0], "LA  0  0.2000000E+01  0.0000000E+00  0.0000000E+00");
}

TEST(Paste, ABoxFlatAcrossTheBufferIsDraggedAgain) {
  Session s;
  // A box of no width would scale the line to nothing; widened to 700 on
  // the second drag, it fits the line at 7.
  const auto out = pasted(s, kLine,
                          "key F1\ndrag 500 350 -500 350\nkey ENTER\n"
                          "drag -600 0 200 0\nkey ENTER\nkey ENTER\nkey F9\n");
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out[0], "LA  0  0.7000000E+01 -0.5000000E+03 -0.3500000E+03");
  EXPECT_NE(s.file("plivet.set").find("B2   0.7000000E+01  0.7000000E+01\n"), std::string::npos) << s.file("plivet.set");
}

TEST(Paste, TurnedAndStretchedPastesGoPointByPoint) {
  Session turned;
  const auto strings = pasted(turned, "CH     0     0 12 S 0 HELLO\n", typed({"0", "0", "1", "1", "90"}) + "key F9\n");
  // The copy carries the colour and layer the string was drawn in, with
  // no records of its own before it.
  ASSERT_EQ(strings.size(), 3u);
  EXPECT_EQ(strings[0], "SC BAR   7");
  EXPECT_EQ(strings[1], "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00");
  EXPECT_EQ(strings[2].substr(15, 6), "12 S 1");  // size kept, direction turned to +y

  Session stretched;
  const auto shapes = pasted(stretched,
                             "LW     0     0     0   100     3\nEL     0.50000E+02    0.50000E+02    0.20000E+02    0.10000E+02\n",
                             typed({"0", "0", "2", "1"}) + "key F9\n");
  EXPECT_EQ(shapes, (std::vector<std::string>{"SC BAR   7", "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00",
                                              "LW     0     0     0   100     6",
                                              "EL     0.10000E+03    0.50000E+02    0.40000E+02    0.10000E+02"}));
}

TEST(Paste, APasteThatWouldNotFitTheFileIsRefusedWhole) {
  Session s;
  // Turned by a degree, the paste goes point by point: the shifted x cannot be written.
  const auto out = pasted(s, kLine + "LI     0    50   100    50 S\n", typed({"9999999", "0", "1", "1", "1"}) + "key F9\nkey ENTER\n");
  EXPECT_TRUE(out.empty());
  bool told = false;
  for (const auto& screen : s.screens())
    told |= screen.find("NOTHING WAS PASTED") != std::string::npos;
  EXPECT_TRUE(told);
}

TEST(Paste, AClosingWindowDuringTheBoxAndTheFieldsEndsInOrder) {
  for (const std::string& wait : {std::string("close\n"), std::string("key F1\nclose\n")}) {
    Session s;
    s.put("d.plv", kHeader + kLine);
    EXPECT_EQ(s.run(kCopyAll + kPasteMenu + wait, "d.plv"), 0) << wait;
    EXPECT_TRUE(s.exists("plivet.set")) << wait;
  }
}

}  // namespace
}  // namespace plv::e2e
