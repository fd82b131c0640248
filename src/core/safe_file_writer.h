#pragma once
// Writes a file so that the previous one survives any failure: the text goes
// to a new file in the same directory, which is flushed to disc and then
// renamed over the old one, taking over its permissions. Until commit()
// succeeds the target is untouched; an abandoned writer removes its file.

#include <string>
#include <string_view>
#include <vector>

namespace plv {

class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string target);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // False once anything has failed; error() says what.
  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  void write(std::string_view text);
  void write_line(std::string_view line) {
    write(line);
    write("\n");
  }
  // Flushes, syncs and renames over the target; false on failure.
  bool commit();

 private:
  void flush_buffer();
  void fail(const std::string& what);
  void abandon();

  std::string target_;
  std::string temp_path_;
  int fd_ = -1;
  std::vector<char> buffer_;
  size_t used_ = 0;
  std::string error_;
};

}  // namespace plv
