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

#include "e2e/drawing_actions.h"
#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

using namespace actions;

// Started again: past the file name menu, F1 on the recovery screen.
const std::string kRecover = "key F10\nkey F1\n";

std::vector<std::string> uninterrupted(const std::string& actions) {
  Session s;
  s.put("d.plv", kDrawing);
  EXPECT_EQ(s.run(kToMainMenu + actions + kWriteAndEnd, "d.plv"), 0) << s.file("stderr.txt");
  return drawing_records(s, "d.plv");
}

std::vector<fs::path> copies_in(const Session& s) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(s.path("state"), ec)) found.push_back(entry.path());
  return found;
}

TEST(Recovery, AKilledSessionIsRecoveredToWhatItHadDone) {
  const std::string remove_deleted = "key F1\nkey F4\n";  // killed while the file menu waits
  const struct {
    std::string killed_after, same_as;
  } runs[] = {{kMake, kMake},
              {kMake + kDelete, kMake + kDelete},
              {kMake + kDelete + kEdit + kPaste, kMake + kDelete + kEdit + kPaste},
              {kMake + kDelete + kUndo, kMake + kDelete + kUndo},
              {kMake + kRecolour, kMake + kRecolour},
              {kRecolour + kUndo + kRedo, kRecolour},
              {kDelete + remove_deleted, kDelete + remove_deleted + "key F10\n"}};
  for (const auto& run : runs) {
    Session s;
    s.put("d.plv", kDrawing);
    EXPECT_NE(s.run(kToMainMenu + run.killed_after + "kill\n", "d.plv"), 0);
    EXPECT_EQ(s.file("d.plv"), kDrawing) << "the killed session wrote nothing";
    ASSERT_EQ(copies_in(s).size(), 1u);
    ASSERT_EQ(s.run(kRecover + kWriteAndEnd, "d.plv"), 0) << s.file("stderr.txt");
    EXPECT_FALSE(screens_with(s, 3, "CHANGES TO THIS DRAWING WERE NOT WRITTEN WHEN IT WAS LAST OPEN.").empty());
    EXPECT_EQ(drawing_records(s, "d.plv"), uninterrupted(run.same_as)) << run.killed_after;
    EXPECT_TRUE(copies_in(s).empty()) << "written, the drawing needs no copy";
  }
}

// Killed after `before`, recovered, then `after` and written: the drawing an
// uninterrupted session of both writes.
struct KilledRun {
  std::string before, after;
  std::string end = "kill\n";  // or the window closed
};

void expect_recovered(const KilledRun& run, const std::string& screen_text = "") {
  Session s;
  s.put("d.plv", kDrawing);
  s.run(kToMainMenu + run.before + run.end, "d.plv");
  fs::remove_all(s.path("snaps"));
  ASSERT_EQ(s.run(kRecover + run.after + kWriteAndEnd, "d.plv"), 0) << s.file("stderr.txt");
  EXPECT_FALSE(screens_with(s, 3, "CHANGES TO THIS DRAWING WERE NOT WRITTEN WHEN IT WAS LAST OPEN.").empty());
  if (!screen_text.empty()) {
    EXPECT_FALSE(screens_with(s, 5, screen_text).empty()) << screen_text;
  }
  Session whole;
  whole.put("d.plv", kDrawing);
  ASSERT_EQ(whole.run(kToMainMenu + run.before + run.after + kWriteAndEnd, "d.plv"), 0);
  EXPECT_EQ(s.file("d.plv"), whole.file("d.plv")) << run.before << "-- recovered --\n" << run.after;
  EXPECT_TRUE(copies_in(s).empty());
}

const std::string kWrite = "key F1\nkey F3\n";
const std::string kRemoveDeleted = "key F1\nkey F4\nkey F10\n";
const std::string kDeleteLine = "key F5\nkey F1\npick 50 0 right\npick 0 0\nkey F10\n";

TEST(Recovery, AfterAWriteTheDrawingAndItsHistoryAreThoseTheSessionHad) {
  const KilledRun runs[] = {
      {kMake + kMake + kWrite + kUndo + kUndo, ""},
      {kDelete + kRemoveDeleted + kWrite + kDeleteLine, ""},
      {kRecolour + kWrite + kMake, kUndo + kUndo},  // undo reaches past the write
      {kMake + kWrite + kUndo + kWrite + kRedo, kUndo},
  };
  for (const KilledRun& run : runs) expect_recovered(run);
}

TEST(Recovery, ActionsTakenBackStayTakenBackAndCanBeMadeAgain) {
  // Closed with the line made and taken back: one action, one taken back,
  // and nothing to take back but that to make again.
  expect_recovered({kMake + kUndo, kUndo + kRedo, "close\n"},
                   "A RECOVERY COPY OF 1 ACTION (AND 1 TAKEN BACK) WAS KEPT IN:");
}

