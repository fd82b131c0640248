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

// Anything but a regular file is refused without blocking on it.
TEST(RegularFile, ReadsOnlyWholeRegularFilesWithinTheLimit) {
  TempDir dir;
  write_file(dir.file("ok"), "line\r\nmore");
  fs::create_symlink("nothing-here", dir.file("dangling"));
  fs::create_directory(dir.file("sub"));
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0666), 0);
  fs::create_symlink("/dev/zero", dir.file("zero-link"));
  fs::create_symlink("fifo", dir.file("fifo-link"));
  const std::string kMissing = "No such file or directory", kOther = "is not a regular file";
  const struct {
    std::string path;
    size_t limit;
    std::string text, why;
    bool missing = false;
  } cases[] = {{dir.file("ok"), 10, "line\r\nmore", ""}, {dir.file("ok"), 9, "", "is larger than 9 bytes"},
               {dir.file("none"), 10, "", kMissing, true}, {dir.file("dangling"), 10, "", kMissing, true},
               {dir.file("sub"), 100, "", "is a directory"}, {dir.file("fifo"), 100, "", kOther},
               {dir.file("fifo-link"), 100, "", kOther}, {"/dev/zero", 100, "", kOther},
               {dir.file("zero-link"), 100, "", kOther}};
  for (const auto& c : cases) {
    const SmallFile file = read_small_regular_file(c.path, c.limit);
    EXPECT_EQ(file.text, c.text) << c.path;
    EXPECT_EQ(file.error, c.why.empty() ? "" : c.path + ": " + c.why);
    EXPECT_EQ(file.missing, c.missing) << c.path;
  }
}

}  // namespace
}  // namespace plv
