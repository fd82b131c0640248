#include "kernel/screen_dump.h"

#include <unordered_map>

#include "text/whole_file.h"
#include "kernel/kernel.h"

namespace plv::kernel {
namespace {

uint8_t nearest_entry(host::Rgb c, const PcxPalette& palette) {
  int best = 0;
  long best_distance = -1;
  for (int i = 0; i < 256; ++i) {
    const long dr = c.red - palette[i].red, dg = c.green - palette[i].green, db = c.blue - palette[i].blue;
    const long d = dr * dr + dg * dg + db * db;
    if (best_distance < 0 || d < best_distance) {
      best = i;
      best_distance = d;
    }
  }
  return static_cast<uint8_t>(best);
}

}  // namespace

PcxPalette pcx_palette_of(const std::vector<PaletteColour>& realised) {
  PcxPalette out{};
  for (size_t i = 0; i < realised.size() && i < out.size(); ++i)
    out[i] = {realised[i].red, realised[i].green, realised[i].blue};
  return out;
}

std::vector<uint8_t> dump_indices(const host::Raster& bitmap, const PcxPalette& palette) {
  std::vector<uint8_t> indices(static_cast<size_t>(kPcxWidth) * kPcxHeight, 0);
  if (bitmap.width() <= 0 || bitmap.height() <= 0) return indices;
  std::unordered_map<uint32_t, uint8_t> seen;
  for (int y = 0; y < kPcxHeight; ++y) {
    const int sy = static_cast<int>(static_cast<long>(y) * bitmap.height() / kPcxHeight);
    for (int x = 0; x < kPcxWidth; ++x) {
      const int sx = static_cast<int>(static_cast<long>(x) * bitmap.width() / kPcxWidth);
      const host::Rgb c = bitmap.pixel(sx, sy);
      const uint32_t key = uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue;
      auto it = seen.find(key);
      if (it == seen.end()) it = seen.emplace(key, nearest_entry(c, palette)).first;
      indices[static_cast<size_t>(y) * kPcxWidth + x] = it->second;
    }
  }
  return indices;
}

std::vector<uint8_t> Kernel::pcx_image() const {
  // Indices drawn from palette 3 are dumped with palette 3, so the colours
  // in the file are the ones on the screen.
  const PcxPalette palette = pcx_palette_of(colours_.current_palette());
  return image::encode_pcx(dump_indices(host_.picture().bitmap(), palette), palette);
}

std::string Kernel::dump_screen() {
  const auto path = next_dump_name(dump_directory_, dump_counter_);
  if (!path) {
    host_.message("No free screen dump name is left (MDL001.PCX to MDL999.PCX)");
    return {};
  }
  const std::vector<uint8_t> bytes = pcx_image();
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