TEST(Recovery, ANewDrawingNeverWrittenIsRecoveredToo) {
  // A new drawing, a line made in it, and the program killed: its file is
  // still empty.
  const std::string made = "key F9\nkey ENTER\nkey F1\nkey F9\nkey ENTER\nkey F10\n";
  Session s;
  EXPECT_NE(s.run(new_drawing("n") + made + "kill\n"), 0);
  ASSERT_TRUE(s.exists("n.plv"));
  EXPECT_TRUE(s.file("n.plv").empty());
  ASSERT_EQ(s.run(kRecover + kWriteAndEnd, "n.plv"), 0) << s.file("stderr.txt");
  Session whole;
  ASSERT_EQ(whole.run(new_drawing("n") + made + kWriteAndEnd), 0);
  EXPECT_EQ(drawing_records(s, "n.plv"), drawing_records(whole, "n.plv"));
  EXPECT_GT(drawing_records(s, "n.plv").size(), 4u);
}

TEST(Recovery, WhatWasDoneIsStillTakenBackAfterRecovering) {
  Session s;
  s.put("d.plv", kDrawing);
  EXPECT_NE(s.run(kToMainMenu + kMake + kDelete + "kill\n", "d.plv"), 0);
  ASSERT_EQ(s.run(kRecover + kUndo + kWriteAndEnd, "d.plv"), 0) << s.file("stderr.txt");
  EXPECT_EQ(drawing_records(s, "d.plv"), uninterrupted(kMake));
}

TEST(Recovery, DiscardedOrStaleCopiesAreNeverApplied) {
  Session discarded;
  discarded.put("d.plv", kDrawing);
  EXPECT_NE(discarded.run(kToMainMenu + kDelete + "kill\n", "d.plv"), 0);
  ASSERT_EQ(discarded.run("key F10\nkey F2\n" + kWriteAndEnd, "d.plv"), 0);
  EXPECT_EQ(drawing_records(discarded, "d.plv"), uninterrupted(""));
  EXPECT_TRUE(copies_in(discarded).empty());

  Session stale;
  stale.put("d.plv", kDrawing);
  EXPECT_NE(stale.run(kToMainMenu + kDelete + "kill\n", "d.plv"), 0);
  // The file changes before the editor opens it again.
  stale.put("d.plv", kDrawing + "CI   600     0   700     0   600   100\n");
  ASSERT_EQ(stale.run("key F10\nkey ENTER\n" + kWriteAndEnd, "d.plv"), 0) << stale.file("stderr.txt");
  EXPECT_FALSE(screens_with(stale, 3, "THE FILE CHANGED AFTER ITS RECOVERY COPY WAS MADE: THE COPY IS NOT APPLIED.")
                   .empty());
  const auto records = drawing_records(stale, "d.plv");
  EXPECT_EQ(records.back(), "CI   600     0   700     0   600   100");
  EXPECT_EQ(records[3], "BX   200   200   300   300") << "the box deleted in the stale copy stays";
  const auto kept = copies_in(stale);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].extension(), ".stale");
}

TEST(Recovery, ACleanEndOrQuittingLeavesNoCopy) {
  Session written;
  written.put("d.plv", kDrawing);
  ASSERT_EQ(written.run(kToMainMenu + kDelete + kWriteAndEnd, "d.plv"), 0);
  EXPECT_TRUE(copies_in(written).empty());

  Session quit;
  quit.put("d.plv", kDrawing);
  // F6 on the file menu quits the drawing without saving it.
  ASSERT_EQ(quit.run(kToMainMenu + kDelete + "key F1\nkey F6\nkey F3\n", "d.plv"), 0) << quit.file("stderr.txt");
  EXPECT_TRUE(copies_in(quit).empty());
  EXPECT_EQ(quit.file("d.plv"), kDrawing);
}

TEST(Recovery, ACopyThatCannotBeWrittenIsToldAndTheWorkGoesOn) {
  Session s;
  s.put("d.plv", kDrawing);
  s.put("state", "a file where the folder of copies would be");
  // The edit/delete menu, back after the pick, tells it before it waits.
  ASSERT_EQ(s.run(kToMainMenu + "key F5\nkey F1\npick 250 305 right\npick 0 0\nkey ENTER\nkey F10\n" + kMake +
                      kWriteAndEnd,
                  "d.plv"),
            0)
      << s.file("stderr.txt");
  const auto told = screens_with(s, 3, "NO RECOVERY COPY OF THE CHANGES CAN BE KEPT:");
  ASSERT_FALSE(told.empty());
  EXPECT_NE(Session::row(told[0], 5).find(s.path("state")), std::string::npos) << told[0];
  EXPECT_EQ(drawing_records(s, "d.plv"), uninterrupted(kDelete + kMake));
}


bool told(const Session& s, std::string_view text) {
  for (const std::string& screen : s.screens())
    if (screen.find(text) != std::string::npos) return true;
  return false;
}

// Killed after deleting the box (or `actions`): the one copy it left.
fs::path killed_after_delete(Session& s, const std::string& actions = kDelete) {
  s.put("d.plv", kDrawing);
  EXPECT_NE(s.run(kToMainMenu + actions + "kill\n", "d.plv"), 0);
  const auto copies = copies_in(s);
  EXPECT_EQ(copies.size(), 1u);
  fs::remove_all(s.path("snaps"));
  return copies.empty() ? fs::path() : copies[0];
}

