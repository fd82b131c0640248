#include "kernel/screen_dump.h"

#include "host/picture_exports.h"
#include "text/whole_file.h"
#include "kernel/kernel.h"

namespace plv::kernel {

PcxPalette pcx_palette_of(const std::vector<PaletteColour>& realised) {
  PcxPalette out{};
  for (size_t i = 0; i < realised.size() && i < out.size(); ++i)
    out[i] = {realised[i].red, realised[i].green, realised[i].blue};
  return out;
}

PcxPalette Kernel::dump_palette() const {
  // Indices drawn from palette 3 are dumped with palette 3, so the colours
  // in the file are the ones on the screen.
  return pcx_palette_of(colours_.current_palette());
}

std::string Kernel::dump_screen() {
  const auto path = next_dump_name(dump_directory_, dump_counter_);
  if (!path) {
    host_.message("No free screen dump name is left (MDL001.PCX to MDL999.PCX)");
    return {};
  }
  const std::vector<uint8_t> bytes = host::pcx_bytes(host_.picture(), dump_palette());
  const FileResult written = write_whole_file(path->string(), {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  if (!written.ok()) {
    host_.message("Could not write the screen dump: " + written.error);
    return {};
  }
  return path->string();
}

std::optional<std::filesystem::path> next_dump_name(const std::filesystem::path& directory, int& counter) {
  while (counter < 999) {
    ++counter;
    char name[32];
    std::snprintf(name, sizeof name, "MDL%03d.PCX", counter);
    const std::filesystem::path path = directory / name;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) return path;
  }
  return std::nullopt;
}

}  // namespace plv::kernel
