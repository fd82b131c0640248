#pragma once
// What a file operation came to: every reader and writer of files answers
// with one of these (or a result built on it), whose error says in words
// what went wrong and names the file.

#include <string>

namespace plv {

struct FileResult {
  std::string error;  // empty when the operation succeeded
  bool ok() const { return error.empty(); }
};

}  // namespace plv
