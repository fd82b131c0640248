#pragma once
// Colours as the host keeps them: plain red, green and blue bytes.

#include <cstdint>

namespace plv::host {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

inline constexpr Rgb grey(int level) {
  const auto v = static_cast<std::uint8_t>(level);
  return {v, v, v};
}

// Packed as 0x00RRGGBB, the raster's pixel format.
inline constexpr std::uint32_t pack(Rgb c) {
  return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}
inline constexpr Rgb unpack(std::uint32_t p) {
  return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
}

}  // namespace plv::host
