#pragma once
// The paper canvas on a PDF page; the page carries the typefaces its
// letters are set in.

#include <cairo.h>

#include <map>
#include <memory>

#include "image/pdf_file.h"
#include "publish/page_frame.h"
#include "publish/paper_canvas.h"

namespace plv::publish {

class PdfCanvas final : public CurvesCanvas {
 public:
  // Lines `line_width` points wide on the page `file` makes, which is
  // `frame`'s size.
  PdfCanvas(image::PdfFile& file, const PageFrame& frame, double line_width);

  void colour(host::Rgb ink) override;
  void move_to(DrawingPoint p) override;
  void line_to(DrawingPoint p) override;
  DrawingPoint current_point() override { return current_; }
  void rectangle(DrawingPoint corner, Vec size) override;
  void close_path() override;
  void stroke() override;
  void fill() override;
  void band(DrawingPoint a, DrawingPoint b, double width) override;
  LetterExtent measure(const Typeface& typeface, double size, const std::string& letters) override;
  void letters(const Typeface& typeface, double size, DrawingPoint origin, int quarter_turns,
               const std::string& letters) override;

 private:
  void curve_to(DrawingPoint c1, DrawingPoint c2, DrawingPoint end) override;
  void point(DrawingPoint p);
  void operators(std::string_view text);

  image::PdfFile& file_;
  std::map<std::string, std::shared_ptr<const image::PdfFont>> fonts_;  // by installed file
  std::string& ops_;
  DrawingPoint current_{0, 0};
  DrawingPoint subpath_start_{0, 0};
  // Letters are measured on a surface of their own.
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> measuring_surface_;
  std::unique_ptr<cairo_t, void (*)(cairo_t*)> measuring_;
};

}  // namespace plv::publish
