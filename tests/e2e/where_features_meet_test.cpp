// Where two features meet: elements made after an undo, in a drawing that
// ends in a scaled layer or is in another colour mode, and the records
// that come with an element. The written file must draw what was shown.

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/drawing_actions.h"
#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

using namespace actions;

const std::string kHeader = "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\n";
const std::string kScaledLayer = "LA  1  0.2000000E+01  0.5000000E+03  0.0000000E+00";
const std::string kIdentityLayer = "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00";

struct Outcome {
  std::vector<std::string> records;
  std::vector<std::string> screens;
  bool says(std::string_view text) const {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const std::string& s) { return s.find(text) != std::string::npos; });
  }
};

// From the main menu with the picture drawn, or (`drawn` false) before it ever was.
Outcome run(const std::string& body, const std::string& script, bool drawn = true) {
  Session s;
  s.put("d.plv", kHeader + body);
  EXPECT_EQ(s.run((drawn ? kToMainMenu : std::string("key F10\n")) + script + kWriteAndEnd, "d.plv"), 0) << s.file("stderr.txt");
  return {drawing_records(s, "d.plv"), s.screens()};
}

std::vector<std::string> last(const std::vector<std::string>& records, size_t n) {
  return {records.end() - static_cast<long>(std::min(n, records.size())), records.end()};
}

const std::string kLine = "key F1\nkey F9\nkey ENTER\n";  // in the create menu: a line with the menu's values
const std::string kEllipse = "key F7\nkey F1\nkey F9\nkey ENTER\n";
const std::string kComment = "key F7\nkey F3\ntype NOTE\nkey F1\n";

TEST(WhereFeaturesMeet, AnElementMadeAfterAnUndoStandsUnderTheLayerItWasShownIn) {
  const std::string body = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\n" + kScaledLayer + "\n";
  const std::vector<std::string> made_unscaled{kIdentityLayer, "SC BAR   6", "LI  -100  -100   100   100 S"};
  // Made, taken back, made again: the second stands where it was shown.
  EXPECT_EQ(last(run(body, "key F9\n" + kLine + kUndo + kLine + "key F10\n").records, 3), made_unscaled);
  EXPECT_EQ(last(run(body, "key F9\n" + kLine + "key F10\n" + kUndo + "key F9\n" + kLine + "key F10\n").records, 3),
            made_unscaled);
  // Taken back and made again with Ctrl+Y: the records come back as they were.
  EXPECT_EQ(last(run(body, "key F9\n" + kLine + kUndo + kRedo + "key F10\n").records, 3), made_unscaled);
  // The same in the more-create menu.
  EXPECT_EQ(last(run(body, "key F9\n" + kEllipse + kUndo + kEllipse + "key F10\n").records, 3),
            (std::vector<std::string>{kIdentityLayer, "SC BAR   6", "EL     0.00000E+00    0.00000E+00    0.10000E+03    0.10000E+03"}));
}

TEST(WhereFeaturesMeet, AnElementAndTheRecordsMadeWithItAreOneAction) {
  const std::string body = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\n" + kScaledLayer + "\n";
  const auto opened = run(body, "").records;
  // A line, then in a new visit another element: two undos take back both.
  for (const std::string& element : {kLine, kEllipse, kComment, std::string("key F7\nkey F4\nkey F9\nkey ENTER\n"),
                                     "key DELETE\ntype 12\n" + kLine, "key DELETE\ntype 12\n" + kEllipse})
    EXPECT_EQ(run(body, "key F9\n" + kLine + "key F10\nkey F9\n" + element + kUndo + kUndo + "key F10\n").records,
              opened)
        << element;
  // A colour typed goes in with the element it colours.
  const auto typed = run(body, "key F9\nkey DELETE\ntype 12\n" + kLine + "key F10\n").records;
  EXPECT_EQ(last(typed, 3), (std::vector<std::string>{"SC BAR  12", kIdentityLayer, "LI  -100  -100   100   100 S"}));
}

TEST(WhereFeaturesMeet, ElementsInADrawingOfAnotherColourModeTakeItsColourInForce) {
  const std::string body = "SC MODE GREY\nSC GREY 50\nLI     0     0   100     0 S\n";
  // Before the picture was ever drawn: a colour typed, elements made, the
  // last undrawn and edited, all drawn again.
  const auto made = run(body, "key F9\nkey ENTER\nkey DELETE\ntype 12\n" + kLine + kEllipse +
                                  "key F9\nkey ENTER\nkey F9\nkey ENTER\nkey F10\nkey F4\nkey ENTER\n", false);
  EXPECT_EQ(made.records, (std::vector<std::string>{"SC MODE GREY", "SC GREY 50", "LI     0     0   100     0 S",
                                                     kIdentityLayer, "LI  -100  -100   100   100 S",
                                                     "EL     0.00000E+00    0.00000E+00    0.10000E+03    0.10000E+03"}));
  EXPECT_FALSE(made.says("ILLEGAL")) << "no colour record the mode rejects";
}

// The buffer file name menu: the name typed over the one shown.
std::string buffer_file(const std::string& name) { return "key TAB\nkey DELETE\ntype " + name + "\nkey F10\n"; }

