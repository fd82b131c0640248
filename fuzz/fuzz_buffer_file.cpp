// Buffer files: any bytes read to a buffer or a refusal, never a crash.

#include "editor/buffer/buffer_file.h"
#include "fuzz_input.h"
#include "kinds/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plv::LineReader in = plv::fuzz::lines_of(plv::fuzz::as_text(data, size));
  const plv::buffer::BufferFileRead read = plv::buffer::read_buffer_file(in, plv::kinds());
  if (!read.ok()) PLV_FUZZ_CHECK(!read.error.empty());
  return 0;
}
