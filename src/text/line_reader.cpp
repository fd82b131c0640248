#include "text/line_reader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plv {
namespace {

constexpr size_t kBufferSize = 1 << 20;
static_assert(kBufferSize > LineReader::kMaxLineLength + 2);

class FileSource final : public ByteSource {
 public:
  explicit FileSource(int fd) : fd_(fd) {}
  ~FileSource() override { ::close(fd_); }
  long read(char* out, size_t size) override {
    for (;;) {
      const ssize_t n = ::read(fd_, out, size);
      if (n >= 0) return static_cast<long>(n);
      if (errno == EINTR) continue;
      error_ = std::strerror(errno);
      return -1;
    }
  }
  std::string error() const override { return error_; }

 private:
  int fd_;
  std::string error_;
};

}  // namespace

std::unique_ptr<ByteSource> open_regular_file(const std::string& path, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    error = S_ISDIR(info.st_mode) ? "is a directory" : "is not a regular file";
    ::close(fd);
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return std::make_unique<FileSource>(fd);
}

LineReader::LineReader(const std::string& path) {
  source_ = open_regular_file(path, error_);
  if (source_) buffer_.resize(kBufferSize);
}

LineReader::LineReader(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {
  if (source_) buffer_.resize(kBufferSize);
}

LineReader::~LineReader() = default;

bool LineReader::fill_for_a_line() {
  if (at_eof_ || end_ - begin_ >= kMaxLineLength + 2) return true;
  std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  while (!at_eof_ && end_ < kMaxLineLength + 2) {
    const long got = source_->read(buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0) {
      error_ = source_->error();
      return false;
    }
    if (got == 0) at_eof_ = true;
    end_ += static_cast<size_t>(got);
  }
  return true;
}

void LineReader::take_line(size_t length, size_t ending_length, std::string_view& line) {
  line = std::string_view(buffer_.data() + begin_, length);
  begin_ += length + ending_length;
  ++line_number_;
}

bool LineReader::next(std::string_view& line) {
  if (!source_ || !error_.empty() || !fill_for_a_line()) return false;
  const size_t available = end_ - begin_;
  if (available == 0) return false;
  // A line end must turn up within the longest line allowed.
  const size_t window = std::min(available, kMaxLineLength + 1);
  const char* start = buffer_.data() + begin_;
  const auto* lf = static_cast<const char*>(std::memchr(start, '\n', window));
  const size_t searched = lf ? static_cast<size_t>(lf - start) : window;
  if (const auto* cr = static_cast<const char*>(std::memchr(start, '\r', searched))) {
    const size_t length = static_cast<size_t>(cr - start);
    const bool crlf = length + 1 < available && cr[1] == '\n';
    take_line(length, crlf ? 2 : 1, line);
    return true;
  }
  if (lf) {
    take_line(searched, 1, line);
    return true;
  }
  if (at_eof_ && available <= kMaxLineLength) {  // a last line without a line end
    take_line(available, 0, line);
    return true;
  }
  too_long_ = true;
  error_ = "line " + std::to_string(line_number_ + 1) + " is longer than " + std::to_string(kMaxLineLength) +
           " characters";
  return false;
}

}  // namespace plv
