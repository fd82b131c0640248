#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <tuple>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "text/safe_file_writer.h"
#include "support/temp_dir.h"

namespace plv {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

constexpr uid_t kOrdinaryUser = 65534;

bool running_as_root() { return ::geteuid() == 0; }

size_t entries_in(const fs::path& dir) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

struct stat info_of(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

struct Saved {
  bool committed = false;
  WriteFailure failure = WriteFailure::kNone;
  std::string error;
  int number = 0;  // not passed back from a child
};

Saved save(const std::string& path, std::string_view text) {
  SafeFileWriter out(path);
  out.write(text);
  const bool committed = out.commit();
  return {committed, out.failure(), out.error(), out.error_number()};
}

// Lets the ordinary user of as_ordinary_user() own `path`.
void hand_over(const std::string& path) {
  if (running_as_root()) {
    ASSERT_EQ(::chown(path.c_str(), kOrdinaryUser, kOrdinaryUser), 0);
  }
}

// Runs `act` in a child process, which drops to an ordinary user when the
// tests run as root, and returns what it reported.
Saved as_ordinary_user(const std::function<Saved()>& act) {
  int ends[2];
  if (::pipe(ends) != 0) return {false, WriteFailure::kNone, "no pipe"};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ends[0]);
    if (running_as_root() &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryUser) != 0 || ::setuid(kOrdinaryUser) != 0)) {
      ::_exit(1);
    }
    const Saved saved = act();
    const std::string report = std::to_string(saved.committed) + std::to_string(int(saved.failure)) + saved.error;
    ::_exit(::write(ends[1], report.data(), report.size()) == ssize_t(report.size()) ? 0 : 1);
  }
  ::close(ends[1]);
  std::string report;
  char chunk[512];
  for (ssize_t n; (n = ::read(ends[0], chunk, sizeof chunk)) > 0;) report.append(chunk, size_t(n));
  ::close(ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.size() < 2) return {false, WriteFailure::kNone, "child failed"};
  return {report[0] == '1', WriteFailure(report[1] - '0'), report.substr(2)};
}

// Writing a file of the size limit's size or more fails with EFBIG, not a signal.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) : old_handler(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{bytes, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, old_handler);
  }
  rlimit old{};
  void (*old_handler)(int);
};

TEST(SafeWriting, ReplacesTheFileKeepingItsModeOwnerAndGroup) {
  TempDir dir;
  const std::string path = dir.file("d.plv");
  write_file(path, "old\n");
  if (running_as_root()) {
    ASSERT_EQ(::chown(path.c_str(), 1234, 5678), 0);
  }
  ASSERT_EQ(::chmod(path.c_str(), running_as_root() ? 02750 : 0640), 0);  // a set-id bit survives the change of owner
  const struct stat before = info_of(path);
  const Saved saved = save(path, "new\n");
  ASSERT_TRUE(saved.committed) << saved.error;
  EXPECT_EQ(read_file(path), "new\n");
  const struct stat after = info_of(path);
  EXPECT_EQ(std::tuple(after.st_mode, after.st_uid, after.st_gid), std::tuple(before.st_mode, before.st_uid, before.st_gid));
  EXPECT_EQ(entries_in(dir.path()), 1u);

  // A new file gets what the umask leaves.
  const mode_t old_mask = ::umask(027);
  const Saved fresh = save(dir.file("new.plv"), "x");
  ::umask(old_mask);
  ASSERT_TRUE(fresh.committed) << fresh.error;
  EXPECT_EQ(info_of(dir.file("new.plv")).st_mode & 07777, 0640u);
}

