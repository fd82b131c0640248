// The drawing's history in whole sessions: changes taken back and made
// again, where that meets other features, and the recovery copy a killed
// session leaves, which must give what an uninterrupted session writes.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "e2e/session.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

// A small drawing and the actions the sessions take on it, each from the
// main menu and back there.
const std::string kBody = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\nBX   200   200   300   300\n";
const std::string kDrawing = drawing(kBody);

// A line with the create menu's values.
const Script kMake = Script().f(9).then(walk::line()).f(10);
// The box deleted.
const Script kDelete = Script().f(5).f(1).pick_right(250, 305).pick(0, 0).f(10);
// The line's end moved to x 300.
const Script kEdit = Script().f(5).f(5).pick(50, 2).tab(4).field("300").f(9).enter().f(10);
// The line copied and pasted 200 to the right, the paste menu left open.
const Script kPasteInMenu = walk::copy_box(-10, -10, 110, 110).f(8).field("200").tab().f(9);
const Script kPaste = Script(kPasteInMenu).f(10);
// The line recoloured 3 where it stands.
const Script kRecolour = Script().f(5).f(7).field("3").f(5).pick(50, 0).enter().f(10).f(10);
// The deleted graphics removed for good through the file menu.
const Script kRemoveDeleted = Script().f(1).f(4).f(10);
// Ctrl+Z and Ctrl+Y draw the picture anew and wait for a key.
const Script kUndo = Script().undo().enter();
const Script kRedo = Script().redo().enter();

// The records written by a session on the drawing of `body` that takes
// `actions` on the drawn picture and ends writing the drawing.
Lines written_after(Session& s, const Script& actions, const std::string& body = kBody) {
  EXPECT_TRUE(s.ends_in(body, walk::drawn().then(actions).then(walk::write_and_end()))) << actions.text();
  return s.records();
}

Lines written_after(const Script& actions, const std::string& body = kBody) {
  Session s;
  return written_after(s, actions, body);
}

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

