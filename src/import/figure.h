#pragma once
// A figure read from another program's page: its marks in page points
// (origin at the page's lower left, y upwards), curves already flattened,
// each mark on the layer of the group it came from.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace plv::import {

struct PagePoint {
  double x = 0, y = 0;
  friend bool operator==(const PagePoint&, const PagePoint&) = default;
};

struct PageBox {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  bool holds(PagePoint p) const { return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax; }
};

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

struct Outline {
  std::vector<PagePoint> points;
  bool closed = false;
  bool curved = false;  // some of it was a curve
};

// An axis-parallel ellipse (a circle when both semi-axes agree) that a
// closed curve of the page traces within the flattening tolerance.
struct PageEllipse {
  PagePoint centre;
  double semi_x = 0, semi_y = 0;
};

struct Stroke {
  Colour colour;
  double width = 0;  // points
  bool dashed = false;
};

struct Mark {
  int layer = 1;
  std::vector<Outline> outlines;
  std::optional<PageEllipse> ellipse;  // when the one outline is exactly that
  std::optional<Stroke> stroke;
  std::optional<Colour> fill;
  bool even_odd = false;
  std::optional<PageBox> clip;  // the box the page clips the mark to
};

struct Text {
  int layer = 1;
  std::string utf8;
  PagePoint start, end;  // the baseline, from the first letter's origin to past the last
  double angle = 0;      // of the baseline, degrees anticlockwise
  double size = 0;       // the font size, points
  Colour colour;
  std::optional<PageBox> clip;
  // Where the figure anchors it: 'S' the start, 'M' the middle, 'E' the
  // end; the middle where the figure does not say (a PDF page never does).
  char anchor = 'M';
};

struct Figure {
  PageBox page;
  std::vector<Mark> marks;
  std::vector<Text> texts;
  int layers = 1;
  int pages = 1;            // pages in the file the figure came from
  long images = 0;          // pictures on the page, which a drawing cannot hold
  long shadings = 0;        // smooth shadings, likewise
  long unreadable_texts = 0;  // texts in fonts without known letters
};

}  // namespace plv::import
