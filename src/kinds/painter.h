#pragma once
// How element kinds draw: points in drawing units (layer transform applied
// by the kind), which the painter takes through the view onto its surface,
// and the colour calls of the colour records. The renderer implements it
// over the graphics kernel; a test can implement it alone.

#include <cmath>
#include <optional>
#include <string_view>

#include "drawing/drawing_transforms.h"
#include "kinds/colour_mode.h"

namespace plv {

struct Vec {
  double x = 0, y = 0;
};
inline DrawingPoint operator+(DrawingPoint p, Vec v) { return {p.x + v.x, p.y + v.y}; }
inline DrawingPoint operator-(DrawingPoint p, Vec v) { return {p.x - v.x, p.y - v.y}; }
inline Vec operator-(DrawingPoint a, DrawingPoint b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(double k, Vec v) { return {k * v.x, k * v.y}; }
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline double length(Vec v) { return std::hypot(v.x, v.y); }
inline Vec unit(Vec v) {  // (0, 0) stays (0, 0)
  const double l = length(v);
  return l == 0 ? Vec{} : Vec{v.x / l, v.y / l};
}
inline Vec left_normal(Vec u) { return {-u.y, u.x}; }

// A stretch of a segment, as fractions of its length from its first point.
struct Span {
  double from = 0, to = 1;
};

// Letters of the stroke font, in plot units: cell, step from one letter
// to the next, and the rotation of the letters' up direction.
struct TextStyle {
  float char_width, char_height;
  float advance_x, advance_y;
  float rotation_s, rotation_c;
};

// Curves and letters a surface may show as what they are. Points and
// lengths are in drawing units after the layer transform; angles in
// radians, counter-clockwise.
struct CircularArc {
  DrawingPoint centre;
  double radius = 0;
  double start_angle = 0;
  double sweep = 0;  // in (0, 2 pi]
};
// Text set in a typeface: `key` is the record's key point, `anchor` where
// along the text it stands (0 the start, 0.5 the middle, 1 the end).
struct StringRun {
  DrawingPoint key;
  double anchor = 0;
  double size = 0;    // the record's size after the layer scale
  int direction = 0;  // 0 along +x, 1 +y, 2 -x, 3 -y
  std::string_view text;
};

class Painter {
 public:
  virtual ~Painter() = default;

  // Lines through the view and the kernel's top layer, which stretches y
  // by the aspect factor.
  virtual void move(DrawingPoint p) = 0;
  virtual void draw(DrawingPoint p) = 0;
  void line(DrawingPoint a, DrawingPoint b) {
    move(a);
    draw(b);
  }
  // Lines whose y the painter stretches by the aspect factor itself.
  virtual void direct_move(DrawingPoint p) = 0;
  virtual void direct_draw(DrawingPoint p) = 0;
  // Corners in drawing units; flags as the record holds them.
  virtual void filled_box(DrawingPoint a, DrawingPoint b, int edge_flags) = 0;
  virtual void filled_quad(const DrawingPoint (&corners)[4]) = 0;
  // The first `length` characters of `text`, starting at `start` (drawing
  // units, through the view) moved on by `offset` (plot units).
  virtual void text(DrawingPoint start, Vec offset, const TextStyle& style, std::string_view text, int length) = 0;

  // Surfaces that show curves, bands and typefaces as such take them here
  // and say so; the kinds otherwise draw them from lines and the stroke
  // font. The arc's y is not stretched; the ellipse's is.
  virtual bool true_arc(const CircularArc&) { return false; }
  virtual bool true_ellipse(DrawingPoint /*centre*/, double /*semi_axis_x*/, double /*semi_axis_y*/) { return false; }
  // A solid band whose edges run `across` apart, centred on a to b.
  virtual bool band(DrawingPoint /*a*/, DrawingPoint /*b*/, double /*across*/) { return false; }
  virtual bool typeset(const StringRun&) { return false; }

  // The part of the segment from a to b that can show, with a margin;
  // nothing when none can.
  virtual std::optional<Span> visible_part(DrawingPoint a, DrawingPoint b) const = 0;
  virtual double view_scale() const = 0;

  // Colour modes and colours as the colour records give them.
  virtual void colour_mode(ColourMode mode) = 0;
  virtual void colour(int index) = 0;
  virtual void colour_rgb(float red, float green, float blue) = 0;
  virtual void colour_grey(int level) = 0;
  virtual void colour_scale(int scale, float value) = 0;

  // Around a message on the text screen: the picture is left, then taken
  // up again keeping what it holds.
  virtual void leave_picture() = 0;
  virtual void resume_picture() = 0;
};

}  // namespace plv