TEST_F(Undo, TheKeysActInEveryMenuAndFromTheWindowsMenuOnWhatThisDrawingDid) {
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

TEST_F(WhereFeaturesMeet, AnElementAndItsRecordsAreOneActionAndMadeAgainStandUnderTheLayerShown) {
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

TEST_F(WhereFeaturesMeet, CopiesCarryTheirColourAndLayerAndAPasteLandsWhereItsPreviewDrew) {
  // A buffer file from a grey drawing, with no layer record of its own.
  s.put("b.buf", std::string(80, ' ') + "\nSC MODE GREY\nSC GREY 30\nLI  -100     0   100     0 S\n");
  const Script turned = Script().f(8).tab(4).field("90").tab().f(3).enter().f(9).f(10).f(4).enter();
  const Script read = Script().f(7).f(1).then(walk::buffer_name("b.buf")).enter();
  const Lines written = written_after(s, Script(read).then(turned), kScaledEnd);
  // Turned about its centre under the identity layer, as the preview drew
  // it; the grey level is no colour of this drawing, the mode record none.
  EXPECT_EQ(last(written, 2), (Lines{kIdentityLayer, "LI     0  -100     0   100 S"}));
  EXPECT_TRUE(s.told("CHOSE A COLOR MODE"));
  EXPECT_FALSE(s.told("FATAL"));
  EXPECT_FALSE(s.told("ILLEGAL"));

  Session copied;
  const Script copy_scaled = walk::copy_box(450, -50, 650, 50);
  const Script copy_first = Script().f(7).f(3).drag(450, -50, -150, -350).drag(650, 50, 150, -250).enter();
  const std::string body =
      "SC MODE BAR\nLI  -100  -300   100  -300 S\nSC BAR   3\n" + kScaledLayer + "\nLI     0     0    50     0 S\n";
  written_after(copied, Script(copy_scaled).then(copy_first).f(7).f(4).then(walk::buffer_name("b.buf")), body);
  const Lines buffer = lines_of(copied.file("b.buf"));
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

// Started again: past the file name menu, F1 on the recovery screen.
const Script kRecover = Script().f(10).f(1);
const std::string kRecovering = "CHANGES TO THIS DRAWING WERE NOT WRITTEN WHEN IT WAS LAST OPEN.";
const Script kWrite = Script().f(1).f(3);
// A line made in a new drawing's create menu.
const Script kMadeInNew = walk::create().then(walk::line()).f(10);

std::vector<fs::path> copies_in(const Session& s) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(s.path("state"), ec)) found.push_back(entry.path());
  return found;
}

// Killed (or ended by `end`) after deleting the box (or `actions`): the
// one copy it left.
fs::path killed_after(Session& s, const Script& actions = kDelete, const Script& end = Script().kill()) {
  s.put("d.plv", kDrawing);
  EXPECT_EQ(s.run(walk::drawn().then(actions).then(end), "d.plv") != 0, end == Script().kill());
  const auto copies = copies_in(s);
  EXPECT_EQ(copies.size(), 1u);
  fs::remove_all(s.path("snaps"));
  return copies.empty() ? fs::path() : copies[0];
}

// Started again on the drawing `name`, recovered, `then` taken and the
// drawing written: its records.
Lines recovered(Session& s, const Script& then = Script(), const std::string& name = "d.plv") {
  EXPECT_TRUE(s.ends(kRecover + then + walk::write_and_end(), name));
  return s.records(name);
}

// The records of a new drawing named `name` with a line made in it, written.
Lines made_in_new(const std::string& name) {
  Session s;
  EXPECT_TRUE(s.ends(walk::new_drawing(name).then(kMadeInNew).then(walk::write_and_end())));
  return s.records(name + ".plv");
}

using Recovery = SessionTest;

TEST_F(Recovery, AKilledSessionIsRecoveredToWhatItHadDoneWithItsHistory) {
  const struct {
    Script before;          // on the drawn picture, before the kill (or `end`)
    Script after = {};      // once recovered, before writing
    Script same_as = {};    // what an uninterrupted session does to write the same; `before` and `after` when none
    bool wrote = false;     // whether `before` wrote the drawing
    Script end = Script().kill();
    std::string told = "";  // on the recovery screen
  } runs[] = {
      {kMake},
      {kMake + kDelete},
      {kMake + kDelete + kEdit + kPaste},
      {kMake + kDelete + kUndo},
      {kMake + kRecolour},
      {kRecolour + kUndo + kRedo, {}, kRecolour},
      {Script(kDelete).f(1).f(4), {}, kDelete + kRemoveDeleted},  // killed while the file menu waits
      {kMake + kDelete, kUndo, kMake},                            // what was done is still taken back
      // After a write, the history is the one the session had.
      {kMake + kMake + kWrite + kUndo + kUndo, {}, {}, true},
      {kDelete + kRemoveDeleted + kWrite + Script().f(5).f(1).pick_right(50, 0).pick(0, 0).f(10), {}, {}, true},
      {kRecolour + kWrite + kMake, kUndo + kUndo, {}, true},  // undo reaches past the write
      {kMake + kWrite + kUndo + kWrite + kRedo, kUndo, {}, true},
      // Closed with the line made and taken back: one action, one taken
      // back, and nothing to take back but that to make again.
      {kMake + kUndo, kUndo + kRedo, {}, false, Script().close(),
       "A RECOVERY COPY OF 1 ACTION (AND 1 TAKEN BACK) WAS KEPT IN:"},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.before.text() + "-- recovered --\n" + run.after.text());
    Session killed;
    killed_after(killed, run.before, run.end);
    EXPECT_EQ(killed.file("d.plv") != kDrawing, run.wrote) << "what the session wrote is on disc, and only that";
    recovered(killed, run.after);
    EXPECT_FALSE(killed.screens_with(3, kRecovering).empty());
    EXPECT_TRUE(run.told.empty() || !killed.screens_with(5, run.told).empty());
    Session whole;
    const Script same_as = run.same_as.text().empty() ? run.before + run.after : run.same_as;
    ASSERT_TRUE(whole.ends_in(kBody, walk::drawn().then(same_as).then(walk::write_and_end())));
    EXPECT_EQ(killed.file("d.plv"), whole.file("d.plv"));
    EXPECT_TRUE(copies_in(killed).empty()) << "written, the drawing needs no copy";
  }
}

TEST_F(Recovery, CopiesDiscardedOrStaleAreNeverAppliedAndACleanEndOrAQuitLeavesNone) {
  Session discarded;
  killed_after(discarded);
  ASSERT_TRUE(discarded.ends(Script().f(10).f(2).then(walk::write_and_end()), "d.plv"));
  EXPECT_EQ(discarded.records(), written_after(Script()));
  EXPECT_TRUE(copies_in(discarded).empty());

  Session stale;
  killed_after(stale);
  // The file changes before the editor opens it again.
  stale.put("d.plv", kDrawing + "CI   600     0   700     0   600   100\n");
  ASSERT_TRUE(stale.ends(Script().f(10).enter().then(walk::write_and_end()), "d.plv"));
  EXPECT_FALSE(stale.screens_with(3, "THE FILE CHANGED AFTER ITS RECOVERY COPY WAS MADE: THE COPY IS NOT APPLIED.").empty());
  const auto records = stale.records();
  EXPECT_EQ(records.back(), "CI   600     0   700     0   600   100");
  EXPECT_EQ(records[3], "BX   200   200   300   300") << "the box deleted in the stale copy stays";
  const auto kept = copies_in(stale);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].extension(), ".stale");

  // Quitting the drawing (F6 on the file menu) leaves no copy behind.
  Session quit;
  ASSERT_TRUE(quit.ends_in(kBody, walk::drawn().then(kDelete).f(1).f(6).f(3)));
  EXPECT_TRUE(copies_in(quit).empty());
  EXPECT_EQ(quit.file("d.plv"), kDrawing);
}

