#include "publish/cairo_canvas.h"

#include <numbers>

namespace plv::publish {
namespace {

cairo_matrix_t page_matrix(const PageFrame& f) {
  const auto [xx, yx, xy, yy, x0, y0] = f.page_map();
  cairo_matrix_t m;
  cairo_matrix_init(&m, xx, yx, xy, yy, x0, y0);
  return m;
}

}  // namespace

CairoCanvas::CairoCanvas(cairo_t* cr, const PageFrame& frame, double line_width) : cr_(cr) {
  const cairo_matrix_t m = page_matrix(frame);
  cairo_transform(cr_, &m);
  cairo_set_line_width(cr_, line_width / frame.scale);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
}

void CairoCanvas::colour(host::Rgb ink) { cairo_set_source_rgb(cr_, ink.red / 255.0, ink.green / 255.0, ink.blue / 255.0); }

DrawingPoint CairoCanvas::current_point() {
  double x = 0, y = 0;
  cairo_get_current_point(cr_, &x, &y);
  return {x, y};
}

void CairoCanvas::arc(DrawingPoint centre, double radius, double from, double to) {
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, centre.x, centre.y, radius, from, to);
}

void CairoCanvas::ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  cairo_save(cr_);
  cairo_translate(cr_, centre.x, centre.y);
  cairo_scale(cr_, semi_axis_x, semi_axis_y);
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_close_path(cr_);
  cairo_restore(cr_);
}

void CairoCanvas::band(DrawingPoint a, DrawingPoint b, double width) {
  cairo_save(cr_);
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, b.x, b.y);
  cairo_stroke(cr_);
  cairo_restore(cr_);
}

void CairoCanvas::letters(const Typeface& typeface, double size, DrawingPoint origin, int quarter_turns,
                          const std::string& letters) {
  cairo_save(cr_);
  set_letters(cr_, typeface, size);
  cairo_translate(cr_, origin.x, origin.y);
  cairo_rotate(cr_, quarter_turns * std::numbers::pi / 2);
  cairo_scale(cr_, 1, -1);  // letters stand upright on a page whose y runs down
  cairo_move_to(cr_, 0, 0);
  cairo_show_text(cr_, letters.c_str());
  cairo_restore(cr_);
}

}  // namespace plv::publish
