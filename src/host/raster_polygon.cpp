// Filled polygons on the raster by alternate (even-odd) filling: a pixel
// is inside when a ray from its centre crosses the outline an odd number
// of times. The outline closes itself from the last vertex to the first.

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/raster.h"

namespace plv::host {

void Raster::fill_polygon(std::span<const Point> vertices, std::uint32_t colour) {
  if (vertices.size() < 3) return;
  int top = vertices[0].y;
  int bottom = vertices[0].y;
  for (const Point& v : vertices) {
    top = std::min(top, v.y);
    bottom = std::max(bottom, v.y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, height_);
  std::vector<double> crossings;
  crossings.reserve(vertices.size());
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      const Point a = vertices[i];
      const Point b = vertices[(i + 1) % vertices.size()];
      if (a.y == b.y) continue;
      const double y0 = std::min(a.y, b.y);
      const double y1 = std::max(a.y, b.y);
      if (yc < y0 || yc >= y1) continue;
      crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixel x is inside when its centre x + 0.5 lies in [left, right).
      const int first = static_cast<int>(std::ceil(crossings[i] - 0.5));
      const int last = static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1;
      span(y, first, last, colour);
    }
  }
}

}  // namespace plv::host