// Each refused before anything is written, and left as it was.
TEST(SafeWriting, RefusesWhatItMayNotReplace) {
  TempDir dir;
  fs::create_directory(dir.file("sub"));
  write_file(dir.file("sub/inside"), "x");
  // Nobody writes to the FIFO, so opening it would hang the test.
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0666), 0);
  // As root a device of our own, lest a fault replace the system's /dev/null.
  const std::string null_device = running_as_root() ? dir.file("null") : "/dev/null";
  if (running_as_root()) {
    ASSERT_EQ(::mknod(null_device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
  }
  fs::create_symlink("loop", dir.file("loop"));
  // Without any write bit even root leaves a file alone.
  const std::string read_only = dir.file("d.plv");
  write_file(read_only, "old");
  ::chmod(read_only.c_str(), 0444);
  const std::pair<std::string, std::string> refused[] = {
      {"/proc/plivet-test.plv", ""}, {dir.file("no/such/dir/d.plv"), ""},  // "": any message naming the path
      {dir.file("sub"), "is a directory"}, {dir.file("fifo"), "is not a regular file"},
      {null_device, "is not a regular file"}, {dir.file("loop"), "cannot open: Too many levels of symbolic links"},
      {read_only, "the file is read-only"}};
  for (const auto& [target, why] : refused) {
    const mode_t mode = info_of(target).st_mode;
    const Saved saved = save(target, "x");
    EXPECT_FALSE(saved.committed) << target;
    EXPECT_EQ(saved.failure, WriteFailure::kCannotOpen) << target;
    if (why.empty()) {
      EXPECT_NE(saved.error.find(target), std::string::npos) << saved.error;
    } else {
      EXPECT_EQ(saved.error, target + ": " + why);
    }
    EXPECT_EQ(info_of(target).st_mode, mode) << target;
  }
  EXPECT_EQ(read_file(dir.file("sub/inside")), "x");
  EXPECT_EQ(read_file(read_only), "old");
  EXPECT_EQ(entries_in(dir.path()), running_as_root() ? 5u : 4u);
}

// A write failing part-way, like a full disc, leaves the old file whole:
// replaced, or in a folder that takes no new file overwritten in place and
// put back, here past the limit as well.
TEST(SafeWriting, AWriteFailingPartWayAndAFolderThatTakesNoNewFile) {
  TempDir dir;
  hand_over(dir.path());
  const std::string path = dir.file("d.plv"), old_text(8192, 'o');
  write_file(path, old_text);
  hand_over(path);
  const auto too_large = [&] {
    FileSizeLimit limit(4096);
    return save(path, std::string(6000, 'n'));
  };
  const Saved replacing = too_large();
  EXPECT_EQ(replacing.number, EFBIG);
  ::chmod(dir.path().c_str(), 0555);
  for (const Saved& failed : {replacing, as_ordinary_user(too_large)}) {
    EXPECT_FALSE(failed.committed);
    EXPECT_EQ(failed.failure, WriteFailure::kCannotWrite);
    EXPECT_EQ(failed.error, path + ": cannot write: File too large");
  }
  EXPECT_EQ(read_file(path), old_text);

  const ino_t inode = info_of(path).st_ino;
  const Saved saved = as_ordinary_user([&] { return save(path, "new\n"); });
  EXPECT_TRUE(saved.committed) << saved.error;
  EXPECT_EQ(read_file(path), "new\n");
  EXPECT_EQ(info_of(path).st_ino, inode);

  const Saved fresh = as_ordinary_user([&] { return save(dir.file("new.plv"), "x"); });
  EXPECT_EQ(fresh.failure, WriteFailure::kCannotOpen);
  EXPECT_NE(fresh.error.find("Permission denied"), std::string::npos) << fresh.error;
  EXPECT_EQ(entries_in(dir.path()), 1u);  // nothing half-written left
}

TEST(SafeWriting, WritesThroughSymbolicLinksToTheirTarget) {
  TempDir dir;
  fs::create_directory(dir.file("sub"));
  const std::string real = dir.file("sub/real.plv");
  write_file(real, "old");
  fs::create_symlink(real, dir.file("absolute"));
  fs::create_symlink("absolute", dir.file("chain"));
  fs::create_symlink("sub/real.plv", dir.file("relative"));
  fs::create_symlink("../sub/later.plv", dir.file("sub/to-missing"));
  for (const std::string link : {"absolute", "chain", "relative"}) {
    const Saved saved = save(dir.file(link), link);
    ASSERT_TRUE(saved.committed) << saved.error;
    EXPECT_EQ(read_file(real), link);
    EXPECT_TRUE(fs::is_symlink(dir.file(link)));
  }
  ASSERT_TRUE(save(dir.file("sub/to-missing"), "made").committed);
  EXPECT_EQ(read_file(dir.file("sub/later.plv")), "made");
  EXPECT_TRUE(fs::is_symlink(dir.file("sub/to-missing")));
  EXPECT_EQ(entries_in(dir.file("sub")), 3u);
}

TEST(SafeWriting, AnOrdinaryUserTakesOverNoFile) {
  if (!running_as_root()) GTEST_SKIP() << "needs root to give files away";
  TempDir dir;
  // A group member saving root's file may not take it over.
  hand_over(dir.path());
  const std::string shared = dir.file("shared.plv");
  write_file(shared, "old");
  ASSERT_EQ(::chown(shared.c_str(), 0, kOrdinaryUser), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 0664), 0);
  const Saved saved = as_ordinary_user([&] { return save(shared, "new"); });
  EXPECT_TRUE(saved.committed) << saved.error;
  EXPECT_EQ(read_file(shared), "new");
  EXPECT_EQ(std::pair(info_of(shared).st_uid, info_of(shared).st_gid), std::pair(0u, kOrdinaryUser));

  // Someone else's file is not replaced even though the folder could take it.
  const std::string others = dir.file("others.plv");
  write_file(others, "theirs");
  const Saved foreign = as_ordinary_user([&] { return save(others, "mine"); });
  EXPECT_EQ(foreign.error, others + ": the file is read-only");
  EXPECT_EQ(read_file(others), "theirs");
  EXPECT_EQ(info_of(others).st_uid, 0u);
  EXPECT_EQ(entries_in(dir.path()), 2u);
}

TEST(SafeWriting, ASaveKilledPartWayLeavesNoTemporaryFile) {
  TempDir dir;
  const std::string path = dir.file("d.plv");
  write_file(path, "old");
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    SafeFileWriter out(path);
    out.write(std::string(8 << 20, 'x'));  // well past what the writer holds in memory
    if (!out.ok() || ::write(ends[1], "w", 1) != 1) ::_exit(1);
    for (;;) ::pause();
  }
  ::close(ends[1]);
  char written = 0;
  EXPECT_EQ(::read(ends[0], &written, 1), 1);  // 0 if the child could not write
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(ends[0]);
  EXPECT_EQ(read_file(path), "old");
  EXPECT_EQ(entries_in(dir.path()), 1u);
}

}  // namespace
}  // namespace plv
