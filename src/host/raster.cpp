#include "host/raster.h"

#include <algorithm>
#include <utility>

namespace plv::host {

Raster::Raster(int width, int height, Rgb fill) { reset(width, height, fill); }

void Raster::reset(int width, int height, Rgb fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), pack(fill));
}

void Raster::fill(Rgb colour) { std::fill(pixels_.begin(), pixels_.end(), pack(colour)); }

void Raster::copy_pixels_from(const Raster& other) {
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = other.pixels_;
}

void Raster::span(int y, int x0, int x1, std::uint32_t colour) {
  if (y < 0 || y >= height_) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, width_ - 1);
  if (x0 > x1) return;
  std::uint32_t* row = pixels_.data() + index(0, y);
  if (mix_ == Mix::kInvert) {
    for (int x = x0; x <= x1; ++x) row[x] = ~row[x] & 0xFFFFFFu;
  } else {
    std::fill(row + x0, row + x1 + 1, colour);
  }
}

void Raster::fill_box(int left, int top, int right, int bottom, std::uint32_t colour) {
  for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y) span(y, left, right, colour);
}

void Raster::rectangle(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // The covered area is left..right-1 by top..bottom-1.
  --right;
  --bottom;
  if (left > right || top > bottom) return;
  if (!pen_) {
    if (brush_) fill_box(left, top, right, bottom, pack(*brush_));
    return;
  }
  // The pen's frame lies inside the rectangle; the brush fills what it leaves.
  const int w = std::max(pen_->width, 1);
  const std::uint32_t ink = pack(pen_->colour);
  if (right - left + 1 <= 2 * w || bottom - top + 1 <= 2 * w) {
    fill_box(left, top, right, bottom, ink);
    return;
  }
  fill_box(left, top, right, top + w - 1, ink);
  fill_box(left, bottom - w + 1, right, bottom, ink);
  fill_box(left, top + w, left + w - 1, bottom - w, ink);
  fill_box(right - w + 1, top + w, right, bottom - w, ink);
  if (brush_) fill_box(left + w, top + w, right - w, bottom - w, pack(*brush_));
}

void Raster::line(Point from, Point to) {
  if (!pen_) return;
  if (pen_->width <= 1) {
    thin_line(from, to, pack(pen_->colour));
  } else {
    wide_line(from, to, *pen_);
  }
}

void Raster::polygon(std::span<const Point> vertices) {
  if (vertices.empty()) return;
  if (brush_) fill_polygon(vertices, pack(*brush_));
  if (!pen_) return;
  for (std::size_t i = 0; i < vertices.size(); ++i) line(vertices[i], vertices[(i + 1) % vertices.size()]);
}

}  // namespace plv::host
