// The PDF page, written as it is drawn: every call adds its few operators
// to a deflated content stream that goes on to the page's sink at once, so
// a page of any number of shapes is made in the same small memory. The
// objects that name what the page holds (the page, its resources, the
// cross-reference table) follow the content, at the end.
//
// Calls are in dots; the content is in points with y running down, each
// point on a grid of 1/256 point, written to three decimals. That is the
// grid of cairo, which once made this page: on it a picture falls on the
// same pixels as it always did. Where the host's pixel rules speak of
// pixels, a dot here is the unit square at (x, y)..(x + 1, y + 1): fills
// run along dot edges, and lines and outlines run through dot centres, so
// a one-dot line covers the dots the host's raster would paint.

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <new>
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

// The title as a PDF text string: UTF-16 with its byte-order mark, in hex.
// A byte that is not part of well-formed UTF-8 is taken as Latin-1.
std::string title_string(std::string_view text) {
  std::string out = "<FEFF";
  auto unit = [&out](unsigned value) {
    char hex[5];
    std::snprintf(hex, sizeof hex, "%04X", value & 0xFFFF);
    out += hex;
  };
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8_length_at(text, i);
    char32_t code = static_cast<unsigned char>(text[i]);
    if (length > 1) {
      code &= 0x7F >> length;
      for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    i += std::max<std::size_t>(length, 1);
    if (code == 0) continue;
    if (code < 0x10000) {
      unit(code);
    } else {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return out + ">";
}

// A number as short as it can be written with at most `decimals` decimals.
void append_number(std::string& out, double value, int decimals = 6) {
  char text[48];
  if (!std::isfinite(value)) value = 0;
  auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) end = text + std::snprintf(text, sizeof text, "%.0f", value);
  const char* const point = std::find(text, end, '.');
  if (point != end) {
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
  }
  if (end - text == 2 && text[0] == '-' && text[1] == '0') {
    out += '0';
    return;
  }
  out.append(text, end);
}

void append_numbers(std::string& out, std::initializer_list<double> values) {
  for (const double v : values) {
    append_number(out, v);
    out += ' ';
  }
}

int pen_width(const VectorPen& pen) { return std::max(pen.width, 1); }

// Deflate, fed a piece at a time, handing on what it has made.
class Deflater {
 public:
  // The fastest level: most of a large page's time went into deflating it
  // harder, for a file only a fifth smaller.
  Deflater() {
    if (deflateInit(&stream_, Z_BEST_SPEED) != Z_OK) throw std::bad_alloc();
  }
  ~Deflater() { deflateEnd(&stream_); }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  template <typename Out>
  void feed(std::string_view bytes, bool last, Out&& out) {
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream_.avail_in = static_cast<uInt>(bytes.size());
    const int flush = last ? Z_FINISH : Z_NO_FLUSH;
    for (;;) {
      unsigned char chunk[1 << 16];
      stream_.next_out = chunk;
      stream_.avail_out = sizeof chunk;
      const int status = deflate(&stream_, flush);
      if (status == Z_STREAM_ERROR) throw std::bad_alloc();
      const std::size_t made = sizeof chunk - stream_.avail_out;
      if (made > 0) out(std::string_view(reinterpret_cast<const char*>(chunk), made));
      if (last ? status == Z_STREAM_END : stream_.avail_in == 0 && stream_.avail_out != 0) break;
    }
  }

 private:
  z_stream stream_{};
};

class PdfPage final : public VectorPage {
 public:
  PdfPage(PageSink sink, std::string_view title, int width_dots, int height_dots, int dots_per_inch)
      : sink_(std::move(sink)),
        title_(title),
        points_per_dot_(72.0 / std::max(dots_per_inch, 1)),
        width_dots_(std::max(width_dots, 1)),
        height_dots_(std::max(height_dots, 1)) {
    put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    begin_content();
    // Points, y downwards.
    append_numbers(ops_, {1, 0, 0, -1, 0, height_dots_ * points_per_dot_});
    ops_ += "cm\n";
    // Inverting needs something to invert: the paper is painted white,
    // rather than left to whatever a viewer puts behind the page.
    fill_box(0, 0, width_dots_, height_dots_, VectorColour{255, 255, 255});
  }

  void select_pen(std::optional<VectorPen> pen) override { pen_ = pen; }
  void select_brush(std::optional<VectorColour> brush) override { brush_ = brush; }
  void set_invert(bool invert) override { invert_ = invert; }

  void line(VectorPoint from, VectorPoint to) override {
    if (finished_ || !pen_ || (from.x == to.x && from.y == to.y)) return;
    // The host paints the dots from `from` up to the one before `to`. The
    // line runs through the dot centres moved back half a step along it,
    // so a level or upright line covers exactly those dots.
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double step = 2 * std::max(std::abs(dx), std::abs(dy));
    const double back_x = dx / step, back_y = dy / step;
    stroke_with(*pen_);
    point(from.x + 0.5 - back_x, from.y + 0.5 - back_y);
    ops_ += "m ";
    point(to.x + 0.5 - back_x, to.y + 0.5 - back_y);
    ops_ += "l S\n";
    drawn();
  }

  void rectangle(int left, int top, int right, int bottom) override {
    if (finished_) return;
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
    stroke_with(*pen_);
    box(left + half, top + half, right - left - w, bottom - top - w);
    ops_ += "re S\n";
    drawn();
    if (brush_) fill_box(left + w, top + w, right - w, bottom - w, *brush_);
  }

  void polygon(std::span<const VectorPoint> vertices) override {
    if (finished_ || vertices.empty()) return;
    if (brush_ && vertices.size() >= 3) {
      fill_with(*brush_);
      path(vertices, 0);
      ops_ += "h f*\n";
      drawn();
    }
    if (pen_ && vertices.size() >= 2) {
      stroke_with(*pen_);
      path(vertices, 0.5);
      ops_ += "h S\n";
      drawn();
    }
  }

  bool picture(const Pixels& pixels, int left, int top, int width, int height) override {
    if (finished_ || pixels.width <= 0 || pixels.height <= 0 || width <= 0 || height <= 0) return false;
    end_content();
    const int image = write_image(pixels);
    images_.push_back(image);
    begin_content();
    ops_ += "q ";
    const double d = points_per_dot_;
    append_numbers(ops_, {width * d, 0, 0, -height * d, left * d, (top + height) * d});
    ops_ += "cm /Im" + std::to_string(image) + " Do Q\n";
    return true;
  }

  std::vector<std::uint8_t> finish() override {
    if (finished_) return {};
    finished_ = true;
    end_content();
    write_page();
    return {};
  }

 private:
  // Object numbers are handed out in the order objects are begun; these
  // four are written last but numbered first.
  static constexpr int kCatalog = 1, kPages = 2, kPage = 3, kInfo = 4;

  void put(std::string_view bytes) {
    sink_(bytes);
    offset_ += bytes.size();
  }

  int new_object() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size());
  }

  void begin_object(int number) {
    offsets_[static_cast<std::size_t>(number - 1)] = offset_;
    put(std::to_string(number) + " 0 obj\n");
  }

  // A deflated stream whose length is its own object, written when the
  // stream ends: nothing of the stream is kept to count it first.
  int begin_stream(const std::string& dictionary) {
    const int number = new_object();
    stream_length_object_ = new_object();
    begin_object(number);
    put("<< " + dictionary + " /Filter /FlateDecode /Length " + std::to_string(stream_length_object_) +
        " 0 R >>\nstream\n");
    stream_start_ = offset_;
    deflater_.emplace();
    return number;
  }

  void stream_bytes(std::string_view bytes, bool last = false) {
    deflater_->feed(bytes, last, [this](std::string_view made) { put(made); });
  }

  void end_stream() {
    stream_bytes({}, true);
    deflater_.reset();
    const std::size_t length = offset_ - stream_start_;
    put("\nendstream\nendobj\n");
    begin_object(stream_length_object_);
    put(std::to_string(length) + "\nendobj\n");
  }

  void begin_content() {
    // The page's streams run on as one: each starts in the state the one
    // before it left.
    contents_.push_back(begin_stream(""));
  }

  void end_content() {
    if (!deflater_) return;
    stream_bytes(ops_);
    ops_.clear();
    end_stream();
  }

  // Operators gather into blocks before they are deflated.
  void drawn() {
    constexpr std::size_t kBlock = 1 << 16;
    if (ops_.size() < kBlock) return;
    stream_bytes(ops_);
    ops_.clear();
  }

  int write_image(const Pixels& pixels) {
    const int number = begin_stream("/Type /XObject /Subtype /Image /Width " + std::to_string(pixels.width) +
                                    " /Height " + std::to_string(pixels.height) +
                                    " /ColorSpace /DeviceRGB /BitsPerComponent 8");
    std::string row;
    for (int y = 0; y < pixels.height; ++y) {
      row.clear();
      for (int x = 0; x < pixels.width; ++x) {
        const std::uint32_t c = pixels.at(x, y);
        row += static_cast<char>(c >> 16 & 0xFF);
        row += static_cast<char>(c >> 8 & 0xFF);
        row += static_cast<char>(c & 0xFF);
      }
      stream_bytes(row);
    }
    end_stream();
    return number;
  }

  void write_page() {
    const std::string w = number_text(width_dots_ * points_per_dot_), h = number_text(height_dots_ * points_per_dot_);
    begin_object(kPage);
    std::string page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + w + " " + h + "]\n/Contents [";
    for (const int c : contents_) page += std::to_string(c) + " 0 R ";
    page += "]\n/Resources << /ExtGState << /Paint << /BM /Normal >> /Invert << /BM /Difference >> >>";
    if (!images_.empty()) {
      page += " /XObject <<";
      for (const int i : images_) page += " /Im" + std::to_string(i) + " " + std::to_string(i) + " 0 R";
      page += " >>";
    }
    page += " >>";
    // Inverting works against what lies beneath, the page's own colours.
    if (inverted_) page += "\n/Group << /Type /Group /S /Transparency /CS /DeviceRGB >>";
    put(page + " >>\nendobj\n");
    begin_object(kPages);
    put("<< /Type /Pages /Kids [3 0 R] /Count 1 >>\nendobj\n");
    begin_object(kCatalog);
    put("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    begin_object(kInfo);
    put("<< /Title " + title_string(title_) + " /Producer (plivet) >>\nendobj\n");
    const std::size_t table = offset_;
    std::string xref = "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t at : offsets_) {
      char entry[24];
      std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", at);
      xref += entry;
    }
    put(xref);
    put("trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" +
        std::to_string(table) + "\n%%EOF\n");
  }

  static std::string number_text(double value) {
    std::string text;
    append_number(text, value);
    return text;
  }

  // A point of the page, in dots, on the grid.
  double on_grid(double dots) const { return std::nearbyint(dots * points_per_dot_ * 256) / 256; }
  void point(double x, double y) {
    append_number(ops_, on_grid(x), 3);
    ops_ += ' ';
    append_number(ops_, on_grid(y), 3);
    ops_ += ' ';
  }
  // A rectangle's corner and its size, each on the grid.
  void box(double left, double top, double width, double height) {
    for (const double v : {on_grid(left), on_grid(top), on_grid(width), on_grid(height)}) {
      append_number(ops_, v, 3);
      ops_ += ' ';
    }
  }

  void path(std::span<const VectorPoint> vertices, double shift) {
    const char* op = "m ";
    for (const VectorPoint& v : vertices) {
      point(v.x + shift, v.y + shift);
      ops_ += op;
      op = "l ";
    }
  }

  // Inverting is white under the difference blend: 1 - c for each
  // component, so painting the same thing twice gives the paper back.
  void blend(bool invert) {
    if (invert == blend_inverts_) return;
    blend_inverts_ = invert;
    inverted_ = inverted_ || invert;
    ops_ += invert ? "/Invert gs\n" : "/Paint gs\n";
  }

  static bool set_colour(std::optional<VectorColour>& held, VectorColour c, const char* op, std::string& ops) {
    if (held == c) return false;
    held = c;
    append_numbers(ops, {c.red / 255.0, c.green / 255.0, c.blue / 255.0});
    ops += op;
    return true;
  }

  VectorColour ink(VectorColour c) {
    blend(invert_);
    return invert_ ? VectorColour{255, 255, 255} : c;
  }

  void stroke_with(const VectorPen& pen) {
    set_colour(stroke_colour_, ink(pen.colour), "RG\n", ops_);
    const int w = pen_width(pen);
    if (w != line_width_) {
      line_width_ = w;
      append_number(ops_, w * points_per_dot_);
      ops_ += " w\n";
    }
  }

  void fill_with(VectorColour c) { set_colour(fill_colour_, ink(c), "rg\n", ops_); }

  void fill_box(int left, int top, int right, int bottom, VectorColour c) {
    fill_with(c);
    box(left, top, right - left, bottom - top);
    ops_ += "re f\n";
    drawn();
  }

  PageSink sink_;
  std::string title_;
  double points_per_dot_;
  int width_dots_, height_dots_;
  std::size_t offset_ = 0;
  std::vector<std::size_t> offsets_ = std::vector<std::size_t>(4, 0);
  std::vector<int> contents_, images_;
  std::optional<Deflater> deflater_;
  int stream_length_object_ = 0;
  std::size_t stream_start_ = 0;
  std::string ops_;
  bool finished_ = false;

  std::optional<VectorPen> pen_;
  std::optional<VectorColour> brush_;
  bool invert_ = false;
  // What the content has set so far, so each is set only when it changes.
  std::optional<VectorColour> stroke_colour_, fill_colour_;
  int line_width_ = 0;  // dots; none set yet
  bool blend_inverts_ = false;
  bool inverted_ = false;
};

