#include "publish/paper_painter.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "kernel/stroke_font_layout.h"

namespace plv::publish {
namespace {

constexpr double kPi = std::numbers::pi;
// Page points past this are beyond any page; the library's fixed-point
// paths could not hold them.
constexpr double kFarthestPagePoint = 1e6;
// Paths are stroked in pieces so a long drawing does not build one path
// of millions of segments.
constexpr int kSegmentsPerStroke = 4096;
// The stroke font's capitals stand this many drawing units per unit of a
// string's size; a typeface is sized so that its capitals do the same.
constexpr double kCapitalHeight = 6.4285712;
constexpr double kStartOffsetDivisor = 1.4;

cairo_matrix_t page_matrix(const PageFrame& f) {
  cairo_matrix_t m;
  const double s = f.scale;
  if (f.orientation == Orientation::kPortrait) cairo_matrix_init(&m, s, 0, 0, -s, -f.frame.xmin * s, f.frame.ymax * s);
  else cairo_matrix_init(&m, 0, -s, -s, 0, f.frame.ymax * s, f.frame.xmax * s);
  return m;
}

// A record's characters are single bytes (Latin-1); the page takes UTF-8.
// Control characters show as blanks.
std::string as_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 0) break;
    if (c < 0x20 || c == 0x7f) out += ' ';
    else if (c < 0x80) out += static_cast<char>(c);
    else {
      out += static_cast<char>(0xc0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3f));
    }
  }
  return out;
}

}  // namespace

PaperPainter::PaperPainter(cairo_t* cr, const PageFrame& frame, const PaperStyle& style)
    : cr_(cr), frame_(frame), style_(style), colours_(style.in_colour), ink_(colours_.first()) {
  const cairo_matrix_t m = page_matrix(frame_);
  cairo_transform(cr_, &m);
  cairo_set_line_width(cr_, style_.line_width / frame_.scale);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_source_rgb(cr_, ink_.red / 255.0, ink_.green / 255.0, ink_.blue / 255.0);
}

bool PaperPainter::on_page(DrawingPoint p) const {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  const DrawingPoint q = frame_.to_page(p);
  return std::fabs(q.x) < kFarthestPagePoint && std::fabs(q.y) < kFarthestPagePoint;
}

void PaperPainter::use(std::optional<host::Rgb> colour) {
  if (!colour || *colour == ink_) return;
  stroke_path();
  ink_ = *colour;
  cairo_set_source_rgb(cr_, ink_.red / 255.0, ink_.green / 255.0, ink_.blue / 255.0);
}

void PaperPainter::stroke_path() {
  if (!path_open_) return;
  cairo_stroke(cr_);
  path_open_ = false;
  segments_ = 0;
}

void PaperPainter::fill_path() { cairo_fill(cr_); }

void PaperPainter::added_segment() {
  path_open_ = true;
  if (++segments_ < kSegmentsPerStroke) return;
  double x = 0, y = 0;
  cairo_get_current_point(cr_, &x, &y);
  stroke_path();
  cairo_move_to(cr_, x, y);  // the pen stays where it was
  pen_down_ = true;
}

void PaperPainter::move(DrawingPoint p) {
  pen_down_ = on_page(p);
  if (!pen_down_) return;
  cairo_move_to(cr_, p.x, p.y);
  path_open_ = true;
}

void PaperPainter::draw(DrawingPoint p) {
  if (!on_page(p)) {
    pen_down_ = false;  // nothing is drawn to a point off every page
    return;
  }
  if (!pen_down_) {
    move(p);
    return;
  }
  cairo_line_to(cr_, p.x, p.y);
  added_segment();
}

std::optional<Span> PaperPainter::visible_part(DrawingPoint a, DrawingPoint b) const {
  if (!on_page(a) || !on_page(b)) return std::nullopt;
  return Span{};
}

void PaperPainter::filled_box(DrawingPoint a, DrawingPoint b, int /*edge_flags*/) {
  // The flags choose which pixel rows a screen leaves out; a page has none.
  if (!on_page(a) || !on_page(b)) return;
  stroke_path();
  cairo_rectangle(cr_, a.x, a.y, b.x - a.x, b.y - a.y);
  fill_path();
}

