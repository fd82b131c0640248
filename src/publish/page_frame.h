#pragma once
// Where a translated drawing lands on its page: the part of the drawing
// the page shows (the frame, in drawing units), the page's size in points,
// and the map from drawing units to page points (y downwards, as the page
// libraries take it).

#include <array>
#include <optional>

#include "drawing/drawing_transforms.h"

namespace plv::publish {

inline constexpr double kPointsPerCentimetre = 72.0 / 2.54;

// A picture's width runs across a portrait page and up a landscape one,
// whose picture is turned a quarter turn counter-clockwise.
enum class Orientation { kPortrait, kLandscape };

struct PageFrame {
  Extent frame;            // drawing units
  double scale = 1;        // points per drawing unit
  double width = 0;        // the page, in points
  double height = 0;
  Orientation orientation = Orientation::kPortrait;

  // The page point of a drawing point.
  DrawingPoint to_page(DrawingPoint p) const;
  // The same map as the six numbers of an affine matrix {xx, yx, xy, yy,
  // x0, y0}, as page libraries take it.
  std::array<double, 6> page_map() const;
};

// The box draw-all fits the view to, with the margin it leaves round it,
// widened to take in `ink` (what the drawing puts on the page, strokes and
// letters included), and kept from being a line or a point. Its width
// becomes `width_cm` on the page.
PageFrame frame_page(const Extent& extent, const std::optional<Extent>& ink, double width_cm, Orientation orientation);

}  // namespace plv::publish
