// The record store, and the journal that watches it to take its changes
// back and make them again.

#include "drawing/record_store.h"

#include <gtest/gtest.h>

#include <random>
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

// Random rewrites, appends, drops, inserts and removals, the store beside
// a plain list of the same records: every character is kept, whatever
// the records' lengths and however often their places change.
TEST(RecordStore, EveryChangeKeepsEveryCharacterOfEveryRecord) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> length(0, kRecordLength), letter(33, 126), op(0, 5);
  auto any_record = [&] {
    std::string text(static_cast<size_t>(length(random)), ' ');
    for (char& c : text) c = static_cast<char>(letter(random));
    if (!text.empty() && text.size() % 3 == 0) text.back() = '\t';  // not a blank, so kept
    if (text.size() > 4) text[2] = ' ';
    return Record(text);
  };
  RecordStore store;
  std::vector<Record> model;
  // Read from a file first: more than one block holds them.
  std::string kept;
  for (int n = 0; n < 40000; ++n) {
    model.push_back(any_record());
    RecordStore::keep(model.back(), kept);
  }
  store.append_read(kept);
  for (int step = 0; step < 3000; ++step) {
    const long count = static_cast<long>(model.size());
    auto place = [&](long most) { return std::uniform_int_distribution<long>(1, most)(random); };
    switch (count == 0 ? 0 : op(random)) {
      case 0:
      case 1: {
        const Record r = any_record();
        store.append(r);
        model.push_back(r);
        break;
      }
      case 2: {
        const long n = place(count);
        const Record r = any_record();
        store.write(n, r);
        model[static_cast<size_t>(n - 1)] = r;
        break;
      }
      case 3:
        store.drop_last();
        model.pop_back();
        break;
      case 4: {
        const PlacedRecord placed{place(count + 1), any_record()};
        store.insert(std::span(&placed, 1));
        model.insert(model.begin() + (placed.number - 1), placed.record);
        break;
      }
      default: {
        const long n = place(count);
        store.remove(std::span(&n, 1));
        model.erase(model.begin() + (n - 1));
        break;
      }
    }
    if (step == 2000) {  // cleared space is filled again
      store.clear();
      model.clear();
    }
  }
  ASSERT_EQ(store.count(), static_cast<long>(model.size()));
  for (long n = 1; n <= store.count(); ++n) ASSERT_EQ(store.read(n), model[static_cast<size_t>(n - 1)]) << n;
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
