#pragma once
// Which pixels of the backing bitmap a saved image holds: all of a
// 640 x 480 bitmap, otherwise the picture's own 7 : 5 area as the window
// shows it, kept within the bitmap.

#include <cstdint>
#include <vector>

#include "host/raster.h"
#include "host/transforms.h"

namespace plv::host {

// Columns left..right and rows top..bottom, both ends included.
struct PixelArea {
  int left = 0, top = 0, right = -1, bottom = -1;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
  friend bool operator==(const PixelArea&, const PixelArea&) = default;
};

PixelArea saved_area(int bitmap_width, int bitmap_height, const WindowTransform& transform);

// The area's pixels, rows from the top.
std::vector<std::uint32_t> pixels_in(const Raster& raster, const PixelArea& area);

}  // namespace plv::host
