#pragma once
// What every harness shares: the fuzzer's bytes as text, as a stream of
// lines, or as a file of their own; and a check that stops the run loudly
// when a property that must hold does not.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "text/line_reader.h"

namespace plv::fuzz {

inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The bytes as a file would give them, a few at a time, as a slow disc might.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  long read(char* out, size_t size) override {
    const size_t n = std::min({size, bytes_.size() - at_, size_t{4093}});
    std::memcpy(out, bytes_.data() + at_, n);
    at_ += n;
    return static_cast<long>(n);
  }
  std::string error() const override { return ""; }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

inline LineReader lines_of(std::string_view bytes) { return LineReader(std::make_unique<MemorySource>(bytes)); }

// A file holding the bytes, gone when this is; its path names it.
class MemoryFile {
 public:
  explicit MemoryFile(std::string_view bytes) : fd_(::memfd_create("fuzz", 0)) {
    if (fd_ < 0 || ::write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  }
  ~MemoryFile() { ::close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

 private:
  int fd_;
};

#define PLV_FUZZ_CHECK(condition)                                                   \
  do {                                                                              \
    if (!(condition)) {                                                             \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

}  // namespace plv::fuzz
