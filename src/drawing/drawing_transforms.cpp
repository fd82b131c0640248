#include "drawing/drawing_transforms.h"

#include <algorithm>

namespace plv {

ViewTransform fit_view(const Extent& e) {
  constexpr double kWidth = 3300, kHeight = 2500, kFlat = 10000.0;
  const double rx = e.xmax - e.xmin == 0 ? kFlat : kWidth / (e.xmax - e.xmin);
  const double ry = e.ymax - e.ymin == 0 ? kFlat : kHeight / (e.ymax - e.ymin);
  ViewTransform v;
  v.scale = 0.99 * std::min(rx, ry);
  v.x_shift = -(e.xmax + e.xmin) * v.scale * 0.5;
  v.y_shift = -(e.ymax + e.ymin) * v.scale * 0.5;
  return v;
}

}  // namespace plv
