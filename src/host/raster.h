#pragma once
// A surface of pixels in memory: the window's picture and the backing
// bitmap are rasters. Pixels are 0x00RRGGBB, row by row from the top.
// Anything drawn outside the raster is clipped away.

#include <cstdint>
#include <optional>
#include <vector>

#include "host/surface.h"
#include "image/pixels.h"

namespace plv::host {

class Raster final : public Surface {
 public:
  Raster() = default;
  Raster(int width, int height, Rgb fill = kWhite);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb pixel(int x, int y) const { return unpack(pixels_[index(x, y)]); }
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
  // The pixels as the image encoders read them.
  image::Pixels image() const { return {width_, height_, pixels_}; }

  // Fills every pixel, whatever the pen, brush and mix.
  void fill(Rgb colour);
  // Replaces the pixels by a width x height area filled with one colour.
  void reset(int width, int height, Rgb fill);
  // Takes the other raster's size and pixels (a block copy of the picture).
  void copy_pixels_from(const Raster& other);

  void select_pen(std::optional<Pen> pen) override { pen_ = pen; }
  void select_brush(std::optional<Rgb> brush) override { brush_ = brush; }
  void set_mix(Mix mix) override { mix_ = mix; }
  void line(Point from, Point to) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void polygon(std::span<const Point> vertices) override;

  std::optional<Pen> pen() const { return pen_; }
  std::optional<Rgb> brush() const { return brush_; }
  Mix mix() const { return mix_; }

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  // Paints (or inverts) columns x0..x1 of row y, clipped.
  void span(int y, int x0, int x1, std::uint32_t colour);
  void thin_line(Point from, Point to, std::uint32_t colour);
  void wide_line(Point from, Point to, const Pen& pen);
  void fill_box(int left, int top, int right, int bottom, std::uint32_t colour);
  void fill_polygon(std::span<const Point> vertices, std::uint32_t colour);

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
  std::optional<Pen> pen_;
  std::optional<Rgb> brush_;
  Mix mix_ = Mix::kCopy;
};

}  // namespace plv::host
