#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "core/command_file.h"
#include "core/safe_file_writer.h"
#include "support/temp_dir.h"

namespace plv {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

size_t entries_in(const fs::path& dir) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

RecordStore big_drawing() {
  RecordStore store;
  for (int i = 0; i < 5000; ++i) store.append(Record("CM A COMMENT THAT TAKES SOME ROOM IN THE FILE"));
  return store;
}

TEST(SafeWriting, ReplacesTheFileKeepingItsPermissions) {
  TempDir dir;
  const std::string path = dir.file("d.plv");
  write_file(path, "old\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  SafeFileWriter out(path);
  out.write_line("new");
  ASSERT_TRUE(out.commit()) << out.error();
  EXPECT_EQ(read_file(path), "new\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries_in(dir.path()), 1u);
}

TEST(SafeWriting, FailuresLeaveTheOldFileAlone) {
  TempDir dir;
  RecordStore store = big_drawing();
  const CommandFileHeader header{"p", "GLIMPT", " 8-DEC-26"};

  // The directory cannot be written (not even by root) or does not exist.
  for (const std::string& target : {std::string("/proc/plivet-test.plv"), dir.file("no/such/dir/d.plv")}) {
    const CommandFileWrite w = write_command_file(target, header, store);
    EXPECT_FALSE(w.written);
    EXPECT_NE(w.error.find(target), std::string::npos) << w.error;
  }

  // The target is a directory.
  fs::create_directory(dir.file("sub"));
  write_file(dir.file("sub/inside"), "x");
  const CommandFileWrite onto_dir = write_command_file(dir.file("sub"), header, store);
  EXPECT_FALSE(onto_dir.written);
  EXPECT_NE(onto_dir.error.find("directory"), std::string::npos) << onto_dir.error;
  EXPECT_EQ(read_file(dir.file("sub/inside")), "x");
}

TEST(SafeWriting, AWriteThatFailsPartWayLikeAFullDisc) {
  TempDir dir;
  const std::string path = dir.file("d.plv");
  write_file(path, "the old drawing\n");
  const size_t before = entries_in(dir.path());

  rlimit old_limit{};
  getrlimit(RLIMIT_FSIZE, &old_limit);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old_limit;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const CommandFileWrite w = write_command_file(path, {"p", "GLIMPT", " 8-DEC-26"}, big_drawing());
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(w.written);
  EXPECT_NE(w.error.find("write failed"), std::string::npos) << w.error;
  EXPECT_EQ(read_file(path), "the old drawing\n");
  EXPECT_EQ(entries_in(dir.path()), before);  // the half-written file is gone
}

}  // namespace
}  // namespace plv
