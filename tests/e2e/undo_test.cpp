// Taking changes back and making them again in whole sessions: elements
// made, deleted, edited and pasted, undeletes and the removal of deleted
// graphics; the written drawing record by record.

#include <gtest/gtest.h>

#include "e2e/actions.h"

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
  ASSERT_TRUE(s.ends_in(kBody, walk::drawn().then(kDelete).f(1).f(2).f(2).down().enter().f(10).then(kUndo)
                                   .then(walk::write_and_end())));
  EXPECT_FALSE(s.screens_with(5, "NOTHING TO UNDO.").empty());
  EXPECT_EQ(s.records("e.plv"), written_after(Script()));
  EXPECT_EQ(s.records(), written_after(kDelete));
}

}  // namespace
}  // namespace plv::e2e
