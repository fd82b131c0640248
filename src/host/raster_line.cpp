// Lines on the raster. Every line leaves out its end point, so the segments
// of a polyline meet without painting (or inverting) a pixel twice.

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

#include "host/raster.h"

namespace plv::host {
namespace {

// Walks the pixels of a line from `from` up to but not including `to`
// (Bresenham), handing each to visit(x, y).
template <typename Visit>
void walk_line(Point from, Point to, Visit&& visit) {
  const int dx = std::abs(to.x - from.x);
  const int dy = std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  int x = from.x;
  int y = from.y;
  if (dx >= dy) {
    int err = dx / 2;
    for (int i = 0; i < dx; ++i) {
      visit(x, y);
      x += sx;
      err -= dy;
      if (err < 0) {
        y += sy;
        err += dx;
      }
    }
  } else {
    int err = dy / 2;
    for (int i = 0; i < dy; ++i) {
      visit(x, y);
      y += sy;
      err -= dx;
      if (err < 0) {
        x += sx;
        err += dy;
      }
    }
  }
}

}  // namespace

void Raster::thin_line(Point from, Point to, std::uint32_t colour) {
  const bool inside = from.x >= 0 && from.x < width_ && from.y >= 0 && from.y < height_ && to.x >= 0 &&
                      to.x < width_ && to.y >= 0 && to.y < height_;
  std::uint32_t* data = pixels_.data();
  const int w = width_;
  const int h = height_;
  if (inside && mix_ == Mix::kCopy) {
    walk_line(from, to, [&](int x, int y) { data[y * w + x] = colour; });
  } else if (mix_ == Mix::kCopy) {
    walk_line(from, to, [&](int x, int y) {
      if (x >= 0 && x < w && y >= 0 && y < h) data[y * w + x] = colour;
    });
  } else {
    walk_line(from, to, [&](int x, int y) {
      if (x >= 0 && x < w && y >= 0 && y < h) data[y * w + x] = ~data[y * w + x] & 0xFFFFFFu;
    });
  }
}

// A wide pen is a square of width x width pixels carried along the line.
// The union it sweeps is collected as one span per row and painted once,
// so an inverting wide line still inverts each pixel exactly once.
void Raster::wide_line(Point from, Point to, const Pen& pen) {
  if (from == to) return;
  const int before = (pen.width - 1) / 2;
  const int after = pen.width / 2;
  const int top = std::min(from.y, to.y) - before;
  const int rows = std::abs(to.y - from.y) + pen.width;
  std::vector<int> lo(static_cast<std::size_t>(rows), std::numeric_limits<int>::max());
  std::vector<int> hi(static_cast<std::size_t>(rows), std::numeric_limits<int>::min());
  walk_line(from, to, [&](int x, int y) {
    for (int r = y - before; r <= y + after; ++r) {
      auto& l = lo[static_cast<std::size_t>(r - top)];
      auto& h = hi[static_cast<std::size_t>(r - top)];
      l = std::min(l, x - before);
      h = std::max(h, x + after);
    }
  });
  const std::uint32_t colour = pack(pen.colour);
  for (int i = 0; i < rows; ++i) {
    if (lo[static_cast<std::size_t>(i)] <= hi[static_cast<std::size_t>(i)]) {
      span(top + i, lo[static_cast<std::size_t>(i)], hi[static_cast<std::size_t>(i)], colour);
    }
  }
}

}  // namespace plv::host