// The same page gathered in memory, for finish() to hand over.
class PdfBytes final : public VectorPage {
 public:
  PdfBytes(std::string_view title, int width_dots, int height_dots, int dots_per_inch)
      : page_([this](std::string_view b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }, title, width_dots,
              height_dots, dots_per_inch) {}
  void select_pen(std::optional<VectorPen> pen) override { page_.select_pen(pen); }
  void select_brush(std::optional<VectorColour> brush) override { page_.select_brush(brush); }
  void set_invert(bool invert) override { page_.set_invert(invert); }
  void line(VectorPoint from, VectorPoint to) override { page_.line(from, to); }
  void rectangle(int left, int top, int right, int bottom) override { page_.rectangle(left, top, right, bottom); }
  void polygon(std::span<const VectorPoint> vertices) override { page_.polygon(vertices); }
  bool picture(const Pixels& pixels, int left, int top, int width, int height) override {
    return page_.picture(pixels, left, top, width, height);
  }
  std::vector<std::uint8_t> finish() override {
    page_.finish();
    return std::move(bytes_);
  }

 private:
  std::vector<std::uint8_t> bytes_;
  PdfPage page_;
};

}  // namespace

std::unique_ptr<VectorPage> make_pdf_page(std::string_view title, int width_dots, int height_dots, int dots_per_inch) {
  return std::make_unique<PdfBytes>(title, width_dots, height_dots, dots_per_inch);
}

std::unique_ptr<VectorPage> make_pdf_page(PageSink sink, std::string_view title, int width_dots, int height_dots,
                                          int dots_per_inch) {
  return std::make_unique<PdfPage>(std::move(sink), title, width_dots, height_dots, dots_per_inch);
}

}  // namespace plv::image
