// plivet.set: any text reads; what is written from it reads back to the
// same text.

#include "drawing/settings_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plv::Settings settings;
  plv::read_settings_text(plv::fuzz::as_text(data, size), settings);
  const std::string first = plv::settings_text(settings);
  plv::Settings again;
  plv::read_settings_text(first, again);
  // The path and name are written only, never read.
  again.drawing_path = settings.drawing_path;
  again.drawing_name = settings.drawing_name;
  PLV_FUZZ_CHECK(plv::settings_text(again) == first);
  return 0;
}