TEST_F(Recovery, ACopyThatCannotBeWrittenOrIsAnotherPlivetsIsToldAndLeftAlone) {
  s.put("state", "a file where the folder of copies would be");
  // The edit/delete menu, back after the pick, tells it before it waits.
  ASSERT_TRUE(s.ends_in(kBody, walk::drawn().f(5).f(1).pick_right(250, 305).pick(0, 0).enter().f(10).then(kMake)
                                   .then(walk::write_and_end())));
  const auto told = s.screens_with(3, "NO RECOVERY COPY OF THE CHANGES CAN BE KEPT:");
  ASSERT_FALSE(told.empty());
  EXPECT_NE(row(told[0], 5).find(s.path("state")), std::string::npos) << told[0];
  EXPECT_EQ(s.records(), written_after(kDelete + kMake));

  for (const Script& second : {Script().f(1).f(6).f(3), kMake + walk::write_and_end(), Script(kMake).kill()}) {
    Session second_run;
    const fs::path copy = killed_after(second_run);
    const std::string kept = testing::read_file(copy);
    const int first = ::open(copy.c_str(), O_RDONLY);  // the first plivet, still running
    ASSERT_EQ(::flock(first, LOCK_EX), 0);
    second_run.run(Script().f(10).enter().then(second), "d.plv");
    EXPECT_TRUE(second_run.told("THIS DRAWING IS OPEN IN ANOTHER PLIVET, WHICH KEEPS ITS RECOVERY COPY."));
    EXPECT_EQ(testing::read_file(copy), kept) << second.text();
    EXPECT_EQ(copies_in(second_run).size(), 1u) << second.text();
    ::close(first);
  }
}

TEST_F(Recovery, DamagedCopiesAreToldAndKeptAsideAndTheNextCopyStartsAfresh) {
  const auto damage = [](const fs::path& copy, const std::function<void(std::string&)>& how) {
    std::string text = testing::read_file(copy);
    how(text);
    testing::write_file(copy, text);
  };
  {  // The head damaged: told, kept aside, and a fresh copy keeps what follows.
    Session head;
    const fs::path copy = killed_after(head);
    damage(copy, [](std::string& t) { t.replace(t.find("DRAWING"), 7, "DRAWONG"); });
    EXPECT_NE(head.run(Script().f(10).enter().f(3).enter().then(kMake).kill(), "d.plv"), 0);
    EXPECT_TRUE(head.told("THE RECOVERY COPY OF THIS DRAWING IS DAMAGED AND CANNOT BE READ."));
    ASSERT_TRUE(fs::exists(copy.string() + ".damaged"));
    EXPECT_EQ(recovered(head), written_after(kMake));
  }
  {  // Torn inside its last line, as a full disc leaves it: the actions after it are kept and read back.
    Session torn;
    const fs::path copy = killed_after(torn, kMake + kDelete);
    damage(copy, [](std::string& t) { t.resize(t.size() - 30); });
    EXPECT_NE(torn.run(Script(kRecover).f(3).enter().then(kMake).kill(), "d.plv"), 0);
    EXPECT_EQ(recovered(torn), written_after(kMake + kMake)) << "the torn action is lost, nothing else";
  }
  {  // The first step damaged: told where, and the copy kept, never deleted.
    Session first_step;
    const fs::path copy = killed_after(first_step);
    damage(copy, [](std::string& t) { t.replace(t.find("S\t", t.find("START")), 2, "S?"); });
    EXPECT_EQ(recovered(first_step), written_after(Script()));
    EXPECT_TRUE(first_step.told("THE COPY IS DAMAGED AT ITS LINE"));
    EXPECT_TRUE(fs::exists(copy.string() + ".damaged"));
  }
}

TEST_F(Recovery, ACopyIsForTheFileAsItIsAndANewDrawingNeverWrittenIsRecoveredToo) {
  // Deleted and made again as a new drawing: a new copy; the old one is told and kept.
  const fs::path old_copy = killed_after(s);
  fs::remove(s.path("d.plv"));
  EXPECT_NE(s.run(walk::new_drawing("d").enter().then(kMadeInNew).kill()), 0);
  EXPECT_TRUE(s.told("AN OLD RECOVERY COPY UNDER THIS DRAWING'S NAME IS NOT APPLIED."));
  EXPECT_TRUE(fs::exists(old_copy.string() + ".stale"));
  EXPECT_EQ(recovered(s), made_in_new("d"));

  // A new drawing, a line made in it, and the program killed: its file is
  // still empty.
  Session never_written;
  EXPECT_NE(never_written.run(walk::new_drawing("n").then(kMadeInNew).kill()), 0);
  ASSERT_TRUE(never_written.exists("n.plv"));
  EXPECT_TRUE(never_written.file("n.plv").empty());
  const Lines written = recovered(never_written, Script(), "n.plv");
  EXPECT_EQ(written, made_in_new("n"));
  EXPECT_GT(written.size(), 4u);
}

}  // namespace
}  // namespace plv::e2e
