#pragma once
// The paper canvas on a cairo context: the page map goes on top of what
// the context already has.

#include <cairo.h>

#include "publish/page_frame.h"
#include "publish/paper_canvas.h"

namespace plv::publish {

class CairoCanvas final : public PaperCanvas {
 public:
  // Lines `line_width` points wide.
  CairoCanvas(cairo_t* cr, const PageFrame& frame, double line_width);

  void colour(host::Rgb ink) override;
  void move_to(DrawingPoint p) override { cairo_move_to(cr_, p.x, p.y); }
  void line_to(DrawingPoint p) override { cairo_line_to(cr_, p.x, p.y); }
  DrawingPoint current_point() override;
  void arc(DrawingPoint centre, double radius, double from, double to) override;
  void ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) override;
  void rectangle(DrawingPoint corner, Vec size) override { cairo_rectangle(cr_, corner.x, corner.y, size.x, size.y); }
  void close_path() override { cairo_close_path(cr_); }
  void stroke() override { cairo_stroke(cr_); }
  void fill() override { cairo_fill(cr_); }
  void band(DrawingPoint a, DrawingPoint b, double width) override;
  LetterExtent measure(const Typeface& typeface, double size, const std::string& letters) override {
    return measure_letters(cr_, typeface, size, letters);
  }
  void letters(const Typeface& typeface, double size, DrawingPoint origin, int quarter_turns,
               const std::string& letters) override;

 private:
  cairo_t* cr_;
};

}  // namespace plv::publish
