#include "kernel/palettes.h"

#include <array>
#include <stdexcept>
#include <string>

namespace plv::kernel {
namespace {

using Colour = PaletteColour;

constexpr Colour rgb(int r, int g, int b) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

// The sixteen drawing colours, in the host colour table's order, at a
// given full and half level.
constexpr std::array<Colour, 16> basic_colours(int f, int h) {
  return {rgb(0, 0, 0), rgb(f, 0, 0), rgb(0, f, 0), rgb(f, f, 0),  //
          rgb(0, 0, f), rgb(f, 0, f), rgb(0, f, f), rgb(f, f, f),  //
          rgb(h, h, h), rgb(f, h, 0), rgb(h, 0, 0), rgb(0, h, 0),  //
          rgb(h, h, 0), rgb(0, 0, h), rgb(h, 0, h), rgb(0, h, h)};
}

template <std::size_t N>
constexpr void put_basic_colours(std::array<Colour, N>& p, int full, int half) {
  const auto basic = basic_colours(full, half);
  for (int i = 0; i < 16; ++i) p[i] = basic[i];
}

template <std::size_t N>
constexpr void put_grey_ramp(std::array<Colour, N>& p, const std::array<int, 16>& levels) {
  for (int i = 0; i < 16; ++i) p[16 + i] = rgb(levels[i], levels[i], levels[i]);
}

constexpr int kHalf = 31;

constexpr std::array<Colour, 236> make_palette_1() {
  std::array<Colour, 236> p{};
  put_basic_colours(p, 63, kHalf);
  constexpr std::array<int, 6> level{0, 13, 25, 38, 50, 63};
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) p[16 + 36 * r + 6 * g + b] = rgb(level[r], level[g], level[b]);
  for (int i = 232; i < 236; ++i) p[i] = rgb(kHalf, kHalf, kHalf);
  return p;
}

// The hue circle: six segments of 30 steps, one component changing in each.
constexpr int kHueStart = 43;
constexpr int kHueSegment = 30;
constexpr std::array<int, kHueSegment + 1> kHueSteps{0,  2,  4,  7,  9,  12, 15, 17, 20, 23, 26,
                                                     29, 32, 35, 38, 42, 43, 44, 45, 47, 48, 49,
                                                     51, 52, 53, 55, 56, 58, 59, 61, 63};

constexpr Colour hue(int segment, int step) {
  const int up = kHueSteps[step];
  const int down = kHueSteps[kHueSegment - step];
  switch (segment) {
    case 0: return rgb(63, 0, up);    // red to magenta
    case 1: return rgb(down, 0, 63);  // magenta to blue
    case 2: return rgb(0, up, 63);    // blue to cyan
    case 3: return rgb(0, 63, down);  // cyan to green
    case 4: return rgb(up, 63, 0);    // green to yellow
    default: return rgb(63, down, 0); // yellow to red
  }
}

constexpr std::array<Colour, 224> make_palette_2() {
  std::array<Colour, 224> p{};
  put_basic_colours(p, 63, kHalf);
  put_grey_ramp(p, {0, 4, 8, 13, 17, 21, 25, 29, 34, 38, 42, 46, 50, 55, 59, 63});
  for (int i = 32; i < kHueStart; ++i) p[i] = rgb(kHalf, kHalf, kHalf);
  for (int segment = 0; segment < 6; ++segment)
    for (int step = 0; step <= kHueSegment; ++step) p[kHueStart + kHueSegment * segment + step] = hue(segment, step);
  return p;
}

// The iron scale over 192 steps: red rises evenly to 255; blue swells to 85
// at a quarter of the way (a parabola, so the violet peak has no corner) and
// is gone at two thirds; green rises evenly over the last third.
constexpr int kIronStart = 32;
constexpr int kIronSteps = 192;

constexpr int rounded_ratio(int numerator, int denominator) { return (2 * numerator + denominator) / (2 * denominator); }

constexpr Colour iron(int t) {
  const int red = rounded_ratio(255 * t, kIronSteps);
  const int blue = t < 128 ? rounded_ratio(340 * t * (128 - t), 128 * 128) : 0;
  const int green = t > 128 ? rounded_ratio(255 * (t - 128), 64) : 0;
  return rgb(red, green, blue);
}

constexpr std::array<Colour, 225> make_palette_3() {
  std::array<Colour, 225> p{};
  put_basic_colours(p, 255, 127);
  put_grey_ramp(p, {0, 17, 34, 51, 68, 85, 102, 119, 138, 153, 170, 187, 204, 221, 238, 255});
  for (int t = 0; t <= kIronSteps; ++t) p[kIronStart + t] = iron(t);
  return p;
}

constexpr auto kPalette1 = make_palette_1();
constexpr auto kPalette2 = make_palette_2();
constexpr auto kPalette3 = make_palette_3();

}  // namespace

std::span<const PaletteColour> stored_palette(int palette) {
  switch (palette) {
    case 1: return kPalette1;
    case 2: return kPalette2;
    case 3: return kPalette3;
    default: throw std::out_of_range("no palette " + std::to_string(palette));
  }
}

std::vector<PaletteColour> realised_palette(int palette) {
  const auto stored = stored_palette(palette);
  std::vector<PaletteColour> out(stored.begin(), stored.end());
  if (palette == 3) return out;
  for (auto& c : out) c = rgb(4 * c.red, 4 * c.green, 4 * c.blue);
  return out;
}

}  // namespace plv::kernel