void PaperPainter::filled_quad(const DrawingPoint (&corners)[4]) {
  for (const DrawingPoint& c : corners)
    if (!on_page(c)) return;
  stroke_path();
  cairo_move_to(cr_, corners[0].x, corners[0].y);
  for (int k = 1; k < 4; ++k) cairo_line_to(cr_, corners[k].x, corners[k].y);
  cairo_close_path(cr_);
  fill_path();
}

bool PaperPainter::true_arc(const CircularArc& arc) {
  if (!on_page(arc.centre) || !on_page(arc.centre + Vec{arc.radius, arc.radius})) return true;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, arc.centre.x, arc.centre.y, arc.radius, arc.start_angle, arc.start_angle + arc.sweep);
  added_segment();
  pen_down_ = false;
  return true;
}

bool PaperPainter::true_ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  if (!on_page(centre) || !on_page(centre + Vec{semi_axis_x, semi_axis_y})) return true;
  cairo_save(cr_);
  cairo_translate(cr_, centre.x, centre.y);
  cairo_scale(cr_, semi_axis_x, semi_axis_y);
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, 0, 0, 1, 0, 2 * kPi);
  cairo_close_path(cr_);
  cairo_restore(cr_);
  added_segment();
  pen_down_ = false;
  return true;
}

bool PaperPainter::band(DrawingPoint a, DrawingPoint b, double across) {
  if (!on_page(a) || !on_page(b)) return true;
  stroke_path();
  cairo_save(cr_);
  cairo_set_line_width(cr_, across + style_.line_width / frame_.scale);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, b.x, b.y);
  cairo_stroke(cr_);
  cairo_restore(cr_);
  pen_down_ = false;
  return true;
}

void PaperPainter::text(DrawingPoint start, Vec offset, const TextStyle& style, std::string_view text, int length) {
  const DrawingPoint origin = start + offset;
  if (!on_page(origin) || length <= 0) return;
  kernel::StringSettings settings;
  settings.char_width = style.char_width;
  settings.char_height = style.char_height;
  settings.advance_x = style.advance_x;
  settings.advance_y = style.advance_y;
  settings.rotation_s = style.rotation_s;
  settings.rotation_c = style.rotation_c;
  const auto letters = kernel::lay_out_text(
      settings, {static_cast<float>(origin.x), static_cast<float>(origin.y)},
      text.substr(0, std::min(text.size(), static_cast<size_t>(length))));
  for (const kernel::Polyline& line : letters.polylines) {
    if (line.empty()) continue;
    move({line.front().x, line.front().y});
    for (size_t k = 1; k < line.size(); ++k) draw({line[k].x, line[k].y});
  }
}

bool PaperPainter::typeset(const StringRun& run) {
  if (!style_.typeface) return false;
  constexpr std::array<Vec, 4> kAlong{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  const std::string letters = as_utf8(run.text);
  if (letters.empty() || !on_page(run.key) || !(run.size > 0)) return true;
  stroke_path();
  cairo_save(cr_);
  cairo_set_font_face(cr_, style_.typeface->face.get());
  // Outlines and advances as designed: a surface that hints them (the
  // recording the page frame is measured on, a picture) would round them
  // to its own units, and set the letters at another size than the page.
  cairo_font_options_t* unhinted = cairo_font_options_create();
  cairo_font_options_set_hint_style(unhinted, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(unhinted, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr_, unhinted);
  cairo_font_options_destroy(unhinted);
  cairo_set_font_size(cr_, 1.0);
  cairo_text_extents_t capital;
  cairo_text_extents(cr_, "H", &capital);
  const double size = kCapitalHeight * run.size / (capital.height > 0 ? capital.height : 0.72);
  cairo_set_font_size(cr_, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr_, letters.c_str(), &extents);
  const Vec along = kAlong[static_cast<size_t>(run.direction & 3)];
  const DrawingPoint origin =
      run.key + (run.size / kStartOffsetDivisor) * along - (run.anchor * extents.x_advance) * along;
  cairo_translate(cr_, origin.x, origin.y);
  cairo_rotate(cr_, (run.direction & 3) * kPi / 2);
  cairo_scale(cr_, 1, -1);  // letters stand upright on a page whose y runs down
  cairo_move_to(cr_, 0, 0);
  cairo_show_text(cr_, letters.c_str());
  cairo_restore(cr_);
  pen_down_ = false;
  return true;
}

}  // namespace plv::publish
