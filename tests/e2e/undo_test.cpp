// Taking changes back and making them again in whole sessions: elements
// made, deleted, edited and pasted, undeletes and the removal of deleted
// graphics; the written drawing record by record.

#include <gtest/gtest.h>

#include "e2e/drawing_actions.h"
#include "e2e/records.h"
#include "e2e/session.h"

namespace plv::e2e {
namespace {

using namespace actions;

std::string times(int n, const std::string& keys) {
  std::string out;
  for (int i = 0; i < n; ++i) out += keys;
  return out;
}

std::vector<std::string> written_after(const std::string& script) {
  Session s;
  s.put("d.plv", kDrawing);
  EXPECT_EQ(s.run(kToMainMenu + script + kWriteAndEnd, "d.plv"), 0) << s.file("stderr.txt");
  return drawing_records(s, "d.plv");
}

TEST(Undo, EveryActionTakenBackToTheOpenedDrawingAndMadeAgain) {
  const auto opened = written_after("");
  const std::string actions = kMake + kDelete + kEdit + kPaste;
  const auto changed = written_after(actions);
  ASSERT_NE(changed, opened);
  ASSERT_GE(changed.size(), opened.size() + 4) << "each action changed the drawing";

  EXPECT_EQ(written_after(actions + times(4, kUndo)), opened);
  EXPECT_EQ(written_after(actions + times(4, kUndo) + times(4, kRedo)), changed);
  // One step back is the drawing before the paste.
  EXPECT_EQ(written_after(actions + kUndo), written_after(kMake + kDelete + kEdit));
  // Past the first action there is nothing more to take back; a new action
  // ends what could be made again.
  EXPECT_EQ(written_after(actions + times(6, kUndo) + "key ENTER\n"), opened);
  EXPECT_EQ(written_after(kDelete + kUndo + kMake + kRedo + "key ENTER\n"), written_after(kMake));
}

TEST(Undo, TheKeysActInEveryMenuThatChangesTheDrawingAndFromTheWindowsMenu) {
  const auto deleted = written_after(kDelete);
  const auto opened = written_after("");
  // In the edit/delete menu, after an undelete (shown until a key): the
  // undelete is taken back.
  EXPECT_EQ(written_after("key F5\nkey F1\npick 250 305 right\npick 0 0\nkey F9\nkey ENTER\n" + kUndo + "key F10\n"),
            deleted);
  // In the create, buffer and paste menus.
  EXPECT_EQ(written_after("key F9\nkey F1\nkey F9\nkey ENTER\n" + kUndo + "key F10\n"), opened);
  EXPECT_EQ(written_after(kDelete + "key F7\n" + kUndo + "key F10\n"), opened);
  EXPECT_EQ(written_after(kPaste.substr(0, kPaste.size() - std::string("key F10\n").size()) + kUndo + "key F10\n"),
            written_after("key F7\nkey F3\ndrag -500 -350 -10 -10\ndrag 500 350 110 110\nkey ENTER\n"));
  // Edit, Undo and Redo on the window's menu.
  EXPECT_EQ(written_after(kDelete + "command undo\nkey ENTER\n"), opened);
  EXPECT_EQ(written_after(kDelete + "command undo\nkey ENTER\ncommand redo\nkey ENTER\n"), deleted);
}

TEST(Undo, CtrlZAndCtrlYAtThePictureOfAnUndoActAtOnce) {
  const auto both = written_after(kMake + kDelete);
  EXPECT_EQ(written_after(kMake + kDelete + "key CTRL-Z\nkey CTRL-Z\nkey ENTER\n"), written_after(""));
  EXPECT_EQ(written_after(kMake + kDelete + "key CTRL-Z\nkey CTRL-Y\nkey ENTER\n"), both);
  EXPECT_EQ(written_after(kMake + kDelete + "key CTRL-Z\nkey CTRL-Z\nkey CTRL-Y\nkey ENTER\n"), written_after(kMake));
}

TEST(Undo, RemovingTheDeletedGraphicsIsTakenBackLikeAnyAction) {
  const std::string remove = "key F1\nkey F4\nkey F10\n";
  const auto deleted = written_after(kDelete);
  const auto removed = written_after(kDelete + remove);
  ASSERT_LT(removed.size(), deleted.size());
  EXPECT_EQ(written_after(kDelete + remove + kUndo), deleted);
  EXPECT_EQ(written_after(kDelete + remove + kUndo + kRedo), removed);
}

TEST(Undo, NothingToTakeBackIsSaidAndOpeningAnotherDrawingForgetsTheChanges) {
  Session s;
  s.put("d.plv", kDrawing);
  s.put("e.plv", kDrawing);
  // Close d (written), open e (the second name on the list of drawings),
  // then Ctrl+Z finds nothing of d's to take back.
  const std::string script = kToMainMenu + kDelete + "key F1\nkey F2\nkey F2\nkey DOWN\nkey ENTER\nkey F10\n" +
                             "key CTRL-Z\nkey ENTER\n" + kWriteAndEnd;
  ASSERT_EQ(s.run(script, "d.plv"), 0) << s.file("stderr.txt");
  EXPECT_FALSE(screens_with(s, 5, "NOTHING TO UNDO.").empty());
  EXPECT_EQ(drawing_records(s, "e.plv"), written_after(""));
  EXPECT_EQ(drawing_records(s, "d.plv"), written_after(kDelete));
}

}  // namespace
}  // namespace plv::e2e
