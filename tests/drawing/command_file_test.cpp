#include "drawing/command_file.h"
#include "kinds/registry.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/temp_dir.h"

namespace plv {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

std::vector<std::string> records_of(const RecordStore& store) {
  std::vector<std::string> out;
  for (long n = 1; n <= store.count(); ++n) out.emplace_back(store.read(n).trimmed());
  return out;
}

RecordStore store_of(std::initializer_list<const char*> lines) {
  RecordStore store;
  for (const char* line : lines) store.append(Record(line));
  return store;
}

// The lines the writer produces after the three header lines.
std::vector<std::string> body_written(const RecordStore& store) {
  std::vector<std::string> lines;
  WriteProblems problems;
  command_file_lines({"P", "S", " 8-DEC-26"}, store, kinds(), [&](std::string_view l) { lines.emplace_back(l); }, problems);
  EXPECT_TRUE(problems.skipped.empty());
  EXPECT_TRUE(problems.too_large.empty());
  return {lines.begin() + 3, lines.end()};
}

using Lines = std::vector<std::string>;

TEST(ReadingCommandFiles, HeaderLinesAreTakenApart) {
  TempDir dir;
  const std::string path = dir.file("a.plv");
  write_file(path,
             "/some/where/a.plv\n"
             "GLIMPT PR      10.00      2.000 H C L\n"
             "DATE:  8-DEC-26\n"
             "SC MODE BAR\n"
             "GLIMPT EP      17.36      1.000 D M P\n"
             "DATE: 1-JAN-99\n"
             "\n"
             "LI   100   200   300   400 S\n");
  RecordStore store;
  const CommandFileRead read = read_command_file(path, store, kinds());
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.setup_line, "GLIMPT PR      10.00      2.000 H C L   ");
  EXPECT_EQ(records_of(store), (Lines{"SC MODE BAR", "", "LI0.100000E+030.200000E+030.300000E+030.400000E+03 S"}));
}

TEST(ReadingCommandFiles, FirstLineIsAlwaysThePathLine) {
  TempDir dir;
  const std::string path = dir.file("a.plv");
  write_file(path, "CM LOST\nCM KEPT 2\nCM KEPT 3\nCM KEPT 4\n");
  RecordStore store;
  const CommandFileRead read = read_command_file(path, store, kinds());
  EXPECT_FALSE(read.setup_line);
  EXPECT_EQ(records_of(store), (Lines{"CM KEPT 2", "CM KEPT 3", "CM KEPT 4"}));
}

TEST(ReadingCommandFiles, ShortEmptyCrlfAndUnterminatedFiles) {
  TempDir dir;
  RecordStore store;
  store.append(Record("CM LEFT OVER"));

  write_file(dir.file("empty"), "");
  EXPECT_TRUE(read_command_file(dir.file("empty"), store, kinds()).ok());
  EXPECT_EQ(store.count(), 0);

  write_file(dir.file("one"), "only the path");
  EXPECT_TRUE(read_command_file(dir.file("one"), store, kinds()).ok());
  EXPECT_EQ(store.count(), 0);

  write_file(dir.file("crlf"), "p\r\nGLIMPT WP       1.00      1.000 T M L\r\nDATE:  1-MAR- 5\r\nCM ONE\r\nCM TWO");
  const CommandFileRead read = read_command_file(dir.file("crlf"), store, kinds());
  EXPECT_EQ(read.setup_line, "GLIMPT WP       1.00      1.000 T M L   ");
  EXPECT_EQ(records_of(store), (Lines{"CM ONE", "CM TWO"}));

  write_file(dir.file("long"), "p\nGLIMPT\nDATE:\nCM" + std::string(200, 'z') + "\n");
  read_command_file(dir.file("long"), store, kinds());
  EXPECT_EQ(store.read(1).text(), "CM" + std::string(120, 'z'));
}


TEST(ReadingCommandFiles, MissingFileAndDirectoryAreErrors) {
  TempDir dir;
  RecordStore store;
  EXPECT_FALSE(read_command_file(dir.file("absent"), store, kinds()).ok());
  const CommandFileRead read = read_command_file(dir.path().string(), store, kinds());
  EXPECT_FALSE(read.ok());
  EXPECT_FALSE(read.error.empty());
}

