#include "drawing/recovery_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace plv {
namespace {

namespace fs = std::filesystem;

bool write_all(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

std::string reason(const fs::path& file) { return file.string() + ": " + std::strerror(errno); }

}  // namespace

fs::path recovery_folder() {
  if (const char* own = std::getenv("PLIVET_STATE_DIR"); own && *own) return own;
  // A relative value is to be ignored, as the XDG rules say.
  if (const char* state = std::getenv("XDG_STATE_HOME"); state && fs::path(state).is_absolute())
    return fs::path(state) / "plivet";
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local" / "state" / "plivet";
  return fs::temp_directory_path() / "plivet-state";
}

fs::path journal_path(const fs::path& folder, const fs::path& drawing) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : drawing.string()) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  char name[64];
  std::snprintf(name, sizeof name, "%016llx.journal", static_cast<unsigned long long>(hash));
  return folder / (drawing.filename().string() + "-" + name);
}

bool journal_in_use(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);  // any lock taken here goes with it
  return locked;
}

fs::path set_aside(const fs::path& file, std::string_view why) {
  std::error_code ec;
  fs::path aside = file.string() + "." + std::string(why);
  for (int n = 2; fs::exists(aside, ec); ++n) aside = file.string() + "-" + std::to_string(n) + "." + std::string(why);
  fs::rename(file, aside, ec);
  return ec ? file : aside;
}

RecoveryCopy::RecoveryCopy(ChangeJournal& journal) : journal_(journal) {
  ChangeJournal::Listener l;
  l.step = [this](const StoreStep& s) { note(recovery::step_line(s)); };
  l.action_ended = [this] { note("E"); };
  l.undone = [this] { note("U"); };
  l.redone = [this] { note("Y"); };
  journal_.listen(std::move(l));
}

RecoveryCopy::~RecoveryCopy() {
  journal_.listen({});
  release();
}

void RecoveryCopy::note(std::string line) {
  if (file_.empty()) return;
  waiting_ += line;
  waiting_ += '\n';
}

void RecoveryCopy::release() {
  if (fd_ >= 0) ::close(fd_);  // and the lock with it
  fd_ = -1;
}

void RecoveryCopy::fail(const std::string& why) {
  if (error_.empty()) error_ = why;
  waiting_.clear();
}

std::string RecoveryCopy::untold_error() {
  if (error_told_) return {};
  error_told_ = !error_.empty();
  return error_;
}

void RecoveryCopy::start(fs::path file, recovery::Head head) {
  waiting_.clear();
  error_.clear();
  error_told_ = false;
  if (file != file_) release();
  file_ = std::move(file);
  head_.clear();
  if (file_.empty()) return;
  head_ = recovery::head_text(head, journal_.history());
  // A copy this program holds is replaced at once: what it kept is in the
  // file now. Otherwise the copy is made when the first action ends.
  if (fd_ >= 0 && write_whole(head_)) head_.clear();
}

// Written beside the copy, locked, then put in its place: a crash leaves
// the old copy or the new one, never part of one.
bool RecoveryCopy::write_whole(const std::string& text) {
  if (fd_ < 0 && journal_in_use(file_)) {
    fail("another plivet keeps the changes to this drawing in " + file_.string());
    return false;
  }
  std::error_code ec;
  fs::create_directories(file_.parent_path(), ec);
  const fs::path temporary = file_.string() + ".new-" + std::to_string(::getpid());
  const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) {
    fail(reason(temporary));
    return false;
  }
  ::flock(fd, LOCK_EX | LOCK_NB);  // a new file: nobody else holds it
  if (!write_all(fd, text) || ::fdatasync(fd) != 0 || ::rename(temporary.c_str(), file_.c_str()) != 0) {
    fail(reason(file_));
    ::close(fd);
    ::unlink(temporary.c_str());
    return false;
  }
  release();
  fd_ = fd;
  return true;
}

bool RecoveryCopy::still_in_place() const {
  struct stat here {}, held {};
  return ::stat(file_.c_str(), &here) == 0 && ::fstat(fd_, &held) == 0 && here.st_dev == held.st_dev &&
         here.st_ino == held.st_ino;
}

// The copy (or its folder) was removed or replaced while this program
// kept it: what it held is still open here, and is written again.
bool RecoveryCopy::make_again() {
  std::string text;
  char buffer[1 << 16];
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd_, buffer, sizeof buffer, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      fail(reason(file_));
      return false;
    }
    if (n == 0) break;
    text.append(buffer, static_cast<size_t>(n));
    at += n;
  }
  release();  // the copy in its place is no longer this program's to keep out
  return write_whole(text);
}

void RecoveryCopy::flush() {
  if (file_.empty() || !error_.empty() || waiting_.empty()) return;
  if (fd_ < 0) {
    if (write_whole(head_ + waiting_)) waiting_.clear();
    head_.clear();
    return;
  }
  if (!still_in_place() && !make_again()) return;
  if (!write_all(fd_, waiting_)) return fail(reason(file_));
  waiting_.clear();
  ::fdatasync(fd_);  // kept through a power cut, not only a killed program
}

void RecoveryCopy::leave() {
  flush();
  release();
  file_.clear();
  head_.clear();
  waiting_.clear();
}

void RecoveryCopy::stop() {
  if (fd_ >= 0 && still_in_place()) ::unlink(file_.c_str());
  release();
  file_.clear();
  head_.clear();
  waiting_.clear();
}

}  // namespace plv
