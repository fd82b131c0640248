// Session scripts: any text is a script or an error naming its line.

#include "fuzz_input.h"
#include "host/scripted/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plv::host::Script script = plv::host::parse_script(plv::fuzz::as_text(data, size));
  (void)script;
  return 0;
}
