// The record store, and the journal that watches it to take its changes
// back and make them again.

#include "drawing/record_store.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "drawing/change_journal.h"
#include "drawing/drawing_fixture.h"
#include "drawing/record_layout.h"

namespace plv {
namespace {

TEST(RecordStore, AppendReadWriteClear) {
  RecordStore store;
  EXPECT_EQ(store.count(), 0);
  EXPECT_THROW(store.read(1), std::out_of_range);
  for (int i = 1; i <= 20000; ++i) {  // across several storage blocks
    Record r;
    r.put_text(layout::kCode, "CM");
    r.put(IntField{{4, 6}}, i);
    store.append(r);
  }
  EXPECT_EQ(store.count(), 20000);
  for (const int n : {1, 8193, 20000}) EXPECT_EQ(store.read(n).get(IntField{{4, 6}}), n);
  EXPECT_THROW(store.read(0), std::out_of_range);
  EXPECT_THROW(store.read(20001), std::out_of_range);

  store.write(5, Record("SC BAR   3"));
  EXPECT_EQ(store.read(5).trimmed(), "SC BAR   3");
  EXPECT_THROW(store.write(20001, Record()), std::out_of_range);

  const size_t capacity = store.capacity_bytes();
  store.clear();
  EXPECT_EQ(store.count(), 0);
  EXPECT_THROW(store.read(1), std::out_of_range);
  store.append(Record("LI"));
  EXPECT_EQ(store.read(1).trimmed(), "LI");
  EXPECT_EQ(store.capacity_bytes(), capacity);  // cleared space is reused
}

Record line(int n) { return Record("LI " + std::to_string(n)); }

struct Watched {
  Watched() {
    store.append(line(1));
    store.append(line(2));
    store.watch(&journal);
  }
  RecordStore store;
  ChangeJournal journal;
};

TEST(ChangeJournal, ActionsOfWritesAppendsAndDropsGoBackAndForthExactly) {
  Watched w;
  const auto opened = records_of(w.store);
  w.store.write(1, line(10));
  w.store.append(line(3));
  w.journal.end_action();
  w.store.drop_last();
  w.store.drop_last();  // a record that was there when the drawing opened
  w.store.append(line(4));
  w.store.write(1, line(11));
  w.journal.end_action();
  const auto changed = records_of(w.store);
  EXPECT_EQ(changed, (std::vector<std::string>{"LI 11", "LI 4"}));

  ASSERT_TRUE(w.journal.undo(w.store));
  EXPECT_EQ(records_of(w.store), (std::vector<std::string>{"LI 10", "LI 2", "LI 3"}));
  ASSERT_TRUE(w.journal.undo(w.store));
  EXPECT_EQ(records_of(w.store), opened);
  EXPECT_FALSE(w.journal.undo(w.store));
  ASSERT_TRUE(w.journal.redo(w.store));
  ASSERT_TRUE(w.journal.redo(w.store));
  EXPECT_EQ(records_of(w.store), changed);
  EXPECT_FALSE(w.journal.redo(w.store));
}

TEST(ChangeJournal, RecordsPutInBetweenAndTakenOutGoBackAndForthExactly) {
  Watched w;
  w.store.append(line(3));
  w.journal.forget();
  const auto opened = records_of(w.store);
  // Before the first, between the second and third, and last.
  w.store.insert(std::vector<PlacedRecord>{{1, line(10)}, {4, line(11)}, {6, line(12)}});
  EXPECT_EQ(records_of(w.store), (std::vector<std::string>{"LI 10", "LI 1", "LI 2", "LI 11", "LI 3", "LI 12"}));
  w.journal.end_action();
  w.store.remove(std::vector<long>{2, 5});
  w.journal.end_action();
  const auto changed = records_of(w.store);
  EXPECT_EQ(changed, (std::vector<std::string>{"LI 10", "LI 2", "LI 11", "LI 12"}));
  ASSERT_TRUE(w.journal.undo(w.store));
  ASSERT_TRUE(w.journal.undo(w.store));
  EXPECT_EQ(records_of(w.store), opened);
  ASSERT_TRUE(w.journal.redo(w.store));
  ASSERT_TRUE(w.journal.redo(w.store));
  EXPECT_EQ(records_of(w.store), changed);
}

TEST(ChangeJournal, AnActionInProgressIsTakenBackWholeAndANewOneEndsTheRedos) {
  Watched w;
  w.store.write(2, line(20));
  w.journal.end_action();
  w.store.append(line(5));  // not ended: undo ends it first
  ASSERT_TRUE(w.journal.undo(w.store));
  EXPECT_EQ(records_of(w.store), (std::vector<std::string>{"LI 1", "LI 20"}));
  w.store.write(1, line(1));  // the same record again: no change, no action
  w.journal.end_action();
  EXPECT_TRUE(w.journal.can_redo());
  w.store.write(1, line(9));
  w.journal.end_action();
  EXPECT_FALSE(w.journal.can_redo());
  EXPECT_FALSE(w.journal.redo(w.store));
}

TEST(ChangeJournal, ChangesPutBackClearingAndForgettingLeaveNothingToTakeBack) {
  Watched w;
  w.store.append(line(3));
  w.store.write(1, line(9));
  w.store.write(1, line(1));
  w.store.drop_last();
  w.store.drop_last();
  w.store.append(line(2));
  w.journal.end_action();
  EXPECT_FALSE(w.journal.can_undo());
  EXPECT_EQ(records_of(w.store), (std::vector<std::string>{"LI 1", "LI 2"}));

  w.store.write(1, line(7));
  w.journal.end_action();
  w.store.clear();
  EXPECT_FALSE(w.journal.can_undo());
  w.store.append(line(1));
  w.journal.forget();
  EXPECT_FALSE(w.journal.undo(w.store));
  EXPECT_EQ(records_of(w.store), (std::vector<std::string>{"LI 1"}));
}

}  // namespace
}  // namespace plv
