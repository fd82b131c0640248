#include "core/line_reader.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace plv {

namespace {
constexpr size_t kChunk = 1 << 20;
}

LineReader::LineReader(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    error_ = "is a directory";
    return;
  }
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) error_ = std::strerror(errno);
  else buffer_.resize(kChunk);
}

LineReader::~LineReader() {
  if (file_) std::fclose(file_);
}

bool LineReader::refill() {
  if (at_eof_) return false;
  // Keep the unfinished line, and make room for a whole chunk after it.
  std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  if (buffer_.size() - end_ < kChunk) buffer_.resize(end_ + kChunk);
  const size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  if (got == 0) {
    at_eof_ = true;
    if (std::ferror(file_)) error_ = std::strerror(errno);
    return false;
  }
  end_ += got;
  return true;
}

bool LineReader::next(std::string_view& line) {
  if (!file_) return false;
  size_t scanned = begin_;
  for (;;) {
    const void* nl = std::memchr(buffer_.data() + scanned, '\n', end_ - scanned);
    if (nl) {
      const size_t stop = static_cast<const char*>(nl) - buffer_.data();
      size_t len = stop - begin_;
      if (len > 0 && buffer_[begin_ + len - 1] == '\r') --len;
      line = std::string_view(buffer_.data() + begin_, len);
      begin_ = stop + 1;
      ++line_number_;
      return true;
    }
    const size_t pending = end_ - begin_;  // all of it scanned, no line end yet
    if (!refill()) break;
    scanned = begin_ + pending;
  }
  if (begin_ == end_ || !error_.empty()) return false;
  size_t len = end_ - begin_;  // a last line without a line end
  if (buffer_[begin_ + len - 1] == '\r') --len;
  line = std::string_view(buffer_.data() + begin_, len);
  begin_ = end_;
  ++line_number_;
  return true;
}

}  // namespace plv
