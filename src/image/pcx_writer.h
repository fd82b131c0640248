#pragma once
// 256-colour PCX images: the 128-byte header, run-length encoded rows of
// palette indices, and the 769-byte palette trailer.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace plv::image {

inline constexpr int kPcxWidth = 640;
inline constexpr int kPcxHeight = 480;

struct Rgb8 {
  uint8_t red, green, blue;
};
using PcxPalette = std::array<Rgb8, 256>;

// One row of indices, runs of at most 63 equal bytes.
void encode_pcx_row(std::span<const uint8_t> row, std::vector<uint8_t>& out);

// A whole kPcxWidth x kPcxHeight image; `indices` holds the rows top first.
std::vector<uint8_t> encode_pcx(std::span<const uint8_t> indices, const PcxPalette& palette);

}  // namespace plv::image
