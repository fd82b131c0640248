#include "text/safe_file_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plv {
namespace {

constexpr size_t kBufferSize = 1 << 20;
constexpr int kMostLinksFollowed = 40;
constexpr int kNamingAttempts = 100;

std::string directory_of(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// `name` in the same directory as `path`.
std::string beside(const std::string& path, const std::string& name) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? name : path.substr(0, slash + 1) + name;
}

std::string with_cause(const std::string& what, int number) { return what + ": " + std::strerror(number); }

// Where the symbolic link at `path` points; errno tells why when it cannot be read.
bool read_link(const std::string& path, std::string& text) {
  text.assign(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), text.data(), text.size());
    if (n < 0) return false;
    if (static_cast<size_t>(n) < text.size()) {
      text.resize(static_cast<size_t>(n));
      return true;
    }
    text.resize(text.size() * 2);
  }
}

struct FollowedPath {
  std::string path;
  int error = 0;
};

// The file that symbolic links at the end of `path` lead to, which need not
// exist yet. Links inside the directory part are the kernel's business.
FollowedPath follow_links(std::string path) {
  std::string text;
  for (int followed = 0;; ++followed) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {path, 0};
    if (followed == kMostLinksFollowed) return {path, ELOOP};
    if (!read_link(path, text)) return {path, errno};
    path = text.starts_with('/') ? text : beside(path, text);
  }
}

// Read rather than set and reset, which would race with threads creating files.
mode_t current_umask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("Umask:")) return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// A name no other file in the directory is likely to have, hidden from listings.
std::string hidden_name_beside(const std::string& path) {
  std::random_device random;
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
  return beside(path, "." + name_of(path) + suffix);
}

bool no_unnamed_files_here(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }
bool directory_refuses_files(int error) { return error == EACCES || error == EPERM || error == EROFS; }

int open_named_temporary(const std::string& path, std::string& temp_path) {
  std::string pattern = beside(path, "." + name_of(path) + ".XXXXXX");
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd >= 0) temp_path = pattern;
  return fd;
}

// Gives the unnamed file open as `fd` the name `name`; errno says why not.
bool link_unnamed(int fd, const std::string& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
  // Without /proc only a privileged process can still do it.
  return errno == ENOENT && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
}

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Writes `bytes` from the start of the file, counting in `done` how many got there.
bool write_all_from_start(int fd, std::string_view bytes, size_t& done) {
  done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool read_all(int fd, std::string& text) {
  char chunk[65536];
  text.clear();
  for (;;) {
    const ssize_t n = ::pread(fd, chunk, sizeof chunk, static_cast<off_t>(text.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    text.append(chunk, static_cast<size_t>(n));
  }
}

// Claims room for `size` bytes so that a full disc shows before any byte
// changes; 0 also where the file system cannot say in advance.
int reserve(int fd, size_t size) {
  if (size == 0) return 0;
  const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
  return error == EOPNOTSUPP || error == EINVAL ? 0 : error;
}

// Puts back the old contents over the first `changed` bytes and the old length.
void put_back(int fd, const std::string& old_text, size_t changed) {
  size_t ignored = 0;
  write_all_from_start(fd, std::string_view(old_text).substr(0, std::min(changed, old_text.size())), ignored);
  (void)::ftruncate(fd, static_cast<off_t>(old_text.size()));
  ::fsync(fd);
}

// Best effort: the rename itself is already done.
void sync_directory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string target) : target_(std::move(target)) {
  const FollowedPath followed = follow_links(target_);
  if (followed.error != 0) {
    fail(WriteFailure::kCannotOpen, followed.error, with_cause("cannot open", followed.error));
    return;
  }
  path_ = followed.path;
  if (examine_old_file()) open_new_file();
}

SafeFileWriter::~SafeFileWriter() { abandon(); }

bool SafeFileWriter::examine_old_file() {
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0) {
    if (errno == ENOENT) return true;  // a new file, or a missing folder that opening will report
    fail(WriteFailure::kCannotOpen, errno, with_cause("cannot open", errno));
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    fail(WriteFailure::kCannotOpen, EISDIR, "is a directory");
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    fail(WriteFailure::kCannotOpen, 0, "is not a regular file");
    return false;
  }
  // Checked by hand because a rename needs only the directory's permission;
  // without any write bit even root leaves the file alone.
  if (::faccessat(AT_FDCWD, path_.c_str(), W_OK, AT_EACCESS) != 0 || (info.st_mode & 0222) == 0) {
    const int cause = (info.st_mode & 0222) == 0 ? EACCES : errno;
    fail(WriteFailure::kCannotOpen, cause,
         directory_refuses_files(cause) ? "the file is read-only" : with_cause("cannot write", cause));
    return false;
  }
  old_ = {true, static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
  return true;
}

void SafeFileWriter::open_new_file() {
  const std::string directory = directory_of(path_);
  fd_ = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd_ < 0 && no_unnamed_files_here(errno)) fd_ = open_named_temporary(path_, temp_path_);
  if (fd_ < 0) {
    const int cause = errno;
    if (old_.exists && directory_refuses_files(cause)) return start_in_place();
    return fail(WriteFailure::kCannotOpen, cause, with_cause("cannot write in " + directory, cause));
  }
  buffer_.reserve(kBufferSize);
  if (old_.exists) keep_old_ownership();
}

void SafeFileWriter::keep_old_ownership() {
  struct stat mine {};
  if (::fstat(fd_, &mine) == 0 && mine.st_uid == old_.owner && mine.st_gid == old_.group) return;
  if (::fchown(fd_, old_.owner, old_.group) == 0) return;
  const int cause = errno;
  if (cause == EPERM && ::geteuid() != 0) {
    // A rename would give someone else's file to us: overwrite it instead.
    abandon();
    return start_in_place();
  }
  fail(WriteFailure::kCannotOpen, cause, with_cause("cannot keep the owner", cause));
}

void SafeFileWriter::start_in_place() {
  in_place_ = true;
  // Not following links, nor waiting on a FIFO, should the path have changed since.
  fd_ = ::open(path_.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return fail(WriteFailure::kCannotOpen, errno, with_cause("cannot open", errno));
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) fail(WriteFailure::kCannotOpen, 0, "is not a regular file");
}

void SafeFileWriter::fail(WriteFailure kind, int number, const std::string& what) {
  if (ok()) {
    failure_ = kind;
    error_number_ = number;
    error_ = target_ + ": " + what;
  }
  abandon();
}

void SafeFileWriter::abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
  temp_path_.clear();
}