TEST(WritingCommandFiles, HeaderAtFullWidthsRecordsTrimmed) {
  TempDir dir;
  const std::string path = dir.file("out.plv");
  RecordStore store = store_of({"CM HELLO", "", "XXLI", "SC MODE BAR"});
  const CommandFileWrite w = write_command_file(path, {"/x/out.plv", "GLIMPT EP      17.36      1.000 D M P", " 8-DEC-26"}, store, kinds());
  ASSERT_TRUE(w.ok()) << w.error;
  std::ostringstream expected;
  expected << "/x/out.plv" << std::string(70, ' ') << "\n"
           << "GLIMPT EP      17.36      1.000 D M P   \n"
           << "DATE:  8-DEC-26\n"
           << "CM HELLO\n"
           << "SC MODE BAR\n";
  EXPECT_EQ(read_file(path), expected.str());

  RecordStore empty;
  ASSERT_TRUE(write_command_file(path, {"p", "s", "d"}, empty, kinds()).ok());
  const std::string only_header = read_file(path);
  EXPECT_EQ(std::count(only_header.begin(), only_header.end(), '\n'), 3);
}

TEST(WritingCommandFiles, OnlyTheColourOrLayerInForceIsWritten) {
  EXPECT_EQ(body_written(store_of({"SC BAR   3", "SC BAR   5", "LI"})), (Lines{"SC BAR   5", "LI     0     0     0     0"}));
  EXPECT_EQ(body_written(store_of({"LA  2", "LI", "LA  2", "LI"})),
            (Lines{"LA  2", "LI     0     0     0     0", "LI     0     0     0     0"}));
  EXPECT_EQ(body_written(store_of({"CM A", "SC BAR   3", "LA  4"})), (Lines{"CM A", "SC BAR   3"}));  // trailing run
  EXPECT_EQ(body_written(store_of({"CM A", "SC BAR   3", "SC BAR   4"})), (Lines{"CM A"}));
  EXPECT_EQ(body_written(store_of({"SC BAR   3", "CM A", "SC BAR   5", "SC BAR   3", "CM B"})),
            (Lines{"SC BAR   3", "CM A", "CM B"}));
  EXPECT_EQ(body_written(store_of({"LA  2", "SC BAR   3", "LA  4", "CM A"})),
            (Lines{"LA  2", "SC BAR   3", "LA  4", "CM A"}));
  // Mode records go out where they stand and end a colour run.
  EXPECT_EQ(body_written(store_of({"SC BAR   3", "SC MODE RGB", "SC MODE RGB", "CM A"})),
            (Lines{"SC BAR   3", "SC MODE RGB", "SC MODE RGB", "CM A"}));
  EXPECT_EQ(body_written(store_of({"SC BAR   3", "CM A", "SC BAR   3", "CM B", "XXLI", "SC BAR   4", "", "CM C"})),
            (Lines{"SC BAR   3", "CM A", "CM B", "SC BAR   4", "CM C"}));
  // A colour the drawing's mode rejects sets nothing: the one before it
  // stays in force, and is what is written.
  EXPECT_EQ(body_written(store_of({"SC MODE BAR", "SC BAR   5", "SC CIRCL     12.500", "CM A"})),
            (Lines{"SC MODE BAR", "SC BAR   5", "CM A"}));
  EXPECT_EQ(body_written(store_of({"SC MODE GREY", "SC GREY 50", "SC BAR   5", "SC BAR  20", "CM A"})),
            (Lines{"SC MODE GREY", "SC GREY 50", "CM A"}));
  EXPECT_EQ(body_written(store_of({"SC MODE RGB", "SC RGB  1  2  3", "SC RGB 10 20 64", "CM A", "SC RGB  1  2  3", "CM B"})),
            (Lines{"SC MODE RGB", "SC RGB  1  2  3", "CM A", "CM B"}));
  // No mode record: a first palette colour chooses the bar mode.
  EXPECT_EQ(body_written(store_of({"SC BAR   5", "SC BAR  20", "CM A", "SC GREY 50", "CM B"})),
            (Lines{"SC BAR   5", "CM A", "CM B"}));
}

