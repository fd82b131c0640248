#pragma once
// Layer and view transforms of drawing points, and fitting the view to a
// drawing's extent.

#include "kinds/render_state.h"

namespace plv {

struct DrawingPoint {
  double x = 0, y = 0;
  friend bool operator==(const DrawingPoint&, const DrawingPoint&) = default;
};

struct Extent {
  double xmin, xmax, ymin, ymax;
  friend bool operator==(const Extent&, const Extent&) = default;
};

inline DrawingPoint apply_layer(const LayerTransform& t, DrawingPoint p) {
  return {t.scale * p.x + t.x_shift, t.scale * p.y + t.y_shift};
}
inline DrawingPoint invert_layer(const LayerTransform& t, DrawingPoint p) {
  return {(p.x - t.x_shift) / t.scale, (p.y - t.y_shift) / t.scale};
}
inline DrawingPoint apply_view(const ViewTransform& v, DrawingPoint p) {
  return {v.scale * p.x + v.x_shift, v.scale * p.y + v.y_shift};
}

// The drawing centred, filling 99 % of the window in its tighter direction.
ViewTransform fit_view(const Extent& extent);

}  // namespace plv
