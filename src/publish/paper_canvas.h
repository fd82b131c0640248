#pragma once
// Where the paper painter's paths and letters go: a cairo surface (EPS,
// PostScript, pictures, and measuring what a page holds), or a PDF or SVG
// page of our own. Points are in drawing units; each canvas carries the
// page's map from them to page points, strokes with round ends and joins,
// and fills even-odd.

#include <string>

#include "kinds/painter.h"
#include "host/colour.h"
#include "publish/typefaces.h"

namespace plv::publish {

// Drawing units to this many decimals lie far within a dot of any printer.
inline constexpr int kDecimals = 3;

class PaperCanvas {
 public:
  virtual ~PaperCanvas() = default;
  // The colour of what is stroked and filled from now on.
  virtual void colour(host::Rgb ink) = 0;

  virtual void move_to(DrawingPoint p) = 0;
  virtual void line_to(DrawingPoint p) = 0;
  virtual DrawingPoint current_point() = 0;
  // A new piece of the path: the arc of the circle round `centre` from
  // angle `from` to `to` (radians, turning towards positive angles).
  virtual void arc(DrawingPoint centre, double radius, double from, double to) = 0;
  // A new, closed piece of the path: the ellipse with these semi-axes.
  virtual void ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) = 0;
  virtual void rectangle(DrawingPoint corner, Vec size) = 0;
  virtual void close_path() = 0;
  virtual void stroke() = 0;
  virtual void fill() = 0;
  // The segment from `a` to `b` stroked alone, `width` wide with square-cut
  // ends; the path is left as it was.
  virtual void band(DrawingPoint a, DrawingPoint b, double width) = 0;

  virtual LetterExtent measure(const Typeface& typeface, double size, const std::string& letters) = 0;
  // `letters` (UTF-8) set upright at `size`, their baseline starting at
  // `origin` and turned `quarter_turns` counter-clockwise.
  virtual void letters(const Typeface& typeface, double size, DrawingPoint origin, int quarter_turns,
                       const std::string& letters) = 0;
};

// A canvas for pages that know straight lines and cubic curves: circles
// and ellipses are drawn as curves through `curve_to`.
class CurvesCanvas : public PaperCanvas {
 public:
  void arc(DrawingPoint centre, double radius, double from, double to) final;
  void ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) final;

 protected:
  // From the current point to `end`, pulled towards `c1` and `c2`.
  virtual void curve_to(DrawingPoint c1, DrawingPoint c2, DrawingPoint end) = 0;
};

}  // namespace plv::publish
