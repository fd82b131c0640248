// The recovery copy in whole sessions: a session killed after each of
// several actions and started again gives, once recovered, the drawing an
// uninterrupted session writes; a copy made on another state of the file is
// never applied; a clean end leaves no copy behind.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "e2e/actions.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

using namespace actions;

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

// Killed after deleting the box (or `actions`): the one copy it left.
fs::path killed_after(Session& s, const Script& actions = kDelete) {
  s.put("d.plv", kDrawing);
  EXPECT_NE(s.run(walk::drawn().then(actions).kill(), "d.plv"), 0);
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

TEST_F(Recovery, AKilledSessionIsRecoveredToWhatItHadDone) {
  const struct {
    Script done, same_as, then = {};  // `then` after recovering
  } runs[] = {{kMake, kMake},
              {kMake + kDelete, kMake + kDelete},
              {kMake + kDelete + kEdit + kPaste, kMake + kDelete + kEdit + kPaste},
              {kMake + kDelete + kUndo, kMake + kDelete + kUndo},
              {kMake + kRecolour, kMake + kRecolour},
              {kRecolour + kUndo + kRedo, kRecolour},
              {Script(kDelete).f(1).f(4), kDelete + kRemoveDeleted},  // killed while the file menu waits
              {kMake + kDelete, kMake, kUndo}};                       // what was done is still taken back
  for (const auto& run : runs) {
    SCOPED_TRACE(run.done.text());
    Session killed;
    killed_after(killed, run.done);
    EXPECT_EQ(killed.file("d.plv"), kDrawing) << "the killed session wrote nothing";
    EXPECT_EQ(recovered(killed, run.then), written_after(run.same_as));
    EXPECT_FALSE(killed.screens_with(3, kRecovering).empty());
    EXPECT_TRUE(copies_in(killed).empty()) << "written, the drawing needs no copy";
  }
}

// Killed after `before` (or the window closed), recovered, then `after` and
// written: the drawing an uninterrupted session of both writes.
void expect_recovered(const Script& before, const Script& after, const Script& end = Script().kill(),
                      const std::string& told = "") {
  Session s;
  s.put("d.plv", kDrawing);
  s.run(walk::drawn().then(before).then(end), "d.plv");
  fs::remove_all(s.path("snaps"));
  recovered(s, after);
  EXPECT_FALSE(s.screens_with(3, kRecovering).empty());
  EXPECT_TRUE(told.empty() || !s.screens_with(5, told).empty()) << told;
  Session whole;
  ASSERT_TRUE(whole.ends_in(kBody, walk::drawn().then(before).then(after).then(walk::write_and_end())));
  EXPECT_EQ(s.file("d.plv"), whole.file("d.plv")) << before.text() << "-- recovered --\n" << after.text();
  EXPECT_TRUE(copies_in(s).empty());
}

TEST_F(Recovery, TheDrawingAndItsHistoryAreThoseTheSessionHad) {
  // After a write.
  expect_recovered(kMake + kMake + kWrite + kUndo + kUndo, Script());
  expect_recovered(kDelete + kRemoveDeleted + kWrite + Script().f(5).f(1).pick_right(50, 0).pick(0, 0).f(10), Script());
  expect_recovered(kRecolour + kWrite + kMake, kUndo + kUndo);  // undo reaches past the write
  expect_recovered(kMake + kWrite + kUndo + kWrite + kRedo, kUndo);
  // Closed with the line made and taken back: one action, one taken back,
  // and nothing to take back but that to make again.
  expect_recovered(kMake + kUndo, kUndo + kRedo, Script().close(),
                   "A RECOVERY COPY OF 1 ACTION (AND 1 TAKEN BACK) WAS KEPT IN:");
}

TEST_F(Recovery, ANewDrawingNeverWrittenIsRecoveredToo) {
  // A new drawing, a line made in it, and the program killed: its file is
  // still empty.
  EXPECT_NE(s.run(walk::new_drawing("n").then(kMadeInNew).kill()), 0);
  ASSERT_TRUE(s.exists("n.plv"));
  EXPECT_TRUE(s.file("n.plv").empty());
  const Lines written = recovered(s, Script(), "n.plv");
  EXPECT_EQ(written, made_in_new("n"));
  EXPECT_GT(written.size(), 4u);
}

TEST_F(Recovery, DiscardedOrStaleCopiesAreNeverApplied) {
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
}

TEST_F(Recovery, ACleanEndOrQuittingLeavesNoCopy) {
  Session written;
  ASSERT_TRUE(written.ends_in(kBody, walk::drawn().then(kDelete).then(walk::write_and_end())));
  EXPECT_TRUE(copies_in(written).empty());

  Session quit;
  // F6 on the file menu quits the drawing without saving it.
  ASSERT_TRUE(quit.ends_in(kBody, walk::drawn().then(kDelete).f(1).f(6).f(3)));
  EXPECT_TRUE(copies_in(quit).empty());
  EXPECT_EQ(quit.file("d.plv"), kDrawing);
}

TEST_F(Recovery, ACopyThatCannotBeWrittenIsToldAndTheWorkGoesOn) {
  s.put("state", "a file where the folder of copies would be");
  // The edit/delete menu, back after the pick, tells it before it waits.
  ASSERT_TRUE(s.ends_in(kBody, walk::drawn().f(5).f(1).pick_right(250, 305).pick(0, 0).enter().f(10).then(kMake)
                                   .then(walk::write_and_end())));
  const auto told = s.screens_with(3, "NO RECOVERY COPY OF THE CHANGES CAN BE KEPT:");
  ASSERT_FALSE(told.empty());
  EXPECT_NE(row(told[0], 5).find(s.path("state")), std::string::npos) << told[0];
  EXPECT_EQ(s.records(), written_after(kDelete + kMake));
}

TEST_F(Recovery, ASecondPlivetNeitherReplacesNorRemovesTheFirstOnesCopy) {
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

TEST_F(Recovery, ACopyIsMadeForTheFileAsItIsNotForItsNameOrItsTime) {
  // Touched but not changed: the same file.
  Session touched;
  killed_after(touched);
  fs::last_write_time(touched.path("d.plv"), fs::file_time_type::clock::now() + std::chrono::hours(1));
  EXPECT_EQ(recovered(touched), written_after(kDelete));
  // Deleted and made again as a new drawing: a new copy; the old one is told and kept.
  const fs::path old_copy = killed_after(s);
  fs::remove(s.path("d.plv"));
  EXPECT_NE(s.run(walk::new_drawing("d").enter().then(kMadeInNew).kill()), 0);
  EXPECT_TRUE(s.told("AN OLD RECOVERY COPY UNDER THIS DRAWING'S NAME IS NOT APPLIED."));
  EXPECT_TRUE(fs::exists(old_copy.string() + ".stale"));
  EXPECT_EQ(recovered(s), made_in_new("d"));
}

}  // namespace
}  // namespace plv::e2e
