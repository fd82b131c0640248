#pragma once
// Layer, view and paste transforms of drawing points.

namespace plv {

// A layer's number and how its points are placed: scaled, then shifted.
struct LayerTransform {
  int layer = 0;
  double scale = 1.0, x_shift = 0.0, y_shift = 0.0;
};

// Zoom and drag: how the drawing lies in the window.
struct ViewTransform {
  double scale = 1.0, x_shift = 0.0, y_shift = 0.0;
};

// Shift, scale and rotation the paste menu applies to the buffer.
struct PasteTransform {
  double shift_x = 0, shift_y = 0;
  double scale_x = 1, scale_y = 1;
  double rotation = 0, cos = 1, sin = 0;  // degrees, and its cosine and sine
};

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

}  // namespace plv