TEST(Recovery, ASecondPlivetNeitherReplacesNorRemovesTheFirstOnesCopy) {
  const std::string quits = "key F1\nkey F6\nkey F3\n";
  for (const std::string& second : {quits, kMake + kWriteAndEnd, kMake + "kill\n"}) {
    Session s;
    const fs::path copy = killed_after_delete(s);
    const std::string kept = testing::read_file(copy);
    const int first = ::open(copy.c_str(), O_RDONLY);  // the first plivet, still running
    ASSERT_EQ(::flock(first, LOCK_EX), 0);
    s.run("key F10\nkey ENTER\n" + second, "d.plv");
    EXPECT_TRUE(told(s, "THIS DRAWING IS OPEN IN ANOTHER PLIVET, WHICH KEEPS ITS RECOVERY COPY."));
    EXPECT_EQ(testing::read_file(copy), kept) << second;
    EXPECT_EQ(copies_in(s).size(), 1u) << second;
    ::close(first);
  }
}

TEST(Recovery, DamagedCopiesAreToldAndKeptAsideAndTheNextCopyStartsAfresh) {
  const auto damage = [](const fs::path& copy, const std::function<void(std::string&)>& how) {
    std::string text = testing::read_file(copy);
    how(text);
    testing::write_file(copy, text);
  };
  {  // The head damaged: told, kept aside, and a fresh copy keeps what follows.
    Session s;
    const fs::path copy = killed_after_delete(s);
    damage(copy, [](std::string& t) { t.replace(t.find("DRAWING"), 7, "DRAWONG"); });
    EXPECT_NE(s.run("key F10\nkey ENTER\nkey F3\nkey ENTER\n" + kMake + "kill\n", "d.plv"), 0);
    EXPECT_TRUE(told(s, "THE RECOVERY COPY OF THIS DRAWING IS DAMAGED AND CANNOT BE READ."));
    ASSERT_TRUE(fs::exists(copy.string() + ".damaged"));
    ASSERT_EQ(s.run(kRecover + kWriteAndEnd, "d.plv"), 0);
    EXPECT_EQ(drawing_records(s, "d.plv"), uninterrupted(kMake));
  }
  {  // Torn inside its last line, as a full disc leaves it: the actions after it are kept and read back.
    Session s;
    const fs::path copy = killed_after_delete(s, kMake + kDelete);
    damage(copy, [](std::string& t) { t.resize(t.size() - 30); });
    EXPECT_NE(s.run(kRecover + "key F3\nkey ENTER\n" + kMake + "kill\n", "d.plv"), 0);
    ASSERT_EQ(s.run(kRecover + kWriteAndEnd, "d.plv"), 0);
    EXPECT_EQ(drawing_records(s, "d.plv"), uninterrupted(kMake + kMake)) << "the torn action is lost, nothing else";
  }
  {  // The first step damaged: told where, and the copy kept, never deleted.
    Session s;
    const fs::path copy = killed_after_delete(s);
    damage(copy, [](std::string& t) { t.replace(t.find("S\t", t.find("START")), 2, "S?"); });
    ASSERT_EQ(s.run(kRecover + kWriteAndEnd, "d.plv"), 0);
    EXPECT_TRUE(told(s, "THE COPY IS DAMAGED AT ITS LINE"));
    EXPECT_EQ(drawing_records(s, "d.plv"), uninterrupted(""));
    EXPECT_TRUE(fs::exists(copy.string() + ".damaged"));
  }
}

TEST(Recovery, ACopyIsMadeForTheFileAsItIsNotForItsNameOrItsTime) {
  {  // Touched but not changed: the same file.
    Session s;
    killed_after_delete(s);
    fs::last_write_time(s.path("d.plv"), fs::file_time_type::clock::now() + std::chrono::hours(1));
    ASSERT_EQ(s.run(kRecover + kWriteAndEnd, "d.plv"), 0);
    EXPECT_EQ(drawing_records(s, "d.plv"), uninterrupted(kDelete));
  }
  // Deleted and made again as a new drawing: a new copy; the old one is told and kept.
  const std::string made = "key F9\nkey ENTER\nkey F1\nkey F9\nkey ENTER\nkey F10\n";
  Session s;
  const fs::path old_copy = killed_after_delete(s);
  fs::remove(s.path("d.plv"));
  EXPECT_NE(s.run(new_drawing("d") + "key ENTER\n" + made + "kill\n"), 0);
  EXPECT_TRUE(told(s, "AN OLD RECOVERY COPY UNDER THIS DRAWING'S NAME IS NOT APPLIED."));
  EXPECT_TRUE(fs::exists(old_copy.string() + ".stale"));
  ASSERT_EQ(s.run(kRecover + kWriteAndEnd, "d.plv"), 0);
  Session whole;
  ASSERT_EQ(whole.run(new_drawing("d") + made + kWriteAndEnd), 0);
  EXPECT_EQ(drawing_records(s, "d.plv"), drawing_records(whole, "d.plv"));
}

}  // namespace
}  // namespace plv::e2e
