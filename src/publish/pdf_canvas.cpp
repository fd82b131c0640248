#include "publish/pdf_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "publish/pdf_font.h"

namespace plv::publish {
namespace {

constexpr double kPi = std::numbers::pi;
// Drawing units to this many decimals lie far within a dot of any printer.
constexpr int kDecimals = 3;

// A record's letters came as Latin-1 made UTF-8; the page's fonts take
// them as single bytes again. What the Windows encoding gives other
// letters in 0x80..0x9F, Latin-1 holds no letters for: they show blank.
std::string latin1_of(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0xC0 && i + 1 < utf8.size()) c = static_cast<unsigned char>((c & 0x03) << 6 | (utf8[++i] & 0x3F));
    out += c >= 0x80 && c < 0xA0 ? ' ' : static_cast<char>(c);
  }
  return out;
}

}  // namespace

PdfCanvas::PdfCanvas(image::PdfFile& file, const PageFrame& frame, double line_width)
    : file_(file),
      ops_(file.ops()),
      measuring_surface_(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1), cairo_surface_destroy),
      measuring_(cairo_create(measuring_surface_.get()), cairo_destroy) {
  const double s = frame.scale;
  // Page points with y running down, then the page's map from drawing units.
  image::append_numbers(ops_, {1, 0, 0, -1, 0, frame.height});
  ops_ += "cm\n";
  for (const double v : frame.page_map()) image::append_numbers(ops_, {v});
  ops_ += "cm\n";
  image::append_number(ops_, line_width / s);
  ops_ += " w 1 J 1 j\n";
}

void PdfCanvas::colour(host::Rgb ink) {
  const double r = ink.red / 255.0, g = ink.green / 255.0, b = ink.blue / 255.0;
  image::append_numbers(ops_, {r, g, b});
  ops_ += "RG ";
  image::append_numbers(ops_, {r, g, b});
  ops_ += "rg\n";
}

void PdfCanvas::point(DrawingPoint p) {
  image::append_number(ops_, p.x, kDecimals);
  ops_ += ' ';
  image::append_number(ops_, p.y, kDecimals);
  ops_ += ' ';
}

void PdfCanvas::move_to(DrawingPoint p) {
  point(p);
  ops_ += "m\n";
  current_ = subpath_start_ = p;
}

void PdfCanvas::line_to(DrawingPoint p) {
  point(p);
  ops_ += "l\n";
  current_ = p;
}

void PdfCanvas::curve(DrawingPoint c1, DrawingPoint c2, DrawingPoint end) {
  point(c1);
  point(c2);
  point(end);
  ops_ += "c\n";
  current_ = end;
}

// Each quarter turn or less of the arc as one cubic curve, its handles
// 4/3 tan(turn / 4) of the radius long.
void PdfCanvas::arc(DrawingPoint centre, double radius, double from, double to) {
  while (to < from) to += 2 * kPi;
  auto at = [&](double angle) { return centre + Vec{radius * std::cos(angle), radius * std::sin(angle)}; };
  move_to(at(from));
  const int pieces = std::max(1, static_cast<int>(std::ceil((to - from) / (kPi / 2) - 1e-9)));
  const double turn = (to - from) / pieces;
  const double handle = 4.0 / 3.0 * std::tan(turn / 4) * radius;
  for (int k = 0; k < pieces; ++k) {
    const double a = from + k * turn, b = a + turn;
    curve(at(a) + handle * Vec{-std::sin(a), std::cos(a)}, at(b) + handle * Vec{std::sin(b), -std::cos(b)}, at(b));
  }
}

void PdfCanvas::ellipse(DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  const double handle = 4.0 / 3.0 * (std::sqrt(2.0) - 1);
  const double hx = handle * semi_axis_x, hy = handle * semi_axis_y;
  const DrawingPoint c = centre;
  const double rx = semi_axis_x, ry = semi_axis_y;
  move_to(c + Vec{rx, 0});
  curve(c + Vec{rx, hy}, c + Vec{hx, ry}, c + Vec{0, ry});
  curve(c + Vec{-hx, ry}, c + Vec{-rx, hy}, c + Vec{-rx, 0});
  curve(c + Vec{-rx, -hy}, c + Vec{-hx, -ry}, c + Vec{0, -ry});
  curve(c + Vec{hx, -ry}, c + Vec{rx, -hy}, c + Vec{rx, 0});
  close_path();
}

void PdfCanvas::rectangle(DrawingPoint corner, Vec size) {
  point(corner);
  image::append_number(ops_, size.x, kDecimals);
  ops_ += ' ';
  image::append_number(ops_, size.y, kDecimals);
  ops_ += " re\n";
  current_ = subpath_start_ = corner;
}

void PdfCanvas::close_path() {
  ops_ += "h\n";
  current_ = subpath_start_;
}

void PdfCanvas::stroke() { operators("S\n"); }
void PdfCanvas::fill() { operators("f*\n"); }

void PdfCanvas::operators(std::string_view text) {
  ops_ += text;
  file_.drawn();
}

void PdfCanvas::band(DrawingPoint a, DrawingPoint b, double width) {
  ops_ += "q ";
  image::append_number(ops_, width);
  ops_ += " w 0 J\n";
  point(a);
  ops_ += "m ";
  point(b);
  operators("l S Q\n");
}

LetterExtent PdfCanvas::measure(const Typeface& typeface, double size, const std::string& letters) {
  return measure_letters(measuring_.get(), typeface, size, letters);
}

void PdfCanvas::letters(const Typeface& typeface, double size, DrawingPoint origin, int quarter_turns,
                        const std::string& letters) {
  // The page's y runs up in drawing units, as the letters' own does.
  constexpr int kCos[] = {1, 0, -1, 0}, kSin[] = {0, 1, 0, -1};
  const int turn = quarter_turns & 3;
  ops_ += "q ";
  image::append_numbers(ops_, {1, 0, 0, 1});
  point(origin);
  ops_ += "cm ";
  image::append_numbers(ops_, {double(kCos[turn]), double(kSin[turn]), double(-kSin[turn]), double(kCos[turn]), 0, 0});
  auto& font = fonts_[typeface.file];
  if (!font) font = pdf_font_of(typeface, measuring_.get());
  ops_ += "cm BT " + file_.font(font) + ' ';
  image::append_number(ops_, size);
  ops_ += " Tf " + image::pdf_literal(latin1_of(letters));
  operators(" Tj ET Q\n");
}

}  // namespace plv::publish
