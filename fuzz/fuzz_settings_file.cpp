// plivet.set: any text reads; what the editor takes from it (colour
// commands only when they name a palette colour) is written and reads back
// to the same text.

#include "drawing/settings_file.h"
#include "fuzz_input.h"
#include "kinds/colour_mode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plv::Settings settings;
  plv::read_settings_text(plv::fuzz::as_text(data, size), settings);
  if (!plv::is_palette_colour(settings.deleted_colour)) settings.deleted_colour = plv::palette_colour_record(8);
  if (!plv::is_palette_colour(settings.other_layer_colour)) settings.other_layer_colour = plv::palette_colour_record(12);
  const std::string first = plv::settings_text(settings);
  plv::Settings again;
  plv::read_settings_text(first, again);
  // The path and name are written only, never read.
  again.drawing_path = settings.drawing_path;
  again.drawing_name = settings.drawing_name;
  PLV_FUZZ_CHECK(plv::settings_text(again) == first);
  return 0;
}
