// The printed page: calls are in dots; the content is in points with y
// running down, each point on a grid of 1/256 point, written to three
// decimals. That is the grid of cairo, which once made this page: on it a
// picture falls on the same pixels as it always did. Where the host's
// pixel rules speak of pixels, a dot here is the unit square at
// (x, y)..(x + 1, y + 1): fills run along dot edges, and lines and
// outlines run through dot centres, so a one-dot line covers the dots the
// host's raster would paint.

#include <algorithm>
#include <cmath>

#include "image/pdf_file.h"
#include "image/vector_page.h"

namespace plv::image {
namespace {

int pen_width(const VectorPen& pen) { return std::max(pen.width, 1); }

class PdfPage final : public VectorPage {
 public:
  PdfPage(PageSink sink, std::string_view title, int width_dots, int height_dots, int dots_per_inch)
      : points_per_dot_(72.0 / std::max(dots_per_inch, 1)),
        width_dots_(std::max(width_dots, 1)),
        height_dots_(std::max(height_dots, 1)),
        file_(std::move(sink), title, width_dots_ * points_per_dot_, height_dots_ * points_per_dot_),
        ops_(file_.ops()) {
    // Points, y downwards.
    append_numbers(ops_, {1, 0, 0, -1, 0, height_dots_ * points_per_dot_});
    ops_ += "cm\n";
    // Inverting needs something to invert: the paper is painted white,
    // rather than left to whatever a viewer puts behind the page.
    fill_box(0, 0, width_dots_, height_dots_, VectorColour{255, 255, 255});
  }

  void select_pen(std::optional<VectorPen> pen) override { pen_ = pen; }
  void select_brush(std::optional<VectorColour> brush) override { brush_ = brush; }
  void set_invert(bool invert) override { invert_ = invert; }

  void line(VectorPoint from, VectorPoint to) override {
    if (file_.finished() || !pen_ || (from.x == to.x && from.y == to.y)) return;
    // The host paints the dots from `from` up to the one before `to`. The
    // line runs through the dot centres moved back half a step along it,
    // so a level or upright line covers exactly those dots.
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double step = 2 * std::max(std::abs(dx), std::abs(dy));
    const double back_x = dx / step, back_y = dy / step;
    stroke_with(*pen_);
    point(from.x + 0.5 - back_x, from.y + 0.5 - back_y);
    ops_ += "m ";
    point(to.x + 0.5 - back_x, to.y + 0.5 - back_y);
    ops_ += "l S\n";
    drawn();
  }

  void rectangle(int left, int top, int right, int bottom) override {
    if (file_.finished()) return;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left == right || top == bottom) return;
    if (!pen_) {
      if (brush_) fill_box(left, top, right, bottom, *brush_);
      return;
    }
    // The pen's frame lies inside the rectangle and the brush fills what it
    // leaves, as on the raster; neither overlaps the other, so an inverting
    // rectangle inverts each dot once.
    const int w = pen_width(*pen_);
    if (right - left <= 2 * w || bottom - top <= 2 * w) {
      fill_box(left, top, right, bottom, pen_->colour);
      return;
    }
    const double half = w / 2.0;
    stroke_with(*pen_);
    box(left + half, top + half, right - left - w, bottom - top - w);
    ops_ += "re S\n";
    drawn();
    if (brush_) fill_box(left + w, top + w, right - w, bottom - w, *brush_);
  }

  void polygon(std::span<const VectorPoint> vertices) override {
    if (file_.finished() || vertices.empty()) return;
    if (brush_ && vertices.size() >= 3) {
      fill_with(*brush_);
      path(vertices, 0);
      ops_ += "h f*\n";
      drawn();
    }
    if (pen_ && vertices.size() >= 2) {
      stroke_with(*pen_);
      path(vertices, 0.5);
      ops_ += "h S\n";
      drawn();
    }
  }

  bool picture(const Pixels& pixels, int left, int top, int width, int height) override {
    if (file_.finished() || pixels.width <= 0 || pixels.height <= 0 || width <= 0 || height <= 0) return false;
    const std::string name = file_.picture(pixels);
    ops_ += "q ";
    const double d = points_per_dot_;
    append_numbers(ops_, {width * d, 0, 0, -height * d, left * d, (top + height) * d});
    ops_ += "cm " + name + " Do Q\n";
    return true;
  }

  std::vector<std::uint8_t> finish() override {
    file_.finish();
    return {};
  }

