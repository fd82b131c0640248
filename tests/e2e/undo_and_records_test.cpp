// Taking changes back and making them again in whole sessions, the written
// drawing record by record; and where two features meet: elements made
// after an undo, in a drawing that ends in a scaled layer or is in another
// colour mode, the records that come with an element, copies and pastes.
// The written file must draw what was shown.

#include <gtest/gtest.h>

#include "e2e/actions.h"
#include "e2e/creating.h"

namespace plv::e2e {
namespace {

using namespace actions;

using Undo = SessionTest;

TEST_F(Undo, EveryActionTakenBackToTheOpenedDrawingAndMadeAgain) {
  const auto opened = written_after(Script());
  const Script all = kMake + kDelete + kEdit + kPaste;
  const auto changed = written_after(all);
  ASSERT_GE(changed.size(), opened.size() + 4) << "each action changed the drawing";
  EXPECT_EQ(written_after(Script(all).then(kUndo, 4)), opened);
  EXPECT_EQ(written_after(Script(all).then(kUndo, 4).then(kRedo, 4)), changed);
  // One step back is the drawing before the paste.
  EXPECT_EQ(written_after(all + kUndo), written_after(kMake + kDelete + kEdit));
  // Past the first action there is nothing more to take back; a new action
  // ends what could be made again.
  EXPECT_EQ(written_after(Script(all).then(kUndo, 6).enter()), opened);
  EXPECT_EQ(written_after((kDelete + kUndo + kMake + kRedo).enter()), written_after(kMake));
  // Removing the deleted graphics is taken back like any action.
  const auto deleted = written_after(kDelete);
  const auto removed = written_after(kDelete + kRemoveDeleted);
  ASSERT_LT(removed.size(), deleted.size());
  EXPECT_EQ(written_after(kDelete + kRemoveDeleted + kUndo), deleted);
  EXPECT_EQ(written_after(kDelete + kRemoveDeleted + kUndo + kRedo), removed);
}

TEST_F(Undo, TheKeysActInEveryMenuThatChangesTheDrawingAndFromTheWindowsMenu) {
  const auto deleted = written_after(kDelete);
  const auto opened = written_after(Script());
  // In the edit/delete menu, after an undelete (shown until a key): the
  // undelete is taken back.
  EXPECT_EQ(written_after(Script().f(5).f(1).pick_right(250, 305).pick(0, 0).f(9).enter().then(kUndo).f(10)), deleted);
  // In the create, buffer and paste menus.
  EXPECT_EQ(written_after(Script().f(9).then(walk::line()).then(kUndo).f(10)), opened);
  EXPECT_EQ(written_after(Script(kDelete).f(7).then(kUndo).f(10)), opened);
  EXPECT_EQ(written_after(Script(kPasteInMenu).then(kUndo).f(10)), written_after(walk::copy_box(-10, -10, 110, 110)));
  // Edit, Undo and Redo on the window's menu.
  EXPECT_EQ(written_after(Script(kDelete).command("undo").enter()), opened);
  EXPECT_EQ(written_after(Script(kDelete).command("undo").enter().command("redo").enter()), deleted);
  // Ctrl+Z and Ctrl+Y at the picture of an undo act at once.
  const Script both = kMake + kDelete;
  EXPECT_EQ(written_after(Script(both).undo().undo().enter()), opened);
  EXPECT_EQ(written_after(Script(both).undo().redo().enter()), written_after(both));
  EXPECT_EQ(written_after(Script(both).undo().undo().redo().enter()), written_after(kMake));
}

TEST_F(Undo, NothingToTakeBackIsSaidAndOpeningAnotherDrawingForgetsTheChanges) {
  s.put("e.plv", kDrawing);
  // Close d (written), open e (the second name on the list of drawings),
  // then Ctrl+Z finds nothing of d's to take back.
  EXPECT_EQ(written_after(s, Script(kDelete).f(1).f(2).f(2).down().enter().f(10).then(kUndo)), written_after(kDelete));
  EXPECT_FALSE(s.screens_with(5, "NOTHING TO UNDO.").empty());
  EXPECT_EQ(s.records("e.plv"), written_after(Script()));
}

const std::string kScaledLayer = "LA  1  0.2000000E+01  0.5000000E+03  0.0000000E+00";
// The drawing ends in a scaled layer.
const std::string kScaledEnd = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\n" + kScaledLayer + "\n";

const Script kEllipse = Script().f(7).f(1).f(9).enter();  // in the create menu, with the menu's values
const Script kComment = Script().f(7).f(3).type("NOTE").f(1);
const std::string kMadeEllipse = "EL     0.00000E+00    0.00000E+00    0.10000E+03    0.10000E+03";

using WhereFeaturesMeet = SessionTest;

TEST_F(WhereFeaturesMeet, AnElementMadeAfterAnUndoStandsUnderTheLayerItWasShownIn) {
  const Lines line = {kIdentityLayer, kShownColour, "LI  -100  -100   100   100 S"};
  const std::pair<Script, Lines> runs[] = {
      // Made, taken back, made again: the second stands where it was shown.
      {Script().f(9).then(walk::line()).then(kUndo).then(walk::line()).f(10), line},
      {Script().f(9).then(walk::line()).f(10).then(kUndo).f(9).then(walk::line()).f(10), line},
      // Taken back and made again with Ctrl+Y: the records come back as they were.
      {Script().f(9).then(walk::line()).then(kUndo).then(kRedo).f(10), line},
      // The same in the more-create menu.
      {Script().f(9).then(kEllipse).then(kUndo).then(kEllipse).f(10), {kIdentityLayer, kShownColour, kMadeEllipse}},
  };
  for (const auto& [keys, made] : runs) EXPECT_EQ(last(written_after(keys, kScaledEnd), 3), made) << keys.text();
}

TEST_F(WhereFeaturesMeet, AnElementAndTheRecordsMadeWithItAreOneAction) {
  const auto opened = written_after(Script(), kScaledEnd);
  // A line, then in a new visit another element: two undos take back both.
  for (const Script& element : {walk::line(), kEllipse, kComment, Script().f(7).f(4).f(9).enter(),
                                Script().field("12").then(walk::line()), Script().field("12").then(kEllipse)}) {
    const Script both = Script().f(9).then(walk::line()).f(10).f(9).then(element).then(kUndo).then(kUndo).f(10);
    EXPECT_EQ(written_after(both, kScaledEnd), opened) << element.text();
  }
  // A colour typed goes in with the element it colours.
  EXPECT_EQ(last(written_after(Script().f(9).field("12").then(walk::line()).f(10), kScaledEnd), 3),
            (Lines{"SC BAR  12", kIdentityLayer, "LI  -100  -100   100   100 S"}));
}

TEST_F(WhereFeaturesMeet, ElementsInADrawingOfAnotherColourModeTakeItsColourInForce) {
  // Before the picture was ever drawn: a colour typed, elements made, the
  // last undrawn and edited, all drawn again.
  ASSERT_TRUE(s.ends_in("SC MODE GREY\nSC GREY 50\nLI     0     0   100     0 S\n",
                        Script().f(10).then(walk::create()).field("12").then(walk::line()).then(kEllipse).f(9).enter()
                            .f(9).enter().f(10).f(4).enter().then(walk::write_and_end())));
  EXPECT_EQ(s.records(), (Lines{"SC MODE GREY", "SC GREY 50", "LI     0     0   100     0 S", kIdentityLayer,
                                "LI  -100  -100   100   100 S", kMadeEllipse}));
  EXPECT_FALSE(s.told("ILLEGAL")) << "no colour record the mode rejects";
}

TEST_F(WhereFeaturesMeet, APasteLandsWhereItsPreviewDrewAndKeepsTheDrawingsColourMode) {
  // A buffer file from a grey drawing, with no layer record of its own.
  s.put("b.buf", std::string(80, ' ') + "\nSC MODE GREY\nSC GREY 30\nLI  -100     0   100     0 S\n");
  const Script turned = Script().f(8).tab(4).field("90").tab().f(3).enter().f(9).f(10).f(4).enter();
  const Lines written = written_after(s, Script().f(7).f(1).then(walk::buffer_name("b.buf")).enter().then(turned), kScaledEnd);
  // Turned about its centre under the identity layer, as the preview drew
  // it; the grey level is no colour of this drawing, the mode record none.
  EXPECT_EQ(last(written, 2), (Lines{kIdentityLayer, "LI     0  -100     0   100 S"}));
  EXPECT_TRUE(s.told("CHOSE A COLOR MODE"));
  EXPECT_FALSE(s.told("FATAL"));
  EXPECT_FALSE(s.told("ILLEGAL"));
}

TEST_F(WhereFeaturesMeet, EachCopyIntoTheBufferCarriesTheColourAndLayerItWasDrawnIn) {
  const Script copy_scaled = walk::copy_box(450, -50, 650, 50);
  const Script copy_first = Script().f(7).f(3).drag(450, -50, -150, -350).drag(650, 50, 150, -250).enter();
  const std::string body =
      "SC MODE BAR\nLI  -100  -300   100  -300 S\nSC BAR   3\n" + kScaledLayer + "\nLI     0     0    50     0 S\n";
  written_after(s, Script(copy_scaled).then(copy_first).f(7).f(4).then(walk::buffer_name("b.buf")), body);
  const Lines buffer = lines_of(s.file("b.buf"));
  EXPECT_EQ(Lines(buffer.begin() + 1, buffer.end()),
            (Lines{"SC BAR   3", kScaledLayer, "LI     0     0    50     0 S", "SC BAR   7", kIdentityLayer,
                   "LI  -100  -300   100  -300 S"}));
}

TEST_F(WhereFeaturesMeet, ARecolouringChangesColoursOnlyAndARefusedColourChangesNothing) {
  const std::string body = "SC MODE BAR\nSC BAR   5\nRF    0.    0.  100.  100.  0\nLI   -50    50   150    50 S\n";
  const Script recoloured = Script().f(5).f(7).clear().type("3").f(5).pick(100, 10).enter().f(10);
  // The filled rectangle, recoloured, still lies under the line.
  EXPECT_EQ(written_after(Script(recoloured).f(10), body),
            (Lines{"SC MODE BAR", "SC BAR   3", "RF    0.    0.  100.  100.  0", "SC BAR   5", "LI   -50    50   150    50 S"}));
  const auto opened = written_after(Script(), body);
  EXPECT_EQ(written_after(Script(recoloured).then(kUndo).f(10), body), opened);
  // Colour 20 is refused, with the reason, in a region or for one graphic.
  const Script refused = Script().f(5).f(7).clear().type("20").f(1).enter().field("0").f(5).enter().f(10).f(10);
  EXPECT_EQ(written_after(s, refused, body), opened);
  EXPECT_TRUE(s.told("COLOR 20 IS NOT IN THE PALETTE (1 TO 15): NOTHING WAS RECOLORED."));
  EXPECT_TRUE(s.told("COLOR 0 IS NOT IN THE PALETTE (1 TO 15): NOTHING WAS RECOLORED."));
}

TEST_F(WhereFeaturesMeet, EscapeWhilePointingChangesNothing) {
  const auto opened = written_after(Script());
  for (const Script& script : {Script().f(5).f(1).esc().f(2).esc().f(5).esc().f(10),  // delete, box, edit
                               Script().f(5).f(7).field("3").f(1).esc().f(5).esc().f(10).f(10),
                               Script().f(7).f(2).esc(),                            // a cut
                               Script().f(8).f(1).esc().f(9).f(10)})                // a fit, then an empty paste
    EXPECT_EQ(written_after(script), opened) << script.text();
}

}  // namespace
}  // namespace plv::e2e
