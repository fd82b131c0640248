#pragma once
// The element kinds' painter onto a vector page: lines, curves and filled
// shapes as paths in drawing units, letters in the stroke font or a real
// typeface, colours as they go on paper.

#include <optional>

#include "kinds/painter.h"
#include "publish/page_frame.h"
#include "publish/paper_canvas.h"
#include "publish/paper_colours.h"
#include "publish/typefaces.h"

namespace plv::publish {

struct PaperStyle {
  double line_width = 0;               // points
  bool in_colour = false;
  std::optional<Typeface> typeface;    // none: the stroke font
};

class PaperPainter final : public Painter {
 public:
  // Draws on `canvas`, whose page `frame` describes; `finish` must follow
  // the last element.
  PaperPainter(PaperCanvas& canvas, const PageFrame& frame, const PaperStyle& style);
  void finish() { stroke_path(); }

  void move(DrawingPoint p) override;
  void draw(DrawingPoint p) override;
  void direct_move(DrawingPoint p) override { move(p); }
  void direct_draw(DrawingPoint p) override { draw(p); }
  void filled_box(DrawingPoint a, DrawingPoint b, int edge_flags) override;
  void filled_quad(const DrawingPoint (&corners)[4]) override;
  void text(DrawingPoint start, Vec offset, const TextStyle& style, std::string_view text, int length) override;

  bool true_arc(const CircularArc& arc) override;
  bool true_ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) override;
  bool band(DrawingPoint a, DrawingPoint b, double across) override;
  bool typeset(const StringRun& run) override;

  std::optional<Span> visible_part(DrawingPoint a, DrawingPoint b) const override;
  double view_scale() const override { return 1.0; }

  void colour_mode(ColourMode mode) override { use(colours_.mode(mode)); }
  void colour(int index) override { use(colours_.index(index)); }
  void colour_rgb(float red, float green, float blue) override { use(colours_.rgb(red, green, blue)); }
  void colour_grey(int level) override { use(colours_.grey(level)); }
  void colour_scale(int scale, float value) override { use(colours_.scale(scale, value)); }

  // A page has no text screen to step aside for.
  void leave_picture() override {}
  void resume_picture() override {}

 private:
  void use(std::optional<host::Rgb> colour);
  void stroke_path();
  void added_segment();
  bool on_page(DrawingPoint p) const;

  PaperCanvas& canvas_;
  PageFrame frame_;
  PaperStyle style_;
  PaperColours colours_;
  host::Rgb ink_;
  bool path_open_ = false;  // segments wait to be stroked together
  bool pen_down_ = false;   // the last point could be drawn from
  int segments_ = 0;
};

}  // namespace plv::publish
