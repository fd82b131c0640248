// Buffer files on disc: what is written of each kind of buffer record, a
// write refused whole, and what reading keeps of every line.

#include "editor/buffer/buffer_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kinds/registry.h"
#include "support/temp_dir.h"

namespace plv::buffer {
namespace {

using testing::read_file;
using testing::write_file;
using Lines = std::vector<std::string>;

RecordStore store_of(const Lines& lines) {
  RecordStore store;
  for (const std::string& line : lines) store.append(Record(line));
  return store;
}

BufferFileWrite write(const std::string& path, const RecordStore& buffer) {
  SafeFileWriter out(path);
  return write_buffer_file(out, "dir/b.buf", buffer, kinds());
}

BufferFileRead read(const std::string& path) {
  LineReader in(path);
  return read_buffer_file(in, kinds());
}

TEST(BufferFile, WritesWhatTheFileFormHoldsOrNothingAtAll) {
  testing::TempDir dir;
  const std::string path = dir.file("b.buf");
  // Blank, removed and unknown-code records and a string without text give no line.
  ASSERT_TRUE(write(path, store_of({"SC BAR   5", "", "LI0.100000E+030.200000E+03-.305000E+030.400000E+03 S", "XX gone",
                                    "GLIMPT EP      17.36", "CH0.100000E+030.200000E+03",
                                    "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S"}))
                  .ok());
  const std::string first = "dir/b.buf" + std::string(71, ' ') +
                            "\nSC BAR   5\nLI   100   200  -305   400 S\n"
                            "DELI0.000000E+000.000000E+000.100000E+030.000000E+00 S\n";
  EXPECT_EQ(read_file(path), first);

  // A value too large for its file field would be written as asterisks.
  const BufferFileWrite refused =
      write(path, store_of({"SC BAR   5", "LI0.100000E+080.200000E+030.300000E+030.400000E+03 S"}));
  EXPECT_EQ(refused.outcome, WriteOutcome::kValuesTooLarge);
  ASSERT_EQ(refused.problems.too_large.size(), 1u);
  EXPECT_EQ(refused.problems.too_large.front().number, 2);
  EXPECT_EQ(read_file(path), first);
}

TEST(BufferFile, ReadingKeepsARecordForEveryLineOrFailsWhole) {
  testing::TempDir dir;
  const std::string path = dir.file("d.plv");
  write_file(path,
             "d.plv\nGLIMPT EP      17.36      1.000 D M P\nDATE:  1-JAN-26\nSC BAR   5\n\n"
             "LI   1x0   200   300   400 S\nLI   100   200   300   400 S");
  const BufferFileRead got = read(path);
  ASSERT_TRUE(got.ok()) << got.error;
  Lines records;
  for (long n = 1; n <= got.records.count(); ++n) records.emplace_back(got.records.read(n).trimmed());
  EXPECT_EQ(records, (Lines{"", "", "SC BAR   5", "", "", "LI0.100000E+030.200000E+030.300000E+030.400000E+03 S"}));
  EXPECT_EQ(got.unreadable.count, 1);
  EXPECT_EQ(got.unreadable.first, 6);

  for (const std::string& bad : {std::string(LineReader::kMaxLineLength + 1, 'L'), std::string("LI\0\0", 4)}) {
    write_file(path, "p\nSC BAR   5\n" + bad + "\n");
    const BufferFileRead failed = read(path);
    EXPECT_NE(failed.error.find("line 3"), std::string::npos) << failed.error;
    EXPECT_EQ(failed.records.count(), 0);
  }
}

}  // namespace
}  // namespace plv::buffer
