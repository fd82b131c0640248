#pragma once
// Screen dumps: the names they take and the palette they are written in
// (host/picture_exports makes their bytes).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "kernel/palettes.h"
#include "image/pcx_writer.h"

namespace plv::kernel {

using image::kPcxHeight;
using image::kPcxWidth;
using image::PcxPalette;

// The next dump name after `counter` that does not exist in `directory`
// ("MDL001.PCX", "MDL002.PCX", ...); the counter advances past it. Nothing
// once all 999 names are taken.
std::optional<std::filesystem::path> next_dump_name(const std::filesystem::path& directory, int& counter);

PcxPalette pcx_palette_of(const std::vector<PaletteColour>& realised);

}  // namespace plv::kernel
