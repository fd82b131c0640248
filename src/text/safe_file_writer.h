#pragma once
// Writes a file so that the previous one survives any failure. The new text
// goes to an unnamed file in the same directory, which is flushed to disc,
// given the old file's permissions, owner and group, and then renamed over
// it. Where the directory takes no new file, or a rename would hand the file
// to a new owner, the old file is overwritten in place instead and put back
// if that fails. A path through symbolic links writes the file they lead to;
// a file the user may not write, or anything but a regular file, is refused.
// Until commit() succeeds the target is untouched; an abandoned writer leaves
// nothing behind, nor does a killed one where the file system has unnamed files.

#include <string>
#include <string_view>
#include <sys/types.h>

namespace plv {

enum class WriteFailure {
  kNone,
  kCannotOpen,   // nothing was written: permissions, missing folder, not a regular file, read-only
  kCannotWrite,  // writing, syncing or renaming failed part-way: full disc, file too large, I/O error
};

class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string target);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // False once anything has failed; error() says what, naming the path as given.
  bool ok() const { return failure_ == WriteFailure::kNone; }
  const std::string& error() const { return error_; }
  WriteFailure failure() const { return failure_; }
  // The errno behind the failure, 0 when none.
  int error_number() const { return error_number_; }

  void write(std::string_view text);
  void write_line(std::string_view line) {
    write(line);
    write("\n");
  }
  // Flushes, syncs and puts the new contents in place; false on failure.
  bool commit();

 private:
  struct OldFile {
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
  };

  bool examine_old_file();
  void open_new_file();
  void keep_old_ownership();
  void start_in_place();
  void replace_with_new_file();
  bool name_new_file();
  void overwrite_in_place();
  void flush_buffer();
  void fail(WriteFailure kind, int number, const std::string& what);
  void abandon();

  std::string target_;  // as the caller gave it, for messages
  std::string path_;    // the file written, past any symbolic links
  OldFile old_;
  int fd_ = -1;
  std::string temp_path_;  // a named temporary file, removed unless committed
  bool in_place_ = false;  // then buffer_ holds the whole new contents
  std::string buffer_;
  WriteFailure failure_ = WriteFailure::kNone;
  int error_number_ = 0;
  std::string error_;
};

}  // namespace plv
