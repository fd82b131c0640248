#include "host/picture_area.h"

#include <algorithm>

namespace plv::host {

PixelArea saved_area(int bitmap_width, int bitmap_height, const WindowTransform& transform) {
  if (bitmap_width == 640 && bitmap_height == 480) return {0, 0, 639, 479};
  const int half_width = transform.multiplier() * (kPlotWidth / 2) / transform.divisor();
  const int half_height = transform.multiplier() * (kPlotHeight / 2) / transform.divisor();
  const Point c = transform.centre();
  // The picture's edge may stand one past the bitmap's: only pixels that
  // exist are taken.
  return {std::max(c.x - half_width, 0), std::max(c.y - half_height, 0),
          std::min(c.x + half_width, bitmap_width - 1), std::min(c.y + half_height, bitmap_height - 1)};
}

std::vector<std::uint32_t> pixels_in(const Raster& raster, const PixelArea& area) {
  std::vector<std::uint32_t> out;
  if (area.width() <= 0 || area.height() <= 0) return out;
  out.reserve(static_cast<size_t>(area.width()) * static_cast<size_t>(area.height()));
  const auto& all = raster.pixels();
  for (int y = area.top; y <= area.bottom; ++y) {
    const auto row = all.begin() + static_cast<std::ptrdiff_t>(y) * raster.width();
    out.insert(out.end(), row + area.left, row + area.right + 1);
  }
  return out;
}

}  // namespace plv::host
