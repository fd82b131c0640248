#pragma once
// A host surface over a QPainter: the printer's page. What the picture
// replays onto it reaches the printer as lines and shapes, not as pixels.

#include <QPainter>
#include <optional>
#include <span>

#include "host/surface.h"

namespace plv::host {

class PainterSurface final : public Surface {
 public:
  explicit PainterSurface(QPainter& painter) : painter_(painter) {}

  void select_pen(std::optional<Pen> pen) override;
  void select_brush(std::optional<Rgb> brush) override;
  // Printers draw over what is there; they cannot invert it.
  void set_mix(Mix) override {}
  void line(Point from, Point to) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void polygon(std::span<const Point> vertices) override;

 private:
  QPainter& painter_;
};

}  // namespace plv::host
