#include "host/vector_surface.h"

#include <vector>

namespace plv::host {
namespace {

image::VectorColour colour_of(Rgb c) { return {c.red, c.green, c.blue}; }

}  // namespace

void VectorSurface::select_pen(std::optional<Pen> pen) {
  if (!pen) return page_.select_pen(std::nullopt);
  page_.select_pen(image::VectorPen{colour_of(pen->colour), pen->width});
}

void VectorSurface::select_brush(std::optional<Rgb> brush) {
  if (!brush) return page_.select_brush(std::nullopt);
  page_.select_brush(colour_of(*brush));
}

void VectorSurface::set_mix(Mix mix) { page_.set_invert(mix == Mix::kInvert); }

void VectorSurface::line(Point from, Point to) { page_.line({from.x, from.y}, {to.x, to.y}); }

void VectorSurface::rectangle(int left, int top, int right, int bottom) { page_.rectangle(left, top, right, bottom); }

void VectorSurface::polygon(std::span<const Point> vertices) {
  std::vector<image::VectorPoint> points;
  points.reserve(vertices.size());
  for (const Point& p : vertices) points.push_back({p.x, p.y});
  page_.polygon(points);
}

}  // namespace plv::host
