#pragma once
// Pictures as PNG files (8-bit RGB), for snapshots and rendered drawings.

#include <cstdint>
#include <string>
#include <vector>

#include "image/pixels.h"
#include "text/file_result.h"

namespace plv::image {

std::vector<std::uint8_t> encode_png(const Pixels& pixels);
FileResult write_png(const Pixels& pixels, const std::string& path);

}  // namespace plv::image
