#pragma once
// Reads a text file line by line through a large buffer. Takes LF and CRLF
// line ends and a last line without one.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace plv {

class LineReader {
 public:
  // Check ok() after constructing; error() says why the file did not open.
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool ok() const { return file_ != nullptr; }
  const std::string& error() const { return error_; }

  // The next line without its line end, valid until the next call; false at
  // the end of the file or on a read error (then error() is set).
  bool next(std::string_view& line);
  long line_number() const { return line_number_; }

 private:
  bool refill();

  std::FILE* file_ = nullptr;
  std::string error_;
  std::vector<char> buffer_;
  size_t begin_ = 0, end_ = 0;
  bool at_eof_ = false;
  long line_number_ = 0;
};

}  // namespace plv
