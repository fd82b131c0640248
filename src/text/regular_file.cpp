#include "text/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plv {
namespace {

// Why the file at `info` is not one to read, or nullptr when it is.
const char* unreadable_kind(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) return "is a directory";
  return S_ISREG(info.st_mode) ? nullptr : "is not a regular file";
}

SmallFile failed(const std::string& path, const std::string& why) {
  SmallFile file;
  file.error = path + ": " + why;
  return file;
}

// Reads up to one byte past `max_bytes`, so that a file grown since fstat is noticed.
bool read_at_most(int fd, size_t max_bytes, std::string& text) {
  char chunk[65536];
  while (text.size() <= max_bytes) {
    const size_t wanted = std::min(sizeof chunk, max_bytes + 1 - text.size());
    const ssize_t n = ::read(fd, chunk, wanted);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    text.append(chunk, static_cast<size_t>(n));
  }
  return true;
}

SmallFile read_open_file(int fd, const std::string& path, size_t max_bytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return failed(path, std::strerror(errno));
  if (const char* why = unreadable_kind(info)) return failed(path, why);
  const std::string too_large = "is larger than " + std::to_string(max_bytes) + " bytes";
  if (static_cast<unsigned long long>(info.st_size) > max_bytes) return failed(path, too_large);
  SmallFile file;
  if (!read_at_most(fd, max_bytes, file.text)) return failed(path, std::strerror(errno));
  if (file.text.size() > max_bytes) return failed(path, too_large);
  return file;
}

}  // namespace

SmallFile read_small_regular_file(const std::string& path, size_t max_bytes) {
  // Looked at before opening, since opening some devices does something.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    if (const char* why = unreadable_kind(info)) return failed(path, why);
  }
  // O_NONBLOCK: should a FIFO take the file's place meanwhile, opening it must not wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int cause = errno;
    SmallFile file = failed(path, std::strerror(cause));
    file.missing = cause == ENOENT;
    return file;
  }
  SmallFile file = read_open_file(fd, path, max_bytes);
  ::close(fd);
  return file;
}

}  // namespace plv
