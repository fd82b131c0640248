#include "publish/paper_painter.h"

#include <array>
#include <cmath>
#include <string>

#include "kernel/stroke_font_layout.h"

namespace plv::publish {
namespace {

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

PaperPainter::PaperPainter(PaperCanvas& canvas, const PageFrame& frame, const PaperStyle& style)
    : canvas_(canvas), frame_(frame), style_(style), colours_(style.in_colour), ink_(colours_.first()) {
  canvas_.colour(ink_);
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
  canvas_.colour(ink_);
}

void PaperPainter::stroke_path() {
  if (!path_open_) return;
  canvas_.stroke();
  path_open_ = false;
  segments_ = 0;
}

void PaperPainter::added_segment() {
  path_open_ = true;
  if (++segments_ < kSegmentsPerStroke) return;
  const DrawingPoint at = canvas_.current_point();
  stroke_path();
  canvas_.move_to(at);  // the pen stays where it was
  pen_down_ = true;
}

void PaperPainter::move(DrawingPoint p) {
  pen_down_ = on_page(p);
  if (!pen_down_) return;
  canvas_.move_to(p);
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
  canvas_.line_to(p);
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
  canvas_.rectangle(a, b - a);
  canvas_.fill();
}

void PaperPainter::filled_quad(const DrawingPoint (&corners)[4]) {
  for (const DrawingPoint& c : corners)
    if (!on_page(c)) return;
  stroke_path();
  canvas_.move_to(corners[0]);
  for (int k = 1; k < 4; ++k) canvas_.line_to(corners[k]);
  canvas_.close_path();
  canvas_.fill();
}

bool PaperPainter::true_arc(const CircularArc& arc) {
  if (!on_page(arc.centre) || !on_page(arc.centre + Vec{arc.radius, arc.radius})) return true;
  canvas_.arc(arc.centre, arc.radius, arc.start_angle, arc.start_angle + arc.sweep);
  added_segment();
  pen_down_ = false;
  return true;
}

bool PaperPainter::true_ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  if (!on_page(centre) || !on_page(centre + Vec{semi_axis_x, semi_axis_y})) return true;
  canvas_.ellipse(centre, semi_axis_x, semi_axis_y);
  added_segment();
  pen_down_ = false;
  return true;
}

bool PaperPainter::band(DrawingPoint a, DrawingPoint b, double across) {
  if (!on_page(a) || !on_page(b)) return true;
  stroke_path();
  canvas_.band(a, b, across + style_.line_width / frame_.scale);
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
  kernel::trace_text(settings, {static_cast<float>(origin.x), static_cast<float>(origin.y)},
                     text.substr(0, std::min(text.size(), static_cast<size_t>(length))),
                     [this](kernel::UserPoint p, bool starts_stroke) {
                       if (starts_stroke) move({p.x, p.y});
                       else draw({p.x, p.y});
                     });
}

bool PaperPainter::typeset(const StringRun& run) {
  if (!style_.typeface) return false;
  constexpr std::array<Vec, 4> kAlong{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  const std::string letters = as_utf8(run.text);
  if (letters.empty() || !on_page(run.key) || !(run.size > 0)) return true;
  stroke_path();
  const LetterExtent capital = canvas_.measure(*style_.typeface, 1.0, "H");
  const double size = kCapitalHeight * run.size / (capital.height > 0 ? capital.height : 0.72);
  const LetterExtent extent = canvas_.measure(*style_.typeface, size, letters);
  const Vec along = kAlong[static_cast<size_t>(run.direction & 3)];
  const DrawingPoint origin =
      run.key + (run.size / kStartOffsetDivisor) * along - (run.anchor * extent.advance) * along;
  canvas_.letters(*style_.typeface, size, origin, run.direction & 3, letters);
  pen_down_ = false;
  return true;
}

}  // namespace plv::publish
