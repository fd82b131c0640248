#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "text/regular_file.h"
#include "support/temp_dir.h"

namespace plv {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::write_file;

TEST(RegularFile, ReadsWholeRegularFilesWithinTheLimit) {
  TempDir dir;
  write_file(dir.file("ok"), "line\r\nmore");
  const SmallFile ok = read_small_regular_file(dir.file("ok"), 10);
  EXPECT_EQ(ok.text, "line\r\nmore");
  EXPECT_EQ(ok.error, "");
  EXPECT_FALSE(ok.missing);

  const SmallFile large = read_small_regular_file(dir.file("ok"), 9);
  EXPECT_EQ(large.text, "");
  EXPECT_EQ(large.error, dir.file("ok") + ": is larger than 9 bytes");

  fs::create_symlink("nothing-here", dir.file("dangling"));
  for (const std::string& path : {dir.file("none"), dir.file("dangling")}) {
    const SmallFile missing = read_small_regular_file(path, 10);
    EXPECT_TRUE(missing.missing) << path;
    EXPECT_NE(missing.error, "");
  }
}

TEST(RegularFile, RefusesAnythingElseWithoutBlocking) {
  TempDir dir;
  fs::create_directory(dir.file("sub"));
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0666), 0);
  fs::create_symlink("/dev/zero", dir.file("zero-link"));
  fs::create_symlink("fifo", dir.file("fifo-link"));
  EXPECT_EQ(read_small_regular_file(dir.file("sub"), 100).error, dir.file("sub") + ": is a directory");
  for (const std::string& path : {dir.file("fifo"), dir.file("fifo-link"), std::string("/dev/zero"), dir.file("zero-link")}) {
    const SmallFile file = read_small_regular_file(path, 100);
    EXPECT_EQ(file.error, path + ": is not a regular file");
    EXPECT_EQ(file.text, "");
    EXPECT_FALSE(file.missing);
  }
}

}  // namespace
}  // namespace plv
