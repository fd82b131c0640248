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

struct DrawingPoint {
  double x = 0, y = 0;
  friend bool operator==(const DrawingPoint&, const DrawingPoint&) = default;
};

// Shift, scale and rotation the paste menu applies to the buffer.
struct PasteTransform {
  double shift_x = 0, shift_y = 0;
  double scale_x = 1, scale_y = 1;
  double rotation = 0, cos = 1, sin = 0;  // degrees, and its cosine and sine
};

// Where a buffer point lands when pasted point by point: through the
// buffer's own layer transform, turned about the buffer's centre (not when
// the rotation's cosine is 1), scaled, then shifted.
struct PastePlacement {
  PasteTransform paste;
  LayerTransform buffer_layer;
  DrawingPoint centre;

  DrawingPoint place(DrawingPoint p) const {
    p = {buffer_layer.scale * p.x + buffer_layer.x_shift, buffer_layer.scale * p.y + buffer_layer.y_shift};
    if (paste.cos != 1) {
      const double dx = p.x - centre.x, dy = p.y - centre.y;
      p = {paste.cos * dx - paste.sin * dy + centre.x, paste.sin * dx + paste.cos * dy + centre.y};
    }
    return {p.x * paste.scale_x + paste.shift_x, p.y * paste.scale_y + paste.shift_y};
  }
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
