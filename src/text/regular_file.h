#pragma once
// Reading small files whole, such as settings, without ever blocking on a
// FIFO or reading endlessly from a device that happens to be at the path.

#include <cstddef>
#include <string>

#include "text/file_result.h"

namespace plv {

struct SmallFile : FileResult {
  std::string text;  // the whole file when ok()
  bool missing = false;
};

// Reads a regular file of at most max_bytes; `missing` when nothing is at the path.
// A directory, device, FIFO, a link to one, a file larger than max_bytes, or a
// read error give `error` and no text.
SmallFile read_small_regular_file(const std::string& path, size_t max_bytes);

}  // namespace plv
