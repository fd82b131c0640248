#pragma once
// The picture as PCX palette indices: the backing bitmap sampled onto the
// 640 x 480 dump raster, each pixel given the nearest palette entry.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "host/raster.h"
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
std::vector<std::uint8_t> dump_indices(const host::Raster& bitmap, const PcxPalette& palette);

}  // namespace plv::kernel
