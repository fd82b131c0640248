// A drawing is read whole or not at all, lines that cannot be read are kept
// as they stood, and nothing is written that could not be read back.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <vector>

#include "drawing/command_file.h"
#include "drawing/record_layout.h"
#include "kinds/circle.h"
#include "kinds/registry.h"
#include "support/temp_dir.h"

namespace plv {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::write_file;

constexpr const char* kHeader =
    "/d/a.plv                                                                        \n"
    "GLIMPT EP      17.36      1.000 D M P   \n"
    "DATE:  8-DEC-26\n";

CommandFileRead read_text(const std::string& text, RecordStore& store) {
  TempDir dir;
  write_file(dir.file("a.plv"), text);
  return read_command_file(dir.file("a.plv"), store, kinds());
}

std::string written(const RecordStore& store) {
  std::string out;
  WriteProblems problems;
  command_file_lines({"/d/a.plv", "GLIMPT EP      17.36      1.000 D M P", " 8-DEC-26"}, store, kinds(),
                     [&](std::string_view line) { (out += line) += '\n'; }, problems);
  return out;
}

TEST(LosslessReading, LinesThatCannotBeReadAreKeptInTheirPlaceAndWrittenBackAsTheyStood) {
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
}

TEST(LosslessReading, ALargeDrawingIsReadInOrderWhateverConvertsIt) {
  // Enough lines for several batches, each shared out between threads: every
  // record lands in its place, and the lines kept unread and the unknown
  // ones are told in the file's order.
  std::string body;
  std::vector<long> unread_lines, unknown_lines;
  for (long n = 4; n < 140'004; ++n) {
    if (n % 9973 == 0) {
      body += "LI   1x0   200   300   400 S\n";
      unread_lines.push_back(n);
    } else if (n % 7919 == 0) {
      body += "ZZ ANOTHER PROGRAM'S RECORD\n";
      unknown_lines.push_back(n);
    } else {
      body += "CM LINE " + std::to_string(n) + "\n";
    }
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

  std::string expected = kHeader;
  for (long n = 4; n < 140'004; ++n)
    if (n % 9973 == 0 || n % 7919 != 0) expected += n % 9973 == 0 ? "LI   1x0   200   300   400 S\n" : "CM LINE " + std::to_string(n) + "\n";
  EXPECT_EQ(written(store), expected);
}

TEST(LosslessReading, LinesWithUnknownCodesAreCountedBlankLinesAreNot) {
  RecordStore store;
  const CommandFileRead read =
      read_text(std::string(kHeader) + "CM A\n\n    \n LI   1   2   3   4\nli   1   2   3   4\nZZ OTHER\nXXLI\n", store);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.unknown.count, 4);
  EXPECT_EQ(read.unknown.first, 7);
  EXPECT_EQ(written(store), std::string(kHeader) + "CM A\n");

  // Past column 122 only what is not blank is lost, and so counted.
  const std::string comment = "CM " + std::string(119, 'C');
  const CommandFileRead long_lines =
      read_text(std::string(kHeader) + comment + "    \n" + comment + "MORE\n" + comment + "\n" + comment + " X\n", store);
  ASSERT_TRUE(long_lines.ok());
  EXPECT_EQ(long_lines.cut.count, 2);
  EXPECT_EQ(long_lines.cut.first, 5);
}

TEST(LosslessReading, LineEndsOfEveryKind) {
  RecordStore store;
  ASSERT_TRUE(read_text("p\rGLIMPT WP       1.00      1.000 T M L\rDATE:\rCM ONE\rCM TWO\r", store).ok());
  EXPECT_EQ(store.count(), 2);
  EXPECT_EQ(store.read(2).trimmed(), "CM TWO");

  // CR LF is one line end; CR CR LF is a line end and an empty line.
  ASSERT_TRUE(read_text("p\r\nGLIMPT\r\nDATE:\r\nCM ONE\r\r\nCM TWO", store).ok());
  EXPECT_EQ(store.count(), 3);
  EXPECT_TRUE(store.read(2).is_blank());
  EXPECT_EQ(store.read(3).trimmed(), "CM TWO");
}

TEST(LosslessReading, WhatIsNotAGraphicsCommandFileIsRefusedAndLeavesNothing) {
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
  // A header alone, or nothing at all, is an empty drawing.
  RecordStore store;
  EXPECT_TRUE(read_text(kHeader, store).ok());
  EXPECT_TRUE(read_text("", store).ok());

  // Only regular files are read: nothing waits on a FIFO or reads a device forever.
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  for (const std::string& path : {dir.file("fifo"), std::string("/dev/zero"), dir.path().string()}) {
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

TEST(LosslessReading, AReadThatFailsPartWayHoldsNothing) {
  LineReader in(std::make_unique<FailingSource>(std::string(kHeader) + "CM ONE\nCM TWO\nCM THR"));
  RecordStore store;
  const CommandFileRead read = read_command_file(in, store, kinds());
  EXPECT_EQ(read.outcome, ReadOutcome::kReadFailed);
  EXPECT_EQ(read.error, "Input/output error");
  EXPECT_EQ(store.count(), 0);
}

TEST(HonestWriting, ValuesTheFileCannotHoldStopTheWriteAndNameTheRecord) {
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
}

}  // namespace
}  // namespace plv
