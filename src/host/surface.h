#pragma once
// A drawing surface in device pixels: the window, the backing bitmap, a
// printer page or a metafile. The host selects a pen and a brush and then
// draws with the pixel rules below; every surface keeps to them.
//
// - line(a, b) draws from a up to but not including b;
// - rectangle(l, t, r, b) covers columns l..r-1 and rows t..b-1: the brush
//   fills it and the pen outlines it;
// - polygon() closes the outline itself and fills by alternate (even-odd)
//   filling;
// - in Mix::kInvert every pixel touched is inverted instead of painted, so
//   drawing the same thing twice removes it.

#include <optional>
#include <span>

#include "host/colour.h"

namespace plv::host {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A solid pen; no pen (nullopt) draws no outline.
struct Pen {
  Rgb colour;
  int width = 1;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class Mix { kCopy, kInvert };

class Surface {
 public:
  virtual ~Surface() = default;
  virtual void select_pen(std::optional<Pen> pen) = 0;
  // No brush (nullopt) leaves the inside of shapes alone.
  virtual void select_brush(std::optional<Rgb> brush) = 0;
  virtual void set_mix(Mix mix) = 0;
  virtual void line(Point from, Point to) = 0;
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  virtual void polygon(std::span<const Point> vertices) = 0;
};

// The window's picture drawn smoothly beside the exact raster, for the
// screen alone: it follows every drawing on the window surface and keeps
// no pixel rule but the inverting mix.
class SmoothSurface : public Surface {
 public:
  virtual void reset(int width, int height, Rgb background) = 0;
  virtual void fill(Rgb colour) = 0;
};

}  // namespace plv::host
