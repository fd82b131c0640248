#pragma once
// Vector pictures built call by call, as the host replays its plot buffer
// onto them: an enhanced metafile, or a PDF page. Coordinates are whole
// device units with y downwards; the pixel rules are the host surfaces'
// (a line leaves out its last point, a rectangle covers left..right-1 and
// top..bottom-1, polygons fill even-odd and close themselves).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/pixels.h"

namespace plv::image {

struct VectorColour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const VectorColour&, const VectorColour&) = default;
};

struct VectorPen {
  VectorColour colour;
  int width = 1;  // device units; 0 or 1 is the thinnest line
};

struct VectorPoint {
  int x = 0, y = 0;
};

class VectorPage {
 public:
  virtual ~VectorPage() = default;
  // No pen draws no outlines; no brush leaves shapes unfilled.
  virtual void select_pen(std::optional<VectorPen> pen) = 0;
  virtual void select_brush(std::optional<VectorColour> brush) = 0;
  // Inverting instead of painting (what the window's feedback uses).
  virtual void set_invert(bool invert) = 0;
  virtual void line(VectorPoint from, VectorPoint to) = 0;
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  virtual void polygon(std::span<const VectorPoint> vertices) = 0;
  // A picture stretched over the box at (left, top), `width` x `height`
  // device units; false when the page takes no pictures.
  virtual bool picture(const Pixels& /*pixels*/, int /*left*/, int /*top*/, int /*width*/, int /*height*/) {
    return false;
  }
  // The finished file's bytes (none from a page that hands them to a sink
  // as it goes); the page takes no more calls after it.
  virtual std::vector<std::uint8_t> finish() = 0;
};

// An enhanced metafile whose logical units are device units of a reference
// device of `units_per_inch` in both directions; `description` goes into its
// header. The header's bounds and frame cover what was drawn.
std::unique_ptr<VectorPage> make_emf_page(std::string_view description, int units_per_inch);

// One PDF page of `width_dots` x `height_dots` at `dots_per_inch`, titled
// `title`; the page is that size (a dot is 72 / dots_per_inch points).
std::unique_ptr<VectorPage> make_pdf_page(std::string_view title, int width_dots, int height_dots, int dots_per_inch);

// Where a page's bytes go, in order, as they are made.
using PageSink = std::function<void(std::string_view bytes)>;

// The same page handed to `sink` as it is drawn, so that however much is
// drawn on it, the page holds no more than a small block of its content.
std::unique_ptr<VectorPage> make_pdf_page(PageSink sink, std::string_view title, int width_dots, int height_dots,
                                          int dots_per_inch);

}  // namespace plv::image
