#pragma once
// Pictures as PNG files (8-bit RGB), for snapshots and rendered drawings.

#include <cstdint>
#include <string>
#include <vector>

#include "image/pixels.h"

namespace plv::image {

std::vector<std::uint8_t> encode_png(const Pixels& pixels);
// False with `error` set when the file cannot be written.
bool write_png(const Pixels& pixels, const std::string& path, std::string& error);

}  // namespace plv::image
