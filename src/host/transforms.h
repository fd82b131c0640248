#pragma once
// The two ways plot coordinates become device pixels.
//
// Plot space is 3500 x 2500 units, x from -1750 to 1750, y from -1250 to
// 1250, y upwards. The window shows it as large as fits with its 7 : 5 shape
// kept, centred; printers and metafiles get an explicit scale and centre.

#include <cstdint>

#include "host/surface.h"

namespace plv::host {

inline constexpr int kPlotWidth = 3500;
inline constexpr int kPlotHeight = 2500;

class WindowTransform {
 public:
  // The picture scale for a client area of width x height pixels.
  static WindowTransform for_client(int width, int height);

  // Rounds each product half away from zero. Remembers the pair it gave.
  Point to_pixel(int a, int b) const;
  // The inverse, for the pointer. A pixel that was just given by to_pixel
  // comes back as exactly the plot point it was made from.
  Point to_plot(int x, int y) const;

  int multiplier() const { return multiplier_; }
  int divisor() const { return divisor_; }
  Point centre() const { return centre_; }

 private:
  int multiplier_ = 1;
  int divisor_ = kPlotWidth;
  Point centre_;
  mutable Point cached_plot_{-32000, -32000};
  mutable Point cached_pixel_{-32000, -32000};
};

// Printer pages and metafiles: x = a * width / 3500 + centre x and
// y = b * height / -2500 + centre y, truncating; landscape exchanges x and y
// afterwards, a quarter turn clockwise on the page.
struct OutputTransform {
  int width = kPlotWidth;
  int width_divisor = kPlotWidth;
  int height = kPlotHeight;  // negated by the caller for landscape pages
  int height_divisor = kPlotHeight;
  Point centre{kPlotWidth / 2, kPlotHeight / 2};
  bool landscape = false;

  Point to_device(int a, int b) const;
};

}  // namespace plv::host
