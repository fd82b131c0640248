#pragma once
// What an encoder reads: pixels 0x00RRGGBB, row by row from the top.

#include <cstdint>
#include <span>
#include <vector>

namespace plv::image {

struct Pixels {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> rgb;  // width x height values

  std::uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};

// Pixels that own their values.
struct OwnedPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;

  Pixels view() const { return {width, height, rgb}; }
};

}  // namespace plv::image
