#pragma once
// The window's picture drawn antialiased into an image of device pixels,
// beside the exact raster. Pens widen with the display's pixel ratio so a
// line looks as wide on a high-resolution screen as on an ordinary one.
// Inverted drawing (rubber bands) stays exact, so drawing it twice removes it.

#include <QImage>
#include <QPainter>
#include <optional>

#include "host/surface.h"

namespace plv::host {

class SmoothImage final : public SmoothSurface {
 public:
  void set_pixel_ratio(qreal ratio) { ratio_ = ratio; }

  void reset(int width, int height, Rgb background) override;
  void fill(Rgb colour) override;
  void select_pen(std::optional<Pen> pen) override { pen_ = pen; tools_changed_ = true; }
  void select_brush(std::optional<Rgb> brush) override { brush_ = brush; tools_changed_ = true; }
  void set_mix(Mix mix) override { mix_ = mix; tools_changed_ = true; }
  void line(Point from, Point to) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void polygon(std::span<const Point> vertices) override;

  // What is drawn so far; drawing goes on afterwards.
  const QImage& image();

 private:
  // The painter, ready with the current pen, brush and mix.
  QPainter& painter();

  QImage image_;
  std::optional<QPainter> painter_;
  qreal ratio_ = 1.0;
  std::optional<Pen> pen_;
  std::optional<Rgb> brush_;
  Mix mix_ = Mix::kCopy;
  bool tools_changed_ = true;
};

}  // namespace plv::host
