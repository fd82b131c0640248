#include <gtest/gtest.h>

#include <fstream>

#include "drawing/recovery_copy.h"
#include "support/temp_dir.h"

namespace plv {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

std::vector<std::string> texts(const RecordStore& s) {
  std::vector<std::string> out;
  for (long n = 1; n <= s.count(); ++n) out.emplace_back(s.read(n).text());
  return out;
}

struct Drawing {
  explicit Drawing(const TempDir& dir) : journal_file(dir.file("copy.journal")) {
    store.append(Record("LI     0     0   100     0 S"));
    store.watch(&journal);
  }
  RecordStore store;
  ChangeJournal journal;
  std::string journal_file;
};

TEST(RecoveryCopy, WhatIsWrittenReplaysToTheSameRecordsWhateverTheyHold) {
  TempDir dir;
  Drawing d(dir);
  const auto opened = texts(d.store);
  RecoveryCopy copy(d.journal);
  const FileIdentity id{12, 34, 0xabcdef};
  copy.start(d.journal_file, "/some/d.plv", id);
  // Characters a line of the journal could not hold as they are.
  Record odd("CH     0     0 12 S 0 100% TAB\tCR\rLF\n\x01 END");
  d.store.append(odd);
  d.store.write(1, Record("LI     1     1   100     0 S"));
  d.journal.end_action();
  copy.flush();
  d.store.drop_last();
  d.store.insert(std::vector<PlacedRecord>{{1, Record("SC BAR   3")}, {3, Record("SC BAR   7")}});
  d.store.remove(std::vector<long>{3});
  d.journal.end_action();
  ASSERT_TRUE(d.journal.undo(d.store));  // told as the steps it took
  copy.flush();
  EXPECT_TRUE(copy.error().empty()) << copy.error();

  const auto found = read_journal(d.journal_file);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->drawing, "/some/d.plv");
  EXPECT_EQ(found->identity, id);
  EXPECT_EQ(found->actions, 3);
  RecordStore again;
  again.append(Record("LI     0     0   100     0 S"));
  ChangeJournal rebuilt;
  again.watch(&rebuilt);
  replay(*found, again, rebuilt);
  EXPECT_EQ(texts(again), texts(d.store));
  EXPECT_EQ(texts(again)[1], std::string(odd.text()));
  EXPECT_TRUE(rebuilt.undo(again));
  EXPECT_TRUE(rebuilt.undo(again));
  EXPECT_TRUE(rebuilt.undo(again));
  EXPECT_EQ(texts(again), opened);
}

TEST(RecoveryCopy, ATornEndIsLeftOutAndForeignFilesAreNotJournals) {
  TempDir dir;
  Drawing d(dir);
  {
    RecoveryCopy copy(d.journal);
    copy.start(d.journal_file, "/d.plv", std::nullopt);
    d.store.append(Record("BX   200   200   300   300"));
    d.journal.end_action();
    copy.flush();
    d.store.append(Record("LI     5     5     6     6 S"));
    d.journal.end_action();
    copy.flush();
  }
  // Killed while the second action was being written: its end is missing.
  std::string text = read_file(d.journal_file);
  text.resize(text.rfind("E\n"));
  write_file(d.journal_file, text);
  const auto found = read_journal(d.journal_file);
  ASSERT_TRUE(found);
  EXPECT_FALSE(found->identity) << "a drawing started new";
  EXPECT_EQ(found->actions, 1);
  EXPECT_EQ(found->entries.size(), 2u);

  write_file(dir.file("other"), "PLIVET RECOVERY 2\n");
  EXPECT_FALSE(read_journal(dir.file("other")));
  EXPECT_FALSE(read_journal(dir.file("none")));
}

TEST(RecoveryCopy, NoFileUntilAnActionEndsAndStoppingRemovesIt) {
  TempDir dir;
  Drawing d(dir);
  RecoveryCopy copy(d.journal);
  copy.start(d.journal_file, "/d.plv", std::nullopt);
  copy.flush();
  EXPECT_FALSE(std::ifstream(d.journal_file).good());
  d.store.append(Record("BX   200   200   300   300"));
  d.journal.end_action();
  copy.flush();
  EXPECT_TRUE(std::ifstream(d.journal_file).good());
  copy.stop();
  EXPECT_FALSE(std::ifstream(d.journal_file).good());
  // Two drawings of one name in two folders keep two copies.
  EXPECT_NE(journal_path("/s", "/a/d.plv"), journal_path("/s", "/b/d.plv"));
}

TEST(RecoveryCopy, TheIdentityOfAFileChangesWithItsContents) {
  TempDir dir;
  write_file(dir.file("d.plv"), "one");
  const auto first = identity_of(dir.file("d.plv"));
  write_file(dir.file("d.plv"), "two");
  const auto second = identity_of(dir.file("d.plv"));
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->content_hash, second->content_hash);
  EXPECT_FALSE(identity_of(dir.file("none")));
}

}  // namespace
}  // namespace plv

namespace plv {
namespace {

TEST(RecoveryCopy, OneRunningPlivetKeepsADrawingsJournalAndASecondIsTurnedAway) {
  testing::TempDir dir;
  const std::string file = dir.file("d.journal");
  RecordStore first_store, second_store;
  ChangeJournal first_journal, second_journal;
  first_store.watch(&first_journal);
  second_store.watch(&second_journal);
  RecoveryCopy first(first_journal), second(second_journal);
  first.start(file, "/d.plv", std::nullopt);
  second.start(file, "/d.plv", std::nullopt);
  EXPECT_FALSE(journal_in_use(file));
  first_store.append(Record("LI 1"));
  first_journal.end_action();
  first.flush();
  EXPECT_TRUE(journal_in_use(file));
  second_store.append(Record("LI 2"));
  second_journal.end_action();
  second.flush();
  EXPECT_NE(second.error().find("another plivet"), std::string::npos) << second.error();
  const auto found = read_journal(file);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->actions, 1);
  first.stop();
  EXPECT_FALSE(journal_in_use(file));
}

}  // namespace
}  // namespace plv
