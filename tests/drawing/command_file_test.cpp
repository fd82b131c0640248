// Graphics command files read and written: a drawing is read whole or not
// at all, lines that cannot be read are kept as they stood, and nothing is
// written that could not be read back.

#include "drawing/command_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <optional>
#include <vector>

#include "drawing/drawing_fixture.h"
#include "drawing/record_layout.h"
#include "drawing/today.h"
#include "kinds/circle.h"
#include "kinds/registry.h"
#include "support/temp_dir.h"

namespace plv {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;
using Lines = std::vector<std::string>;

constexpr const char* kHeader =
    "/d/a.plv                                                                        \n"
    "GLIMPT EP      17.36      1.000 D M P   \n"
    "DATE:  8-DEC-26\n";

CommandFileRead read_text(const std::string& text, RecordStore& store) {
  TempDir dir;
  write_file(dir.file("a.plv"), text);
  return read_command_file(dir.file("a.plv"), store, kinds());
}

// The file the writer makes of the store, under kHeader; what it left out in `problems`.
std::string written(const RecordStore& store, WriteProblems* problems = nullptr) {
  std::string out;
  WriteProblems found;
  command_file_lines({"/d/a.plv", "GLIMPT EP      17.36      1.000 D M P", " 8-DEC-26"}, store, kinds(),
                     [&](std::string_view line) { (out += line) += '\n'; }, problems ? *problems : found);
  return out;
}

TEST(ReadingCommandFiles, UnreadableLinesAreKeptInTheirPlaceUnknownOnesCountedLongOnesCut) {
  const std::string body =
      "SC MODE BAR\n"
      "LI   1x0   200   300   400 S   \n"        // not a number; trailing blanks kept
      "LI   100   200   300   400 S\n"
      "RF1.E+09   200   300   400  0\n"          // a real larger than the file form holds
      "CI     1     2     3     4     5     6\n";
  RecordStore store;
  const CommandFileRead read = read_text(kHeader + body, store);
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_EQ(read.unread.size(), 2u);
  EXPECT_EQ(read.unread[0].number, 5);
  EXPECT_EQ(read.unread[1].number, 7);
  EXPECT_NE(read.unread[1].problem.find("does not fit"), std::string::npos) << read.unread[1].problem;
  ASSERT_EQ(store.count(), 5);
  EXPECT_TRUE(is_unread(store.read(2)));
  EXPECT_EQ(store.unread_line(store.read(2)), "LI   1x0   200   300   400 S   ");
  EXPECT_FALSE(store.unread_line(store.read(3)));
  EXPECT_EQ(written(store), kHeader + body);

  // Clearing the store forgets the kept lines with the records.
  store.clear();
  store.append(Record("CM"));
  EXPECT_EQ(store.unread_count(), 0);

  // Lines with unknown codes are counted, blank lines are not.
  const CommandFileRead unknown =
      read_text(std::string(kHeader) + "CM A\n\n    \n LI   1   2   3   4\nli   1   2   3   4\nZZ OTHER\nXXLI\n", store);
  ASSERT_TRUE(unknown.ok());
  EXPECT_EQ(unknown.unknown.count, 4);
  EXPECT_EQ(unknown.unknown.first, 7);
  EXPECT_EQ(written(store), std::string(kHeader) + "CM A\n");

  // Past column 122 only what is not blank is lost, and so counted.
  const std::string comment = "CM " + std::string(119, 'C');
  const CommandFileRead long_lines =
      read_text(std::string(kHeader) + comment + "    \n" + comment + "MORE\n" + comment + "\n" + comment + " X\n", store);
  ASSERT_TRUE(long_lines.ok());
  EXPECT_EQ(long_lines.cut.count, 2);
  EXPECT_EQ(long_lines.cut.first, 5);
}

TEST(ReadingCommandFiles, ALargeDrawingIsReadInOrderWhateverConvertsIt) {
  // Enough lines for several batches, each shared out between threads: every
  // record lands in its place, and the lines kept unread and the unknown
  // ones are told in the file's order.
  std::string body, kept;  // kept: the lines written back
  std::vector<long> unread_lines, unknown_lines;
  for (long n = 4; n < 140'004; ++n) {
    if (n % 9973 != 0 && n % 7919 == 0) {
      body += "ZZ ANOTHER PROGRAM'S RECORD\n";
      unknown_lines.push_back(n);
      continue;
    }
    if (n % 9973 == 0) unread_lines.push_back(n);
    const std::string line = n % 9973 == 0 ? "LI   1x0   200   300   400 S\n" : "CM LINE " + std::to_string(n) + "\n";
    body += line;
    kept += line;
  }
  RecordStore store;
  const CommandFileRead read = read_text(kHeader + body, store);
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_EQ(read.unread.size(), unread_lines.size());
  for (size_t i = 0; i < unread_lines.size(); ++i) EXPECT_EQ(read.unread[i].number, unread_lines[i]);
  EXPECT_EQ(read.unknown.count, static_cast<long>(unknown_lines.size()));
  EXPECT_EQ(read.unknown.first, unknown_lines.front());
  ASSERT_EQ(store.count(), 140'000);
  EXPECT_EQ(store.read(100'000 - 3).trimmed(), "CM LINE 100000");

  EXPECT_EQ(written(store), kHeader + kept);
}

// The first three lines are the header whatever they hold; the setup
// line is kept when the second starts as one.
TEST(ReadingCommandFiles, HeaderLineEndsAndLongLines) {
  const std::string setup_wp = "GLIMPT WP       1.00      1.000 T M L";
  const struct {
    std::string text;
    std::optional<std::string> setup;
    Lines records;
  } cases[] = {
      {"/some/where/a.plv\nGLIMPT PR      10.00      2.000 H C L\nDATE:  8-DEC-26\nSC MODE BAR\n"
       "GLIMPT EP      17.36      1.000 D M P\nDATE: 1-JAN-99\n\nLI   100   200   300   400 S\n",
       "GLIMPT PR      10.00      2.000 H C L   ",
       {"SC MODE BAR", "", "LI0.100000E+030.200000E+030.300000E+030.400000E+03 S"}},
      {"CM LOST\nCM KEPT 2\nCM KEPT 3\nCM KEPT 4\n", std::nullopt, {"CM KEPT 2", "CM KEPT 3", "CM KEPT 4"}},
      {"", std::nullopt, {}},
      {kHeader, "GLIMPT EP      17.36      1.000 D M P   ", {}},
      {"only the path", std::nullopt, {}},
      // Unterminated, and at every kind of line end. CR LF is one line end;
      // CR CR LF is a line end and an empty line.
      {"p\r\n" + setup_wp + "\r\nDATE:  1-MAR- 5\r\nCM ONE\r\nCM TWO", setup_wp + "   ", {"CM ONE", "CM TWO"}},
      {"p\r" + setup_wp + "\rDATE:\rCM ONE\rCM TWO\r", setup_wp + "   ", {"CM ONE", "CM TWO"}},
      {"p\r\nGLIMPT\r\nDATE:\r\nCM ONE\r\r\nCM TWO", "GLIMPT" + std::string(34, ' '), {"CM ONE", "", "CM TWO"}},
      {"p\nGLIMPT\nDATE:\nCM" + std::string(200, 'z') + "\n", "GLIMPT" + std::string(34, ' '),
       {"CM" + std::string(120, 'z')}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RecordStore store;
    store.append(Record("CM LEFT OVER"));
    const CommandFileRead read = read_text(c.text, store);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.setup_line, c.setup);
    EXPECT_EQ(records_of(store), c.records);
  }
}

TEST(ReadingCommandFiles, WhatIsNotAGraphicsCommandFileIsRefusedAndLeavesNothing) {
  const struct {
    std::string text;
    ReadOutcome outcome;
    const char* because;
  } cases[] = {
      {std::string("\xFF\xFE", 2) + std::string("p\0\n\0", 4), ReadOutcome::kNotACommandFile, "UTF-16"},
      {std::string(kHeader) + std::string("CM A\0B\n", 7), ReadOutcome::kNotACommandFile, "NUL"},
      {"# notes\nsome text\nmore text\n", ReadOutcome::kNotACommandFile, "no line"},
      {std::string(kHeader) + std::string(5000, 'C') + "\n", ReadOutcome::kNotACommandFile, "longer than"},
  };
  for (const auto& c : cases) {
    RecordStore store;
    store.append(Record("CM LEFT FROM BEFORE"));
    const CommandFileRead read = read_text(c.text, store);
    EXPECT_EQ(read.outcome, c.outcome) << c.because;
    EXPECT_NE(read.error.find(c.because), std::string::npos) << read.error;
    EXPECT_EQ(store.count(), 0);
  }
  // Only regular files are read: nothing waits on a FIFO or reads a device forever.
  TempDir dir;
  RecordStore store;
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  for (const std::string& path : {dir.file("fifo"), std::string("/dev/zero"), dir.path().string(), dir.file("absent")}) {
    const CommandFileRead read = read_command_file(path, store, kinds());
    EXPECT_EQ(read.outcome, ReadOutcome::kCannotOpen) << path;
    EXPECT_FALSE(read.error.empty());
  }
}

// Gives its text in small pieces, then fails.
class FailingSource final : public ByteSource {
 public:
  explicit FailingSource(std::string text) : text_(std::move(text)) {}
  long read(char* out, size_t size) override {
    if (at_ == text_.size()) return -1;
    const size_t n = std::min<size_t>({size, 7, text_.size() - at_});
    std::memcpy(out, text_.data() + at_, n);
    at_ += n;
    return static_cast<long>(n);
  }
  std::string error() const override { return "Input/output error"; }

 private:
  std::string text_;
  size_t at_ = 0;
};

// Neither a read that fails part way nor one refused leaves anything, and
// the store is watched as it was before.
TEST(ReadingCommandFiles, AReadThatFailsHoldsNothingAndLeavesTheStoreWatched) {
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
  LineReader in(std::make_unique<FailingSource>(std::string(kHeader) + "CM ONE\nCM TWO\nCM THR"));
  const CommandFileRead read = read_command_file(in, store, kinds());
  EXPECT_EQ(read.outcome, ReadOutcome::kReadFailed);
  EXPECT_EQ(read.error, "Input/output error");
  EXPECT_EQ(store.count(), 0);
  EXPECT_FALSE(read_text(std::string("p\nLI\0\n", 7), store).ok());
  store.append(Record("CM A"));
  EXPECT_EQ(counter.appended_count, 1);
}

TEST(WritingCommandFiles, RecordsThatCannotBeWrittenAreNamedAndValuesTooLargeStopTheWrite) {
  TempDir dir;
  const std::string path = dir.file("d.plv");
  write_file(path, "the old drawing\n");
  RecordStore store;
  store.append(Record("CM A"));
  Record circle;
  circle.put_text(layout::kCode, "CI");
  for (const RealField f : layout::stored::circle::kValues) circle.put(f, 1);
  circle.put(layout::stored::circle::kEndX, 1234567.0);  // an I6 holds at most 999999
  store.append(circle);
  store.append(circle);

  const CommandFileWrite w = write_command_file(path, {"p", "GLIMPT", " 8-DEC-26"}, store, kinds());
  EXPECT_EQ(w.outcome, WriteOutcome::kValuesTooLarge);
  ASSERT_EQ(w.problems.too_large.size(), 2u);
  EXPECT_EQ(w.problems.too_large[0].number, 2);
  EXPECT_NE(w.error.find("record 2: the value 1234570 does not fit columns 27-32"), std::string::npos) << w.error;
  EXPECT_EQ(read_file(path), "the old drawing\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  // Far into a large drawing, converted ahead by several threads: still
  // named by its own record number.
  RecordStore large;
  for (long n = 1; n < 100'000; ++n) large.append(Record("CM"));
  large.append(circle);
  large.append(Record("LI  garbage"));
  const CommandFileWrite w2 = write_command_file(path, {"p", "GLIMPT", " 8-DEC-26"}, large, kinds());
  ASSERT_EQ(w2.problems.too_large.size(), 1u);
  EXPECT_EQ(w2.problems.too_large[0].number, 100'000);
  ASSERT_EQ(w2.problems.skipped.size(), 1u);
  EXPECT_EQ(w2.problems.skipped[0].number, 100'001);
  EXPECT_EQ(read_file(path), "the old drawing\n");

  // Stored fields that cannot be read leave their record out, and are told.
  WriteProblems problems;
  EXPECT_EQ(written(store_of({"LI  garbage", "CM A"}), &problems), kHeader + std::string("CM A\n"));
  ASSERT_EQ(problems.skipped.size(), 1u);
  EXPECT_EQ(problems.skipped[0].number, 1);
}

// Each drawing's records, and the lines written after the header (at its
// full widths, as kHeader holds it): only the colour or layer in force goes
// out, blank and unknown records never.
TEST(WritingCommandFiles, OnlyTheColourOrLayerInForceIsWritten) {
  const std::pair<Lines, Lines> cases[] = {
      {{}, {}},
      {{"CM HELLO", "", "XXLI", "SC MODE BAR"}, {"CM HELLO", "SC MODE BAR"}},
      {{"SC BAR   3", "SC BAR   5", "LI"}, {"SC BAR   5", "LI     0     0     0     0"}},
      {{"LA  2", "LI", "LA  2", "LI"}, {"LA  2", "LI     0     0     0     0", "LI     0     0     0     0"}},
      {{"CM A", "SC BAR   3", "LA  4"}, {"CM A", "SC BAR   3"}},  // trailing run
      {{"CM A", "SC BAR   3", "SC BAR   4"}, {"CM A"}},
      {{"SC BAR   3", "CM A", "SC BAR   5", "SC BAR   3", "CM B"}, {"SC BAR   3", "CM A", "CM B"}},
      {{"LA  2", "SC BAR   3", "LA  4", "CM A"}, {"LA  2", "SC BAR   3", "LA  4", "CM A"}},
      // Mode records go out where they stand and end a colour run.
      {{"SC BAR   3", "SC MODE RGB", "SC MODE RGB", "CM A"}, {"SC BAR   3", "SC MODE RGB", "SC MODE RGB", "CM A"}},
      {{"SC BAR   3", "CM A", "SC BAR   3", "CM B", "XXLI", "SC BAR   4", "", "CM C"},
       {"SC BAR   3", "CM A", "CM B", "SC BAR   4", "CM C"}},
      // A colour the drawing's mode rejects sets nothing: the one before it
      // stays in force, and is what is written.
      {{"SC MODE BAR", "SC BAR   5", "SC CIRCL     12.500", "CM A"}, {"SC MODE BAR", "SC BAR   5", "CM A"}},
      {{"SC MODE GREY", "SC GREY 50", "SC BAR   5", "SC BAR  20", "CM A"}, {"SC MODE GREY", "SC GREY 50", "CM A"}},
      {{"SC MODE RGB", "SC RGB  1  2  3", "SC RGB 10 20 64", "CM A", "SC RGB  1  2  3", "CM B"},
       {"SC MODE RGB", "SC RGB  1  2  3", "CM A", "CM B"}},
      // No mode record: a first palette colour chooses the bar mode.
      {{"SC BAR   5", "SC BAR  20", "CM A", "SC GREY 50", "CM B"}, {"SC BAR   5", "CM A", "CM B"}},
  };
  for (const auto& [records, kept] : cases) {
    std::string expected = kHeader;
    for (const std::string& line : kept) (expected += line) += '\n';
    WriteProblems problems;
    EXPECT_EQ(written(store_of(records), &problems), expected);
    EXPECT_TRUE(problems.skipped.empty() && problems.too_large.empty());
  }
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

TEST(TodayDate, DayMonthAndTwoDigitYear) {
  for (const auto& [day, month, year, text] : {std::tuple{8, 12, 2026, " 8-DEC-26"}, {1, 3, 2005, " 1-MAR- 5"},
                                               {31, 1, 1999, "31-JAN-99"}, {15, 6, 2000, "15-JUN- 0"}})
    EXPECT_EQ(date_text(day, month, year), text);
  EXPECT_EQ(today_date_text().size(), 9u);
}

}  // namespace
}  // namespace plv
