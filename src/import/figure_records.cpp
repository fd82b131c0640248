#include "import/figure_records.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "import/outline_shapes.h"
#include "kinds/box_form.h"
#include "kinds/circle.h"
#include "kinds/colour_mode.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/string.h"
#include "text/utf8.h"

namespace plv::import {
namespace {

constexpr double kCapitalsOfFontSize = 0.72;  // the faces plotting programs use
constexpr double kLargestRgbLevel = 63;
constexpr double kRoundEnough = 0.01;       // of a semi-axis: a circle, not an ellipse
constexpr double kTurnNoticed = 1;          // degrees
constexpr double kWiderNoticed = 1.5;       // a stroke this many lines wide is wide
constexpr double kWidestHalfWidth = kPlotHalfWidth;  // wider covers the plot area anyway

PageBox box_of(const std::vector<PagePoint>& points) {
  PageBox b{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
            std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
  for (const PagePoint& p : points) {
    b.xmin = std::min(b.xmin, p.x), b.xmax = std::max(b.xmax, p.x);
    b.ymin = std::min(b.ymin, p.y), b.ymax = std::max(b.ymax, p.y);
  }
  return b;
}

bool inside(const PageBox& inner, const PageBox& outer) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin && inner.ymax <= outer.ymax;
}
bool apart(const PageBox& a, const PageBox& b) {
  return a.xmax < b.xmin || b.xmax < a.xmin || a.ymax < b.ymin || b.ymax < a.ymin;
}

// Liang and Barsky: the part of a..b inside the box.
std::optional<std::pair<PagePoint, PagePoint>> clipped_segment(PagePoint a, PagePoint b, const PageBox& box) {
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - box.xmin, box.xmax - a.x, a.y - box.ymin, box.ymax - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return std::nullopt;
  }
  return std::pair{PagePoint{a.x + t0 * dx, a.y + t0 * dy}, PagePoint{a.x + t1 * dx, a.y + t1 * dy}};
}

// Sutherland and Hodgman: a polygon cut to the box, edge by edge.
std::vector<PagePoint> clipped_polygon(std::vector<PagePoint> poly, const PageBox& box) {
  const auto cut = [&](auto in, auto cross_at) {
    std::vector<PagePoint> out;
    for (size_t i = 0; i < poly.size(); ++i) {
      const PagePoint a = poly[i], b = poly[(i + 1) % poly.size()];
      if (in(a)) out.push_back(a);
      if (in(a) != in(b)) out.push_back(cross_at(a, b));
    }
    poly = std::move(out);
  };
  const auto at_x = [](double x) {
    return [x](PagePoint a, PagePoint b) { return PagePoint{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
  };
  const auto at_y = [](double y) {
    return [y](PagePoint a, PagePoint b) { return PagePoint{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
  };
  cut([&](PagePoint p) { return p.x >= box.xmin; }, at_x(box.xmin));
  cut([&](PagePoint p) { return p.x <= box.xmax; }, at_x(box.xmax));
  cut([&](PagePoint p) { return p.y >= box.ymin; }, at_y(box.ymin));
  cut([&](PagePoint p) { return p.y <= box.ymax; }, at_y(box.ymax));
  return poly;
}

int nearest_of(const std::array<Colour, 16>& palette, Colour c) {
  int best = 0;
  long best_distance = std::numeric_limits<long>::max();
  for (int i = 0; i < 16; ++i) {
    const Colour p = palette[static_cast<size_t>(i)];
    const long dr = p.red - c.red, dg = p.green - c.green, db = p.blue - c.blue;
    const long d = dr * dr + dg * dg + db * db;
    if (d < best_distance) best = i, best_distance = d;
  }
  return best;
}

long distance(Colour a, Colour b) {
  const long dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
  return dr * dr + dg * dg + db * db;
}

// Latin-1 for the record, letters beyond it as "?".
std::string string_text(std::string_view utf8, long& replaced) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto [c, length] = text::character_at(utf8, i);
    i += length;
    if (c == 0x2212 || c == 0x2010 || c == 0x2013 || c == 0x2014) out += '-';
    else if (c == 0x2018 || c == 0x2019) out += '\'';
    else if (c == 0x201C || c == 0x201D) out += '"';
    else if (c == 0xA0) out += ' ';
    else if (c >= 0x20 && c <= 0xFF && c != 0x7F) out += static_cast<char>(c);
    else {
      out += '?';
      ++replaced;
    }
  }
  return out;
}

class RecordWriter {
 public:
  RecordWriter(const Figure& figure, const RecordStyle& style) : style_(style) {
    scale_ = drawing_units_per_point(figure.page.xmax - figure.page.xmin, figure.page.ymax - figure.page.ymin);
    centre_ = {(figure.page.xmin + figure.page.xmax) / 2, (figure.page.ymin + figure.page.ymax) / 2};
    add(style.colours == ImportColours::kRgb ? rgb_mode_record() : bar_mode_record());
  }
  void mark(const Mark& m);
  void text(const Text& t);
  ImportedRecords finish() { return std::move(out_); }

 private:
  DrawingPoint at(PagePoint p) const { return {(p.x - centre_.x) * scale_, (p.y - centre_.y) * scale_}; }
  DrawingPoint whole(PagePoint p) const {
    const DrawingPoint d = at(p);
    return {std::round(d.x), std::round(d.y)};
  }
  void add(Record r) {
    ++out_.tally.records[std::string(r.code())];
    out_.records.push_back(std::move(r));
  }
  void use_layer(int layer) {
    if (layer == layer_) return;
    layer_ = layer;
    add(layer_record(LayerTransform{layer, 1.0, 0.0, 0.0}));
  }
  void use_colour(Colour c);
  void fill(const Mark& m);
  bool fill_polygon(const std::vector<PagePoint>& polygon);
  void stroke(const Mark& m);
  void stroke_polyline(std::vector<PagePoint> points, bool closed, const Stroke& s, const std::optional<PageBox>& clip);
  // Dashes tell more than width: a dashed stroke is a dashed line.
  int half_width(const Stroke& s) const {
    if (s.dashed) return 0;
    return static_cast<int>(std::lround(std::clamp((s.width - style_.line_width) * scale_ / 2, 0.0, kWidestHalfWidth)));
  }

  const RecordStyle& style_;
  double scale_ = 1;
  PagePoint centre_;
  int layer_ = 0;
  std::optional<Record> colour_;
  ImportedRecords out_;
};

void RecordWriter::use_colour(Colour c) {
  Record r;
  if (style_.colours == ImportColours::kPalette) {
    r = palette_colour_record(nearest_of(style_.palette_on_paper, c));
  } else {
    const auto level = [](std::uint8_t v) { return static_cast<int>(std::lround(v * kLargestRgbLevel / 255)); };
    std::array<int, 3> best{level(c.red), level(c.green), level(c.blue)};
    // Black and white trade places on paper: the nearer of the levels as
    // they are, full white and full black.
    const int top = static_cast<int>(kLargestRgbLevel);
    for (const std::array<int, 3>& other : {std::array<int, 3>{top, top, top}, std::array<int, 3>{0, 0, 0}})
      if (distance(style_.rgb_on_paper(other[0], other[1], other[2]), c) <
          distance(style_.rgb_on_paper(best[0], best[1], best[2]), c))
        best = other;
    r = rgb_colour_record(best[0], best[1], best[2]);
  }
  if (colour_ && *colour_ == r) return;
  colour_ = r;
  add(std::move(r));
}

void RecordWriter::mark(const Mark& m) {
  std::vector<PagePoint> all;
  for (const Outline& o : m.outlines) all.insert(all.end(), o.points.begin(), o.points.end());
  Mark kept = m;
  if (m.clip) {
    const PageBox box = box_of(all);
    if (!inside(box, *m.clip)) {
      if (apart(box, *m.clip)) {
        ++out_.tally.clipped_away;
        return;
      }
      ++out_.tally.clipped;
      kept.ellipse.reset();
    } else {
      kept.clip.reset();
    }
  }
  use_layer(m.layer);
  if (kept.fill) fill(kept);
  if (kept.stroke) stroke(kept);
}

void RecordWriter::fill(const Mark& m) {
  use_colour(*m.fill);
  if (m.outlines.size() == 1 && !m.clip) {
    if (const auto box = traced_rectangle(m.outlines[0])) {
      add(box_record(ElementKind::kFilledRectangle, whole({box->xmin, box->ymin}), whole({box->xmax, box->ymax})));
      return;
    }
  }
  std::vector<std::vector<PagePoint>> polygons;
  for (const Outline& o : m.outlines) {
    auto corners = corners_of(o);
    if (m.clip) corners = clipped_polygon(std::move(corners), *m.clip);
    if (corners.size() >= 3) polygons.push_back(std::move(corners));
  }
  bool separate = !m.even_odd || polygons.size() == 1;
  for (size_t i = 0; separate && i < polygons.size(); ++i)
    for (size_t j = i + 1; separate && j < polygons.size(); ++j)
      separate = apart(box_of(polygons[i]), box_of(polygons[j]));
  for (const auto& polygon : polygons) {
    if (separate && fill_polygon(polygon)) continue;
    ++out_.tally.fills_outlined;
    stroke_polyline(polygon, true, Stroke{*m.fill, 0, false}, std::nullopt);
  }
}

bool RecordWriter::fill_polygon(const std::vector<PagePoint>& polygon) {
  const auto pieces = filling_pieces(polygon);
  if (pieces.empty()) return false;
  if (pieces.size() > 1) ++out_.tally.fills_split;
  for (const auto& piece : pieces) add(quad_record({at(piece[0]), at(piece[1]), at(piece[2]), at(piece[3])}));
  return true;
}

void RecordWriter::stroke(const Mark& m) {
  const Stroke& s = *m.stroke;
  use_colour(s.colour);
  if (m.ellipse) {
    const PageEllipse& e = *m.ellipse;
    if (s.width > style_.line_width * kWiderNoticed || s.dashed) ++out_.tally.wide_curves;
    const DrawingPoint centre = at(e.centre);
    const double sx = e.semi_x * scale_, sy = e.semi_y * scale_;
    if (std::abs(sx - sy) <= kRoundEnough * std::max(sx, sy)) {
      const DrawingPoint c{std::round(centre.x), std::round(centre.y)};
      const DrawingPoint start{c.x + std::round((sx + sy) / 2), c.y};
      add(circle_record(c, start, start));
    } else {
      add(ellipse_record(centre, sx, sy));
    }
    return;
  }
  if (m.outlines.size() == 1 && !m.clip && half_width(s) == 0 && !s.dashed) {
    if (const auto box = traced_rectangle(m.outlines[0]); box && m.outlines[0].closed) {
      add(box_record(ElementKind::kBox, whole({box->xmin, box->ymin}), whole({box->xmax, box->ymax})));
      return;
    }
  }
  for (const Outline& o : m.outlines) {
    if (o.curved) ++out_.tally.curves_flattened;
    stroke_polyline(o.points, o.closed, s, m.clip);
  }
}

void RecordWriter::stroke_polyline(std::vector<PagePoint> points, bool closed, const Stroke& s,
                                   const std::optional<PageBox>& clip) {
  if (closed && !points.empty()) points.push_back(points.front());
  const int half = half_width(s);
  if (s.dashed && s.width > style_.line_width * kWiderNoticed) ++out_.tally.dashed_wide_lines;
  bool drawing = false;  // segments join on at `pen`, where the last one written ended
  bool wrote = false;
  DrawingPoint pen;
  for (size_t i = 1; i < points.size(); ++i) {
    PagePoint a = points[i - 1], b = points[i];
    bool cut_at_start = false;
    if (clip) {
      const auto part = clipped_segment(a, b, *clip);
      if (!part) {
        drawing = false;
        continue;
      }
      cut_at_start = !(part->first == a);
      a = part->first, b = part->second;
    }
    const DrawingPoint from = (drawing && !cut_at_start) ? pen : whole(a), to = whole(b);
    if (from == to) {
      pen = from, drawing = true;
      continue;
    }
    add(half > 0 ? wide_line_record(from, to, half) : line_record(from, to, s.dashed ? 'D' : 'S'));
    pen = to, drawing = true, wrote = true;
    if (clip && !(b == points[i])) drawing = false;
  }
  if (!wrote && points.size() > 1) ++out_.tally.lost_segments;
}

void RecordWriter::text(const Text& t) {
  if (t.clip && !t.clip->holds(t.start)) {
    ++out_.tally.clipped_away;
    return;
  }
  std::string letters = string_text(t.utf8, out_.tally.letters_replaced);
  const size_t first = letters.find_first_not_of(' ');
  if (first == std::string::npos) return;
  letters = letters.substr(first, letters.find_last_not_of(' ') - first + 1);
  if (letters.size() > kStringTextLength) {
    letters.resize(kStringTextLength);
    ++out_.tally.texts_cut;
  }
  use_layer(t.layer);
  use_colour(t.colour);
  const double quarter = std::round(t.angle / 90);
  if (std::abs(t.angle - quarter * 90) > kTurnNoticed) ++out_.tally.texts_turned;
  const int direction = ((static_cast<int>(quarter) % 4) + 4) % 4;
  // Keyed where the figure anchors it (at its middle when the figure does
  // not say), a string stays where the text was whatever the widths of the
  // letters that draw it.
  const DrawingPoint a = at(t.start), b = at(t.end);
  const DrawingPoint key = t.anchor == 'S' ? a : t.anchor == 'E' ? b : DrawingPoint{(a.x + b.x) / 2, (a.y + b.y) / 2};
  StringValues v;
  v.location = {std::round(key.x), std::round(key.y)};
  v.size = string_size_for_capitals(t.size * kCapitalsOfFontSize * scale_);
  v.key_point = t.anchor == 'S' || t.anchor == 'E' ? t.anchor : 'M';
  v.direction = direction;
  v.text = letters;
  add(string_record(v));
}

}  // namespace

double drawing_units_per_point(double page_width, double page_height) {
  if (!(page_width > 0) || !(page_height > 0)) return 1;
  return std::min(2 * kPlotHalfWidth / page_width, 2 * kPlotHalfHeight / page_height);
}

double flattening_tolerance(double page_width, double page_height) {
  return kFlatteningTolerance / drawing_units_per_point(page_width, page_height);
}

ImportedRecords figure_records(const Figure& figure, const RecordStyle& style) {
  RecordWriter writer(figure, style);
  // Marks and texts come in the order the page painted them within each
  // layer; texts go over the marks of their layer.
  size_t next_text = 0;
  for (int layer = 1; layer <= figure.layers; ++layer) {
    for (const Mark& m : figure.marks)
      if (m.layer == layer) writer.mark(m);
    for (; next_text < figure.texts.size() && figure.texts[next_text].layer <= layer; ++next_text)
      if (figure.texts[next_text].layer == layer) writer.text(figure.texts[next_text]);
  }
  return writer.finish();
}

}  // namespace plv::import
