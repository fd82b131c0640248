#pragma once
// The picture as PCX palette indices: the backing bitmap sampled onto the
// 640 x 480 dump raster, each pixel given the nearest palette entry.

#include <cstdint>
#include <vector>

#include "host/raster.h"
#include "kernel/palettes.h"
#include "image/pcx_writer.h"

namespace plv::kernel {

PcxPalette pcx_palette_of(const std::vector<PaletteColour>& realised);
std::vector<std::uint8_t> dump_indices(const host::Raster& bitmap, const PcxPalette& palette);

}  // namespace plv::kernel
