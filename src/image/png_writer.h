#pragma once
// Pictures as PNG files (8-bit RGB), for snapshots and rendered drawings.

#include <cstdint>
#include <string>
#include <vector>

#include "host/raster.h"

namespace plv::host {

std::vector<std::uint8_t> encode_png(const Raster& raster);
// False with `error` set when the file cannot be written.
bool write_png(const Raster& raster, const std::string& path, std::string& error);

}  // namespace plv::host