void SafeFileWriter::flush_buffer() {
  if (!write_all(fd_, buffer_)) return fail(WriteFailure::kCannotWrite, errno, with_cause("cannot write", errno));
  buffer_.clear();
}

void SafeFileWriter::write(std::string_view text) {
  if (!ok()) return;
  if (in_place_) {
    buffer_.append(text);
    return;
  }
  while (ok() && !text.empty()) {
    const size_t n = std::min(text.size(), kBufferSize - buffer_.size());
    buffer_.append(text.substr(0, n));
    text.remove_prefix(n);
    if (buffer_.size() == kBufferSize) flush_buffer();
  }
}

bool SafeFileWriter::commit() {
  if (!ok()) return false;
  if (in_place_) overwrite_in_place();
  else replace_with_new_file();
  return ok();
}

void SafeFileWriter::replace_with_new_file() {
  flush_buffer();
  if (!ok()) return;
  // After the change of owner, which would clear set-id bits.
  const mode_t mode = old_.exists ? old_.mode : (0666 & ~current_umask());
  if (::fchmod(fd_, mode) != 0) return fail(WriteFailure::kCannotWrite, errno, with_cause("cannot set permissions", errno));
  if (::fsync(fd_) != 0) return fail(WriteFailure::kCannotWrite, errno, with_cause("cannot flush to disc", errno));
  if (temp_path_.empty() && !name_new_file()) return;
  const int closed = ::close(std::exchange(fd_, -1));
  if (closed != 0) return fail(WriteFailure::kCannotWrite, errno, with_cause("cannot write", errno));
  if (::rename(temp_path_.c_str(), path_.c_str()) != 0) {
    return fail(WriteFailure::kCannotWrite, errno, with_cause("cannot replace the file", errno));
  }
  temp_path_.clear();
  sync_directory(directory_of(path_));
}

// The unnamed file only now gets a name, so that a process killed earlier leaves nothing.
bool SafeFileWriter::name_new_file() {
  for (int attempt = 0; attempt < kNamingAttempts; ++attempt) {
    const std::string name = hidden_name_beside(path_);
    if (link_unnamed(fd_, name)) {
      temp_path_ = name;
      return true;
    }
    if (errno != EEXIST) break;
  }
  fail(WriteFailure::kCannotWrite, errno, with_cause("cannot name the new file", errno));
  return false;
}

void SafeFileWriter::overwrite_in_place() {
  std::string old_text;
  if (!read_all(fd_, old_text)) return fail(WriteFailure::kCannotOpen, errno, with_cause("cannot read", errno));
  size_t changed = 0;
  int cause = reserve(fd_, buffer_.size());
  std::string what = "cannot write";
  if (cause == 0 && !write_all_from_start(fd_, buffer_, changed)) cause = errno;
  if (cause == 0 && ::ftruncate(fd_, static_cast<off_t>(buffer_.size())) != 0) cause = errno;
  if (cause == 0 && ::fsync(fd_) != 0) {
    cause = errno;
    what = "cannot flush to disc";
    changed = old_text.size();  // the old length may be gone too
  }
  if (cause == 0) return abandon();
  put_back(fd_, old_text, changed);
  fail(WriteFailure::kCannotWrite, cause, with_cause(what, cause));
}

}  // namespace plv
