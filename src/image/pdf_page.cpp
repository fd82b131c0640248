// The PDF page, drawn with cairo into memory. Calls are in dots: the page
// is scaled by 72 / dots-per-inch once, at the start.
//
// Where the host's pixel rules speak of pixels, a dot here is the unit
// square at (x, y)..(x + 1, y + 1): fills run along dot edges, and lines and
// outlines run through dot centres, so a one-dot line covers the dots the
// host's raster would paint.

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>
#include <string>

#include "image/vector_page.h"

namespace plv::image {
namespace {

// The length of the well-formed UTF-8 sequence at text[i], or 0.
std::size_t utf8_length_at(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return 1;
  const std::size_t length = lead >= 0xC2 && lead < 0xE0   ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || i + length > text.size()) return 0;
  char32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return 0;
  return length;
}

// cairo refuses the whole page over a title that is not UTF-8, so a byte
// that is not part of well-formed UTF-8 is taken as Latin-1.
std::string utf8_title(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8_length_at(text, i);
    if (length > 0) {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i++]);
    out += static_cast<char>(0xC0 | (byte >> 6));
    out += static_cast<char>(0x80 | (byte & 0x3F));
  }
  // cairo takes a C string.
  std::erase(out, '\0');
  return out;
}

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  try {
    auto& bytes = *static_cast<std::vector<std::uint8_t>*>(closure);
    bytes.insert(bytes.end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
  } catch (const std::bad_alloc&) {
    return CAIRO_STATUS_NO_MEMORY;
  }
}

void throw_if_failed(cairo_status_t status) {
  if (status == CAIRO_STATUS_SUCCESS) return;
  if (status == CAIRO_STATUS_NO_MEMORY) throw std::bad_alloc();
  throw std::runtime_error(std::string("PDF page: ") + cairo_status_to_string(status));
}

int pen_width(const VectorPen& pen) { return std::max(pen.width, 1); }

class PdfPage final : public VectorPage {
 public:
  PdfPage(std::string_view title, int width_dots, int height_dots, int dots_per_inch) {
    const double points_per_dot = 72.0 / std::max(dots_per_inch, 1);
    surface_ = cairo_pdf_surface_create_for_stream(append_bytes, &bytes_, std::max(width_dots, 1) * points_per_dot,
                                                   std::max(height_dots, 1) * points_per_dot);
    cr_ = cairo_create(surface_);
    const cairo_status_t status = cairo_status(cr_);
    if (status != CAIRO_STATUS_SUCCESS) {
      release();
      throw_if_failed(status);
    }
#if CAIRO_VERSION >= CAIRO_VERSION_ENCODE(1, 16, 0)
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, utf8_title(title).c_str());
#else
    (void)title;
#endif
    cairo_scale(cr_, points_per_dot, points_per_dot);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    // Inverting needs something to invert: the paper is painted white,
    // rather than left to whatever a viewer puts behind the page.
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
  }

  ~PdfPage() override { release(); }
  PdfPage(const PdfPage&) = delete;
  PdfPage& operator=(const PdfPage&) = delete;

  void select_pen(std::optional<VectorPen> pen) override { pen_ = pen; }
  void select_brush(std::optional<VectorColour> brush) override { brush_ = brush; }
  void set_invert(bool invert) override { invert_ = invert; }

  void line(VectorPoint from, VectorPoint to) override {
    if (!cr_ || !pen_ || (from.x == to.x && from.y == to.y)) return;
    // The host paints the dots from `from` up to the one before `to`. The
    // line runs through the dot centres moved back half a step along it,
    // so a level or upright line covers exactly those dots.
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double step = 2 * std::max(std::abs(dx), std::abs(dy));
    const double back_x = dx / step, back_y = dy / step;
    cairo_move_to(cr_, from.x + 0.5 - back_x, from.y + 0.5 - back_y);
    cairo_line_to(cr_, to.x + 0.5 - back_x, to.y + 0.5 - back_y);
    stroke(*pen_);
  }

  void rectangle(int left, int top, int right, int bottom) override {
    if (!cr_) return;
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
    cairo_rectangle(cr_, left + half, top + half, right - left - w, bottom - top - w);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    stroke(*pen_);
    if (brush_) fill_box(left + w, top + w, right - w, bottom - w, *brush_);
  }

  void polygon(std::span<const VectorPoint> vertices) override {
    if (!cr_ || vertices.empty()) return;
    if (brush_ && vertices.size() >= 3) {
      for (const VectorPoint& v : vertices) cairo_line_to(cr_, v.x, v.y);
      cairo_close_path(cr_);
      cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
      paint_with(*brush_);
      cairo_fill(cr_);
    }
    if (pen_ && vertices.size() >= 2) {
      for (const VectorPoint& v : vertices) cairo_line_to(cr_, v.x + 0.5, v.y + 0.5);
      cairo_close_path(cr_);
      cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
      stroke(*pen_);
    }
  }

  bool picture(const Pixels& pixels, int left, int top, int width, int height) override {
    if (!cr_ || pixels.width <= 0 || pixels.height <= 0 || width <= 0 || height <= 0) return false;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixels.width, pixels.height);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(image);
      return false;
    }
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < pixels.height; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
      for (int x = 0; x < pixels.width; ++x) row[x] = pixels.at(x, y);
    }
    cairo_surface_mark_dirty(image);
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
    cairo_translate(cr_, left, top);
    cairo_scale(cr_, static_cast<double>(width) / pixels.width, static_cast<double>(height) / pixels.height);
    cairo_set_source_surface(cr_, image, 0, 0);
    cairo_paint(cr_);
    cairo_restore(cr_);
    cairo_surface_destroy(image);
    return true;
  }

  std::vector<std::uint8_t> finish() override {
    if (!cr_) return {};
    cairo_show_page(cr_);
    cairo_destroy(cr_);
    cr_ = nullptr;
    cairo_surface_finish(surface_);
    const cairo_status_t status = cairo_surface_status(surface_);
    release();
    throw_if_failed(status);
    return std::move(bytes_);
  }

 private:
  // Inverting is white under the difference operator: 1 - c for each
  // component, so painting the same thing twice gives the paper back.
  void paint_with(VectorColour c) {
    if (invert_) {
      cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
      cairo_set_source_rgb(cr_, 1, 1, 1);
    } else {
      cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
      cairo_set_source_rgb(cr_, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
    }
  }

  void stroke(const VectorPen& pen) {
    cairo_set_line_width(cr_, pen_width(pen));
    paint_with(pen.colour);
    cairo_stroke(cr_);
  }

  void fill_box(int left, int top, int right, int bottom, VectorColour c) {
    cairo_rectangle(cr_, left, top, right - left, bottom - top);
    paint_with(c);
    cairo_fill(cr_);
  }

  void release() {
    if (cr_) cairo_destroy(cr_);
    cr_ = nullptr;
    if (surface_) cairo_surface_destroy(surface_);
    surface_ = nullptr;
  }

  std::vector<std::uint8_t> bytes_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  std::optional<VectorPen> pen_;
  std::optional<VectorColour> brush_;
  bool invert_ = false;
};

}  // namespace

std::unique_ptr<VectorPage> make_pdf_page(std::string_view title, int width_dots, int height_dots, int dots_per_inch) {
  return std::make_unique<PdfPage>(title, width_dots, height_dots, dots_per_inch);
}

}  // namespace plv::image
