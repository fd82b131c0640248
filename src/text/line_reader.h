#pragma once
// Reads a text file line by line through a large buffer. Takes LF, CR LF
// and lone CR line ends and a last line without one. Lines are bounded: a
// line longer than kMaxLineLength stops the reading with an error, so no
// input can make the reader hold more than its buffer.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plv {

// Where the bytes come from: a file, or a test's own source.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `size` bytes into `out`: the count, 0 at the end, -1 on an error
  // (then error() says what).
  virtual long read(char* out, size_t size) = 0;
  virtual std::string error() const = 0;
};

// Opens a regular file for reading: nothing when there is none, or what is
// there is a directory, a FIFO or a device (which could block or never end);
// `error` then says why. The open itself never waits.
std::unique_ptr<ByteSource> open_regular_file(const std::string& path, std::string& error);

class LineReader {
 public:
  static constexpr size_t kMaxLineLength = 4096;

  // Opens a regular file; check ok() after constructing.
  explicit LineReader(const std::string& path);
  explicit LineReader(std::unique_ptr<ByteSource> source);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool ok() const { return source_ != nullptr; }
  const std::string& error() const { return error_; }
  // True once a line longer than kMaxLineLength was met.
  bool line_too_long() const { return too_long_; }

  // The next line without its line end, valid until the next call; false at
  // the end of the file or on an error (then error() is set).
  bool next(std::string_view& line);
  long line_number() const { return line_number_; }

 private:
  // Reads until kMaxLineLength + 2 bytes follow begin_, or the end.
  bool fill_for_a_line();
  void take_line(size_t length, size_t ending_length, std::string_view& line);

  std::unique_ptr<ByteSource> source_;
  std::string error_;
  std::vector<char> buffer_;
  size_t begin_ = 0, end_ = 0;
  bool at_eof_ = false;
  bool too_long_ = false;
  long line_number_ = 0;
};

}  // namespace plv