TEST(WhereFeaturesMeet, APasteLandsWhereItsPreviewDrewAndKeepsTheDrawingsColourMode) {
  const std::string body = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\n" + kScaledLayer + "\n";
  Session s;
  s.put("d.plv", kHeader + body);
  // A buffer file from a grey drawing, with no layer record of its own.
  s.put("b.buf", std::string(80, ' ') + "\nSC MODE GREY\nSC GREY 30\nLI  -100     0   100     0 S\n");
  const std::string turned = "key TAB\nkey TAB\nkey TAB\nkey TAB\nkey DELETE\ntype 90\nkey TAB\n";
  const std::string script = kToMainMenu + "key F7\nkey F1\n" + buffer_file("b.buf") + "key ENTER\n" + "key F8\n" +
                             turned + "key F3\nkey ENTER\nkey F9\nkey F10\nkey F4\nkey ENTER\n" + kWriteAndEnd;
  ASSERT_EQ(s.run(script, "d.plv"), 0) << s.file("stderr.txt");
  // Turned about its centre under the identity layer, as the preview drew
  // it; the grey level is no colour of this drawing, the mode record none.
  EXPECT_EQ(last(drawing_records(s, "d.plv"), 2),
            (std::vector<std::string>{kIdentityLayer, "LI     0  -100     0   100 S"}));
  const Outcome told{{}, s.screens()};
  EXPECT_TRUE(told.says("CHOSE A COLOR MODE"));
  EXPECT_FALSE(told.says("FATAL"));
  EXPECT_FALSE(told.says("ILLEGAL"));
}

TEST(WhereFeaturesMeet, EachCopyIntoTheBufferCarriesTheColourAndLayerItWasDrawnIn) {
  Session s;
  s.put("d.plv", kHeader + "SC MODE BAR\nLI  -100  -300   100  -300 S\nSC BAR   3\n" + kScaledLayer +
                     "\nLI     0     0    50     0 S\n");
  const std::string copy_scaled = "key F7\nkey F3\ndrag -500 -350 450 -50\ndrag 500 350 650 50\nkey ENTER\n";
  const std::string copy_first = "key F7\nkey F3\ndrag 450 -50 -150 -350\ndrag 650 50 150 -250\nkey ENTER\n";
  const std::string script = kToMainMenu + copy_scaled + copy_first + "key F7\nkey F4\n" + buffer_file("b.buf") + kWriteAndEnd;
  ASSERT_EQ(s.run(script, "d.plv"), 0) << s.file("stderr.txt");
  const auto buffer = lines_of(s.file("b.buf"));
  EXPECT_EQ(std::vector<std::string>(buffer.begin() + 1, buffer.end()),
            (std::vector<std::string>{"SC BAR   3", kScaledLayer, "LI     0     0    50     0 S", "SC BAR   7",
                                      "LA  0  0.1000000E+01  0.0000000E+00  0.0000000E+00",
                                      "LI  -100  -300   100  -300 S"}));
}

TEST(WhereFeaturesMeet, ARecolouringChangesColoursOnlyAndARefusedColourChangesNothing) {
  const std::string body = "SC MODE BAR\nSC BAR   5\nRF    0.    0.  100.  100.  0\nLI   -50    50   150    50 S\n";
  const std::string to_colours = "key F5\nkey F7\nkey DELETE\n";
  // The filled rectangle, recoloured, still lies under the line.
  const auto recoloured = run(body, to_colours + "type 3\nkey F5\npick 100 10\nkey ENTER\nkey F10\nkey F10\n");
  EXPECT_EQ(recoloured.records, (std::vector<std::string>{"SC MODE BAR", "SC BAR   3", "RF    0.    0.  100.  100.  0",
                                                          "SC BAR   5", "LI   -50    50   150    50 S"}));
  const auto opened = run(body, "").records;
  EXPECT_EQ(run(body, to_colours + "type 3\nkey F5\npick 100 10\nkey ENTER\nkey F10\n" + kUndo + "key F10\n").records,
            opened);
  // Colour 20 is refused, with the reason, in a region or for one graphic.
  const auto refused = run(body, to_colours + "type 20\nkey F1\nkey ENTER\nkey DELETE\ntype 0\nkey F5\nkey ENTER\n"
                                             "key F10\nkey F10\n");
  EXPECT_EQ(refused.records, opened);
  EXPECT_TRUE(refused.says("COLOR 20 IS NOT IN THE PALETTE (1 TO 15): NOTHING WAS RECOLORED."));
  EXPECT_TRUE(refused.says("COLOR 0 IS NOT IN THE PALETTE (1 TO 15): NOTHING WAS RECOLORED."));
}

TEST(WhereFeaturesMeet, EscapeWhilePointingChangesNothing) {
  const std::string body = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\nBX   200   200   300   300\n";
  const auto opened = run(body, "").records;
  for (const std::string& script :
       {std::string("key F5\nkey F1\nkey ESC\nkey F2\nkey ESC\nkey F5\nkey ESC\nkey F10\n"),  // delete, box, edit
        std::string("key F5\nkey F7\nkey DELETE\ntype 3\nkey F1\nkey ESC\nkey F5\nkey ESC\nkey F10\nkey F10\n"),
        std::string("key F7\nkey F2\nkey ESC\n"),                                  // a cut
        std::string("key F8\nkey F1\nkey ESC\nkey F9\nkey F10\n")})               // a fit, then an empty paste
    EXPECT_EQ(run(body, script).records, opened) << script;
}

}  // namespace
}  // namespace plv::e2e