TEST(WritingCommandFiles, EachPlaceNotedReadsBackAsTheRecordWritten) {
  TempDir dir;
  const std::string path = dir.file("out.plv");
  RecordStore as_read;  // records in their stored form, one with a line kept unread
  write_file(path, "p\nGLIMPT\nDATE\nLI     1     0     0     0\nBX   200   2x0   300   300\nCI   1   2   3   4   5   6\n");
  ASSERT_TRUE(read_command_file(path, as_read, kinds()).ok());
  std::vector<RecordStore> stores;
  stores.push_back(std::move(as_read));
  stores.push_back(store_of({"SC BAR   3", "SC BAR   5", "LI", "DELI", "LA  2", "LA  2", "CM A", "LA  4"}));
  stores.push_back(store_of({"SC MODE BAR", "SC BAR   5", "SC CIRCL     12.500", "CM A", "XXLI", "", "CM B"}));
  for (const RecordStore& store : stores) {
    FilePlaces places;
    ASSERT_TRUE(write_command_file(path, {"p", "GLIMPT", "d"}, store, kinds(), &places).ok());
    const std::string written = read_file(path);
    RecordStore read;
    ASSERT_TRUE(read_command_file(path, read, kinds()).ok());
    ASSERT_EQ(places.of_record.size(), static_cast<size_t>(store.count()));
    EXPECT_EQ(places.file_records, read.count());
    long placed = 0;
    for (long n = 1; n <= store.count(); ++n) {
      const long at = places.of_record[static_cast<size_t>(n - 1)];
      if (at == 0) continue;
      ++placed;
      ASSERT_LE(at, read.count());
      const auto line = store.unread_line(store.read(n));
      if (line) EXPECT_EQ(read.unread_line(read.read(at)), line) << written;
      else EXPECT_EQ(read.read(at), store.read(n)) << "record " << n << " of\n" << written;
    }
    EXPECT_GT(placed, 0);
  }
}

TEST(ReadingCommandFiles, AFailedReadLeavesTheStoreWatchedAsItWas) {
  TempDir dir;
  write_file(dir.file("bad.plv"), std::string("p\nLI\0\n", 7));
  struct Counter : StoreWatcher {
    int appended_count = 0;
    void written(long, const Record&, const Record&) override {}
    void appended(long, const Record&) override { ++appended_count; }
    void dropped(long, const Record&) override {}
    void inserted(long, const Record&) override {}
    void removed(long, const Record&) override {}
    void cleared() override {}
  } counter;
  RecordStore store;
  store.watch(&counter);
  EXPECT_FALSE(read_command_file(dir.file("bad.plv"), store, kinds()).ok());
  store.append(Record("CM A"));
  EXPECT_EQ(counter.appended_count, 1);
}

TEST(WritingCommandFiles, UnreadableStoredRecordsAreReportedAndSkipped) {
  RecordStore store = store_of({"LI  garbage", "CM A"});
  std::vector<std::string> lines;
  WriteProblems problems;
  command_file_lines({"p", "s", "d"}, store, kinds(), [&](std::string_view l) { lines.emplace_back(l); }, problems);
  ASSERT_EQ(problems.skipped.size(), 1u);
  EXPECT_EQ(problems.skipped[0].number, 1);
  EXPECT_EQ(lines.back(), "CM A");
}

TEST(WritingCommandFiles, WriteThenReadRoundsAndConverts) {
  TempDir dir;
  const std::string path = dir.file("d.plv");
  write_file(path, "p\nGLIMPT\nDATE:\nST   100   200 10 M ABC\nDELI     1     2     3     4 S\nXXLI\n");
  RecordStore store;
  read_command_file(path, store, kinds());
  Record li;
  li.put_text({1, 2}, "LI");
  li.put(RealField{{3, 12}, RealField::Exponent, 6}, 10.5);
  store.append(li);
  ASSERT_TRUE(write_command_file(path, {"p", "GLIMPT", " 8-DEC-26"}, store, kinds()).ok());
  read_command_file(path, store, kinds());
  EXPECT_EQ(records_of(store)[0].substr(0, 2), "CH");
  EXPECT_EQ(records_of(store)[1], "DELI     1     2     3     4 S");
  EXPECT_EQ(store.read(3).get(RealField{{3, 12}, RealField::Exponent, 6}), 11.0);
  EXPECT_EQ(store.count(), 3);
}

}  // namespace
}  // namespace plv
