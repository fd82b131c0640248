#include "core/safe_file_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plv {
namespace {

constexpr size_t kBufferSize = 1 << 20;

std::string directory_of(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Permissions a newly created file would get under the current umask.
mode_t default_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

SafeFileWriter::SafeFileWriter(std::string target) : target_(std::move(target)) {
  struct stat info {};
  if (::stat(target_.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    error_ = target_ + ": is a directory";
    return;
  }
  std::string pattern = directory_of(target_) + "/." + name_of(target_) + ".XXXXXX";
  fd_ = ::mkstemp(pattern.data());
  if (fd_ < 0) {
    error_ = target_ + ": cannot write in " + directory_of(target_) + ": " + std::strerror(errno);
    return;
  }
  temp_path_ = pattern;
  buffer_.resize(kBufferSize);
}

SafeFileWriter::~SafeFileWriter() { abandon(); }

void SafeFileWriter::fail(const std::string& what) {
  if (error_.empty()) error_ = target_ + ": " + what + ": " + std::strerror(errno);
  abandon();
}

void SafeFileWriter::abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
  temp_path_.clear();
}

void SafeFileWriter::flush_buffer() {
  size_t done = 0;
  while (done < used_) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, used_ - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("write failed");
    }
    done += static_cast<size_t>(n);
  }
  used_ = 0;
}

void SafeFileWriter::write(std::string_view text) {
  while (ok() && !text.empty()) {
    if (used_ == buffer_.size()) flush_buffer();
    if (!ok()) return;
    const size_t n = std::min(text.size(), buffer_.size() - used_);
    std::memcpy(buffer_.data() + used_, text.data(), n);
    used_ += n;
    text.remove_prefix(n);
  }
}

bool SafeFileWriter::commit() {
  if (!ok()) return false;
  flush_buffer();
  if (!ok()) return false;
  struct stat old {};
  const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : default_mode();
  if (::fchmod(fd_, mode) != 0) { fail("cannot set permissions"); return false; }
  if (::fsync(fd_) != 0) { fail("cannot flush to disc"); return false; }
  if (::close(fd_) != 0) { fd_ = -1; fail("close failed"); return false; }
  fd_ = -1;
  if (std::rename(temp_path_.c_str(), target_.c_str()) != 0) { fail("cannot replace the file"); return false; }
  temp_path_.clear();
  return true;
}

}  // namespace plv
