// The recovery copy read back: a copy gives the drawing and history it was
// made from, whole actions only; damage and a second program are noticed.

#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/drawing_fixture.h"
#include "drawing/recovery_copy.h"
#include "drawing/recovery_journal.h"
#include "support/temp_dir.h"

namespace plv {
namespace {

namespace fs = std::filesystem;
using namespace recovery;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

// A drawing read from a file of two records, with its copy.
struct Drawing {
  explicit Drawing(const TempDir& dir) : file(dir.file("state/d.journal")) {
    store.append(Record("LI     0     0   100     0 S"));
    store.append(Record("BX   200   200   300   300"));
    file_records = records_of(store);
    store.watch(&journal);
    copy.start(file, head_as_read("/d.plv", {9, 9}, store));
  }
  void act(const std::function<void()>& change) {
    change();
    journal.end_action();
    copy.flush();
  }
  // A fresh program recovering what the copy holds.
  struct Recovered {
    RecordStore store;
    ChangeJournal journal;
    Replayed replayed;
    FoundJournal found;
  };
  std::unique_ptr<Recovered> recover(const std::vector<std::string>& read_from_file) const {
    auto r = std::make_unique<Recovered>();
    r->found = *read_journal(file);
    EXPECT_TRUE(rebuild(r->found.head, store_of(read_from_file), r->store));
    r->store.watch(&r->journal);
    r->journal.restore(r->found.history);
    r->replayed = replay(r->found.entries, r->store, r->journal);
    return r;
  }
  std::string file;
  RecordStore store;
  ChangeJournal journal;
  RecoveryCopy copy{journal};
  std::vector<std::string> file_records;
};

TEST(RecoveryCopy, GivesBackTheDrawingAndItsHistoryWhateverTheRecordsHold) {
  TempDir dir;
  Drawing d(dir);
  const Record odd("CH     0     0 12 S 0 100% TAB\tCR\rLF\n\x01 END");
  d.act([&] { d.store.append(odd); });
  d.act([&] { d.store.write(1, Record("LI     1     1   100     0 S")); });
  d.act([&] { d.store.insert(std::vector<PlacedRecord>{{1, Record("SC BAR   3")}, {3, Record("SC BAR   7")}}); });
  d.act([&] { d.store.remove(std::vector<long>{2, 4}); });
  ASSERT_TRUE(d.journal.undo(d.store));
  ASSERT_TRUE(d.journal.undo(d.store));
  ASSERT_TRUE(d.journal.redo(d.store));
  d.copy.flush();
  ASSERT_TRUE(d.copy.error().empty()) << d.copy.error();

  const auto r = d.recover(d.file_records);
  EXPECT_EQ(r->found.made, 5);
  EXPECT_EQ(r->found.taken_back, 2);
  EXPECT_EQ(r->replayed.applied, r->replayed.actions);
  EXPECT_EQ(records_of(r->store), records_of(d.store));
  // The same history: one action to make again, four to take back.
  ASSERT_TRUE(r->journal.redo(r->store) && d.journal.redo(d.store));
  EXPECT_EQ(records_of(r->store), records_of(d.store));
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(r->journal.undo(r->store) && d.journal.undo(d.store));
  EXPECT_EQ(records_of(r->store), d.file_records);
  EXPECT_FALSE(r->journal.can_undo());
}

TEST(RecoveryCopy, AfterAWriteTheCopyBeginsOnTheFileAsItReadsBackWithTheHistoryBeforeIt) {
  TempDir dir;
  Drawing d(dir);
  d.act([&] { d.store.append(Record("CI   600     0   700     0   600   100")); });
  d.act([&] { d.store.write(2, Record("DE   200   200   300   300")); });
  // Written: the deleted box is not in the file, which reads back as two records.
  const std::vector<std::string> written = {records_of(d.store)[0], records_of(d.store)[2]};
  d.copy.start(d.file, head_as_written("/d.plv", {7, 7}, d.store, {{1, 0, 2}, 2}));
  d.act([&] { d.store.write(3, Record("CI   600     0   800     0   600   100")); });
  const auto r = d.recover(written);
  EXPECT_EQ(r->found.head.base.size(), 3u) << "the deleted record kept in the copy";
  EXPECT_EQ(records_of(r->store), records_of(d.store));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(r->journal.undo(r->store)) << "undo reaches past the write";
  EXPECT_EQ(records_of(r->store), d.file_records);
}

TEST(RecoveryCopy, StepsThatDoNotFindTheirRecordsAreRefusedAndTheDrawingLeftAsItWas) {
  TempDir dir;
  Drawing d(dir);
  d.act([&] { d.store.append(Record("CI   600     0   700     0   600   100")); });
  d.act([&] {
    d.store.append(Record("LI     5     5     6     6 S"));
    d.store.write(1, Record("DE     0     0   100     0 S"));
  });
  auto other = d.file_records;
  other[0] = "LI     9     9   100     0 S";  // the file says otherwise than the copy's base
  const auto found = read_journal(d.file);
  RecordStore rebuilt;
  EXPECT_FALSE(rebuild(found->head, store_of(other), rebuilt)) << "the base's records are checked";

  RecordStore store = store_of(other);
  ChangeJournal journal;
  store.watch(&journal);
  const Replayed replayed = replay(found->entries, store, journal);
  EXPECT_EQ(replayed.actions, 2);
  EXPECT_EQ(replayed.applied, 1);
  EXPECT_EQ(store.count(), 3) << "the second action, refused, left nothing of itself";
  EXPECT_EQ(std::string(store.read(1).text()), std::string(Record(other[0]).text()));
}

TEST(RecoveryCopy, ATornEndIsLeftOutAndDamageIsFoundWhereItIs) {
  TempDir dir;
  Drawing d(dir);
  for (int i = 0; i < 3; ++i) d.act([&] { d.store.append(Record("LI     5     5     6     6 S")); });
  const std::string whole = read_file(d.file);
  const size_t start = whole.find("START\n") + 6;
  const auto found_in = [&](const std::string& text) {
    write_file(d.file, text);
    return *read_journal(d.file);
  };
  // Ended inside the last step, or before the last end: that action is not
  // whole, and is lost with nothing else.
  EXPECT_EQ(found_in(whole.substr(0, whole.size() - 40)).made, 2);
  const auto torn = found_in(whole.substr(0, whole.size() - 2));
  EXPECT_EQ(torn.made, 2);
  EXPECT_EQ(torn.damaged_at, 0);
  EXPECT_EQ(d.recover(d.file_records)->store.count(), 4);
  // A line that cannot be read with more after it: damage, with what stood before it.
  std::string damaged = whole;
  damaged.replace(damaged.find("S\t", start), 3, "S?A");
  const auto second = found_in(damaged);
  EXPECT_NE(second.damaged_at, 0);
  EXPECT_EQ(second.made, 0);
  EXPECT_FALSE(found_in(whole.substr(0, start - 3)).head_read);
  EXPECT_FALSE(found_in("PLIVET RECOVERY 1\nDRAWING\t/d.plv\nFILE\tNEW\n").head_read);
  EXPECT_FALSE(read_journal(dir.file("none")));
}

TEST(RecoveryCopy, OnlyTheProgramHoldingTheCopyReplacesOrRemovesIt) {
  TempDir dir;
  Drawing first(dir), second(dir);
  first.act([&] { first.store.append(Record("LI 1")); });
  EXPECT_TRUE(journal_in_use(first.file));
  second.act([&] { second.store.append(Record("LI 2")); });
  EXPECT_NE(second.copy.error().find("another plivet"), std::string::npos) << second.copy.error();
  second.copy.stop();
  ASSERT_TRUE(fs::exists(first.file));
  EXPECT_EQ(read_journal(first.file)->made, 1);
  // The folder removed under it: the copy is made again, whole.
  fs::remove_all(dir.file("state"));
  first.act([&] { first.store.append(Record("LI 3")); });
  EXPECT_TRUE(first.copy.error().empty()) << first.copy.error();
  EXPECT_EQ(read_journal(first.file)->made, 2);
  first.copy.stop();
  EXPECT_FALSE(fs::exists(first.file));
  EXPECT_FALSE(journal_in_use(first.file));
  EXPECT_NE(journal_path("/s", "/a/d.plv"), journal_path("/s", "/b/d.plv"));
}

TEST(RecoveryCopy, AFileIsKnownByItsBytes) {
  TempDir dir;
  write_file(dir.file("d.plv"), "one");
  const auto first = identity_of(dir.file("d.plv"));
  fs::last_write_time(dir.file("d.plv"), fs::file_time_type::clock::now() + std::chrono::hours(1));
  EXPECT_EQ(identity_of(dir.file("d.plv")), first) << "touched, not changed";
  write_file(dir.file("d.plv"), "two");
  EXPECT_NE(identity_of(dir.file("d.plv")), first);
  EXPECT_FALSE(identity_of(dir.file("none")));
}

}  // namespace
}  // namespace plv
