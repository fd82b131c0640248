#pragma once
// TIFF images as the window writes them: little-endian, one uncompressed
// strip, a fixed 180-byte header of twelve directory entries, then the
// pixels row by row from the top, three bytes (red, green, blue) each in
// colour or one byte (the red component) in grey.

#include <cstdint>
#include <vector>

#include "image/pixels.h"

namespace plv::image {

enum class TiffSamples { kColour, kGrey };

inline constexpr int kTiffHeaderSize = 180;

std::vector<std::uint8_t> encode_tiff(const Pixels& pixels, TiffSamples samples);

}  // namespace plv::image
