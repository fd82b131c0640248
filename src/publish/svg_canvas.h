#pragma once
// The paper canvas on an SVG page, written as it is drawn. Paths keep
// drawing units under one transform for the whole page; consecutive
// shapes of one colour share a group that gives it. Letters are the
// typeface's own outlines, each glyph defined once, so the page looks the
// same where the face is not installed.

#include <cairo.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "publish/page_frame.h"
#include "publish/paper_canvas.h"

namespace plv::publish {

class SvgCanvas final : public CurvesCanvas {
 public:
  // The page, `frame`'s size with lines `line_width` points wide, is
  // appended to `out`; `finish` ends it. `title` is UTF-8, or empty.
  SvgCanvas(std::string& out, const PageFrame& frame, double line_width, std::string_view title);
  void finish();

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
  // Strokes and fills (letters too) of the ink's colour go in a group of
  // their own: one is opened unless the last one is the same.
  enum class Group { kNone, kStrokes, kFills };
  void group(Group kind);
  void end_group();
  void path_element(Group kind);
  // The glyph of one Latin-1 byte of a face, at the em the definitions use.
  struct Glyph {
    unsigned long index = 0;
    double advance = 0;
    bool inked = false;  // a blank has no outline to place
  };
  struct Face {
    int number = 0;
    std::array<std::optional<Glyph>, 256> glyphs;
    std::set<unsigned long> defined;
  };
  const Glyph& glyph(Face& face, unsigned char byte);
  void define(Face& face, unsigned long index);

  std::string& out_;
  std::size_t defs_at_;  // the glyphs are defined here, before the drawing
  std::string defs_;
  std::string path_;     // waits for stroke() or fill()
  DrawingPoint current_{0, 0};
  DrawingPoint subpath_start_{0, 0};
  char ink_[8] = "#000000";
  Group group_ = Group::kNone;
  char group_ink_[8] = "";
  std::map<std::string, Face> faces_;  // by installed file
  // Letters are measured, and their outlines taken, on a surface of their own.
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> measuring_surface_;
  std::unique_ptr<cairo_t, void (*)(cairo_t*)> measuring_;
};

}  // namespace plv::publish
