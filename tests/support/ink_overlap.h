#pragma once
// How alike two pictures on white are: each cut to its ink and brought to
// one size, the share of one's ink that lies near the other's.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "support/outside_reader.h"

namespace plv::testing {

// Ink is anything clearly not white: the picture, like paper, is white behind it.
inline bool inked(const Ppm& p, int x, int y) {
  const std::uint32_t c = p.at(x, y);
  return int(c >> 16 & 255) + int(c >> 8 & 255) + int(c & 255) < 3 * 200;
}

struct InkBox {
  int x0, x1, y0, y1;  // x1 < 0 when there is no ink
};

inline InkBox ink_box(const Ppm& p) {
  InkBox b{p.width, -1, p.height, -1};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      if (inked(p, x, y)) b = {std::min(b.x0, x), std::max(b.x1, x), std::min(b.y0, y), std::max(b.y1, y)};
  return b;
}

// The ink cut to its box and shrunk to kWidth x kHeight cells, a cell inked
// when any pixel it covers is, so thin lines stay.
inline constexpr int kWidth = 400, kHeight = 300;
inline std::vector<bool> ink_cells(const Ppm& p) {
  const auto [x0, x1, y0, y1] = ink_box(p);
  std::vector<bool> cells(kWidth * kHeight);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (inked(p, x, y)) cells[(y - y0) * kHeight / (y1 - y0 + 1) * kWidth + (x - x0) * kWidth / (x1 - x0 + 1)] = true;
  return cells;
}

// The share of a's inked cells that have one of b's within four cells.
inline double covered(const std::vector<bool>& a, const std::vector<bool>& b) {
  constexpr int kReach = 4;
  long ink = 0, near = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (!a[y * kWidth + x]) continue;
      ++ink;
      bool found = false;
      for (int v = std::max(0, y - kReach); v <= std::min(kHeight - 1, y + kReach) && !found; ++v)
        for (int u = std::max(0, x - kReach); u <= std::min(kWidth - 1, x + kReach) && !found; ++u)
          found = b[v * kWidth + u];
      near += found;
    }
  return ink == 0 ? 0 : double(near) / double(ink);
}

// How much of each picture's ink lies near the other's, both cut to their
// ink and brought to one size: the lesser share.
inline double overlap(const Ppm& page, const Ppm& screen) {
  const std::vector<bool> a = ink_cells(page), b = ink_cells(screen);
  return std::min(covered(a, b), covered(b, a));
}

}  // namespace plv::testing