 private:
  void drawn() { file_.drawn(); }

  // A point of the page, in dots, on the grid.
  double on_grid(double dots) const { return std::nearbyint(dots * points_per_dot_ * 256) / 256; }
  void point(double x, double y) {
    append_number(ops_, on_grid(x), 3);
    ops_ += ' ';
    append_number(ops_, on_grid(y), 3);
    ops_ += ' ';
  }
  // A rectangle's corner and its size, each on the grid.
  void box(double left, double top, double width, double height) {
    for (const double v : {on_grid(left), on_grid(top), on_grid(width), on_grid(height)}) {
      append_number(ops_, v, 3);
      ops_ += ' ';
    }
  }

  void path(std::span<const VectorPoint> vertices, double shift) {
    const char* op = "m ";
    for (const VectorPoint& v : vertices) {
      point(v.x + shift, v.y + shift);
      ops_ += op;
      op = "l ";
    }
  }

  // Inverting is white under the difference blend: 1 - c for each
  // component, so painting the same thing twice gives the paper back.
  void blend(bool invert) {
    if (invert == blend_inverts_) return;
    blend_inverts_ = invert;
    if (invert) file_.group_for_inverting();
    ops_ += invert ? "/Invert gs\n" : "/Paint gs\n";
  }

  static bool set_colour(std::optional<VectorColour>& held, VectorColour c, const char* op, std::string& ops) {
    if (held == c) return false;
    held = c;
    append_numbers(ops, {c.red / 255.0, c.green / 255.0, c.blue / 255.0});
    ops += op;
    return true;
  }

  VectorColour ink(VectorColour c) {
    blend(invert_);
    return invert_ ? VectorColour{255, 255, 255} : c;
  }

  void stroke_with(const VectorPen& pen) {
    set_colour(stroke_colour_, ink(pen.colour), "RG\n", ops_);
    const int w = pen_width(pen);
    if (w != line_width_) {
      line_width_ = w;
      append_number(ops_, w * points_per_dot_);
      ops_ += " w\n";
    }
  }

  void fill_with(VectorColour c) { set_colour(fill_colour_, ink(c), "rg\n", ops_); }

  void fill_box(int left, int top, int right, int bottom, VectorColour c) {
    fill_with(c);
    box(left, top, right - left, bottom - top);
    ops_ += "re f\n";
    drawn();
  }

  double points_per_dot_;
  int width_dots_, height_dots_;
  PdfFile file_;
  std::string& ops_;

  std::optional<VectorPen> pen_;
  std::optional<VectorColour> brush_;
  bool invert_ = false;
  // What the content has set so far, so each is set only when it changes.
  std::optional<VectorColour> stroke_colour_, fill_colour_;
  int line_width_ = 0;  // dots; none set yet
  bool blend_inverts_ = false;
};

// The same page gathered in memory, for finish() to hand over.
class PdfBytes final : public VectorPage {
 public:
  PdfBytes(std::string_view title, int width_dots, int height_dots, int dots_per_inch)
      : page_([this](std::string_view b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }, title, width_dots,
              height_dots, dots_per_inch) {}
  void select_pen(std::optional<VectorPen> pen) override { page_.select_pen(pen); }
  void select_brush(std::optional<VectorColour> brush) override { page_.select_brush(brush); }
  void set_invert(bool invert) override { page_.set_invert(invert); }
  void line(VectorPoint from, VectorPoint to) override { page_.line(from, to); }
  void rectangle(int left, int top, int right, int bottom) override { page_.rectangle(left, top, right, bottom); }
  void polygon(std::span<const VectorPoint> vertices) override { page_.polygon(vertices); }
  bool picture(const Pixels& pixels, int left, int top, int width, int height) override {
    return page_.picture(pixels, left, top, width, height);
  }
  std::vector<std::uint8_t> finish() override {
    page_.finish();
    return std::move(bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
  PdfPage page_;
};

}  // namespace

std::unique_ptr<VectorPage> make_pdf_page(std::string_view title, int width_dots, int height_dots, int dots_per_inch) {
  return std::make_unique<PdfBytes>(title, width_dots, height_dots, dots_per_inch);
}

std::unique_ptr<VectorPage> make_pdf_page(PageSink sink, std::string_view title, int width_dots, int height_dots,
                                          int dots_per_inch) {
  return std::make_unique<PdfPage>(std::move(sink), title, width_dots, height_dots, dots_per_inch);
}

}  // namespace plv::image
