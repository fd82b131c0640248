#include "publish/pdf_canvas.h"

#include "publish/pdf_font.h"

namespace plv::publish {
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

void PdfCanvas::curve_to(DrawingPoint c1, DrawingPoint c2, DrawingPoint end) {
  point(c1);
  point(c2);
  point(end);
  ops_ += "c\n";
  current_ = end;
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
