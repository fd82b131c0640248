#include "publish/svg_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "image/pdf_file.h"
#include "text/utf8.h"

namespace plv::publish {
namespace {

// Glyphs are defined at this size, so that their outlines come in the
// thousandths of an em most faces are drawn in, and placed to a tenth of
// one.
constexpr double kEm = 1000;
constexpr int kGlyphDecimals = 1;

constexpr std::int64_t kTens[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// `value` to at most `decimals` (up to 6) decimals, as short as it goes.
// A page of a million lines holds four million of these: ordinary sizes
// are rounded to a whole number of the last decimal and written as that,
// twice as quick as the general conversion, which the rest take.
void append_fixed(std::string& out, double value, int decimals) {
  const double scaled = value * static_cast<double>(kTens[decimals]);
  if (!(std::fabs(scaled) < 1e15)) {
    image::append_number(out, value, decimals);
    return;
  }
  const std::int64_t whole = std::llround(scaled);
  std::uint64_t magnitude = static_cast<std::uint64_t>(whole < 0 ? -whole : whole);
  char text[32];
  char* end = text + sizeof text;
  char* p = end;
  int fraction = decimals;
  while (fraction > 0 && magnitude != 0 && magnitude % 10 == 0) {  // trailing zeros of the fraction go
    magnitude /= 10;
    --fraction;
  }
  if (magnitude == 0) {
    out += '0';
    return;
  }
  for (int k = 0; k < fraction; ++k) {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  if (fraction > 0) *--p = '.';
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (whole < 0) *--p = '-';
  out.append(p, end);
}

// Text between tags: what XML reads as markup is escaped, and characters
// an XML file may not hold at all are blanks.
void append_escaped(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto [code, length] = text::character_at(text, i);
    i += length;
    switch (code) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: {
        const bool allowed = code >= 0x20 ? code != 0xFFFE && code != 0xFFFF : code == '\t' || code == '\n';
        text::append_utf8(out, allowed ? code : U' ');
      }
    }
  }
}

void append_ink(char (&hex)[8], host::Rgb ink) {
  constexpr char kDigits[] = "0123456789abcdef";
  const int parts[] = {ink.red, ink.green, ink.blue};
  hex[0] = '#';
  for (int k = 0; k < 3; ++k) {
    hex[1 + 2 * k] = kDigits[(parts[k] >> 4) & 15];
    hex[2 + 2 * k] = kDigits[parts[k] & 15];
  }
  hex[7] = '\0';
}

}  // namespace

SvgCanvas::SvgCanvas(std::string& out, const PageFrame& frame, double line_width, std::string_view title)
    : out_(out),
      measuring_surface_(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1), cairo_surface_destroy),
      measuring_(cairo_create(measuring_surface_.get()), cairo_destroy) {
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"";
  image::append_number(out_, frame.width);
  out_ += "pt\" height=\"";
  image::append_number(out_, frame.height);
  out_ += "pt\" viewBox=\"0 0 ";
  image::append_number(out_, frame.width);
  out_ += ' ';
  image::append_number(out_, frame.height);
  out_ += "\" version=\"1.1\">\n";
  if (!title.empty()) {
    out_ += "<title>";
    append_escaped(out_, title);
    out_ += "</title>\n";
  }
  defs_at_ = out_.size();
  // Drawing units under the page's map; the line width is in them too.
  out_ += "<g transform=\"matrix(";
  const auto map = frame.page_map();
  // Written finer than the paths: drawing units may be small or large.
  constexpr int kMapDecimals = 9;
  for (std::size_t k = 0; k < map.size(); ++k) {
    if (k > 0) out_ += ',';
    image::append_number(out_, map[k], kMapDecimals);
  }
  out_ += ")\" style=\"fill:none;stroke-width:";
  image::append_number(out_, line_width / frame.scale, kMapDecimals);
  out_ += ";stroke-linecap:round;stroke-linejoin:round;fill-rule:evenodd\">\n";
}

void SvgCanvas::finish() {
  end_group();
  out_ += "</g>\n</svg>\n";
  if (!defs_.empty()) out_.insert(defs_at_, "<defs>\n" + defs_ + "</defs>\n");
}

void SvgCanvas::colour(host::Rgb ink) { append_ink(ink_, ink); }

void SvgCanvas::group(Group kind) {
  if (group_ == kind && std::string_view(group_ink_) == ink_) return;
  end_group();
  out_ += kind == Group::kStrokes ? "<g style=\"stroke:" : "<g style=\"stroke:none;fill:";
  out_ += ink_;
  out_ += "\">\n";
  group_ = kind;
  std::copy(std::begin(ink_), std::end(ink_), group_ink_);
}

void SvgCanvas::end_group() {
  if (group_ != Group::kNone) out_ += "</g>\n";
  group_ = Group::kNone;
}

void SvgCanvas::point(DrawingPoint p) {
  append_fixed(path_, p.x, kDecimals);
  path_ += ' ';
  append_fixed(path_, p.y, kDecimals);
  path_ += ' ';
}

void SvgCanvas::move_to(DrawingPoint p) {
  path_ += "M ";
  point(p);
  current_ = subpath_start_ = p;
}

void SvgCanvas::line_to(DrawingPoint p) {
  path_ += "L ";
  point(p);
  current_ = p;
}

void SvgCanvas::curve_to(DrawingPoint c1, DrawingPoint c2, DrawingPoint end) {
  path_ += "C ";
  point(c1);
  point(c2);
  point(end);
  current_ = end;
}

void SvgCanvas::rectangle(DrawingPoint corner, Vec size) {
  move_to(corner);
  path_ += "H ";
  append_fixed(path_, corner.x + size.x, kDecimals);
  path_ += " V ";
  append_fixed(path_, corner.y + size.y, kDecimals);
  path_ += " H ";
  append_fixed(path_, corner.x, kDecimals);
  path_ += " Z ";
}

void SvgCanvas::close_path() {
  path_ += "Z ";
  current_ = subpath_start_;
}

void SvgCanvas::stroke() { path_element(Group::kStrokes); }
void SvgCanvas::fill() { path_element(Group::kFills); }

void SvgCanvas::path_element(Group kind) {
  if (path_.empty()) return;
  group(kind);
  out_ += "<path d=\"";
  out_ += path_;
  out_ += "\"/>\n";
  path_.clear();
}

void SvgCanvas::band(DrawingPoint a, DrawingPoint b, double width) {
  group(Group::kStrokes);
  out_ += "<path style=\"stroke-width:";
  append_fixed(out_, width, kDecimals);
  out_ += ";stroke-linecap:butt\" d=\"M ";
  append_fixed(out_, a.x, kDecimals);
  out_ += ' ';
  append_fixed(out_, a.y, kDecimals);
  out_ += " L ";
  append_fixed(out_, b.x, kDecimals);
  out_ += ' ';
  append_fixed(out_, b.y, kDecimals);
  out_ += "\"/>\n";
}

LetterExtent SvgCanvas::measure(const Typeface& typeface, double size, const std::string& letters) {
  return measure_letters(measuring_.get(), typeface, size, letters);
}

// Both below take the measuring context set to the face at the em size.
const SvgCanvas::Glyph& SvgCanvas::glyph(Face& face, unsigned char byte) {
  std::optional<Glyph>& found = face.glyphs[byte];
  if (found) return *found;
  found = Glyph{};
  cairo_scaled_font_t* font = cairo_get_scaled_font(measuring_.get());
  const std::string letter = letter_of(byte);
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  if (cairo_scaled_font_text_to_glyphs(font, 0, 0, letter.c_str(), static_cast<int>(letter.size()), &glyphs, &count,
                                       nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
      count > 0) {
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(font, glyphs, 1, &extents);
    found->index = glyphs[0].index;
    found->advance = extents.x_advance;
    found->inked = extents.width > 0 && extents.height > 0;
  }
  cairo_glyph_free(glyphs);
  return *found;
}

// The glyph's outline as the face draws it at the em size, y downwards.
void SvgCanvas::define(Face& face, unsigned long index) {
  if (!face.defined.insert(index).second) return;
  cairo_t* cr = measuring_.get();
  cairo_new_path(cr);
  const cairo_glyph_t glyph{index, 0, 0};
  cairo_glyph_path(cr, &glyph, 1);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  // Overlapping contours of a glyph fill as the face means them to.
  defs_ += "<path id=\"g" + std::to_string(face.number) + '-' + std::to_string(index) + "\" fill-rule=\"nonzero\" d=\"";
  auto point = [this](const cairo_path_data_t& p) {
    append_fixed(defs_, p.point.x, kGlyphDecimals);
    defs_ += ' ';
    append_fixed(defs_, p.point.y, kGlyphDecimals);
    defs_ += ' ';
  };
  for (int i = 0; path->status == CAIRO_STATUS_SUCCESS && i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* data = &path->data[i];
    switch (data->header.type) {
      case CAIRO_PATH_MOVE_TO:  // not the one that follows the last closing
        if (i + data->header.length >= path->num_data) break;
        defs_ += "M ";
        point(data[1]);
        break;
      case CAIRO_PATH_LINE_TO: defs_ += "L "; point(data[1]); break;
      case CAIRO_PATH_CURVE_TO:
        defs_ += "C ";
        for (int k = 1; k <= 3; ++k) point(data[k]);
        break;
      case CAIRO_PATH_CLOSE_PATH: defs_ += "Z "; break;
    }
  }
  cairo_path_destroy(path);
  defs_ += "\"/>\n";
}

void SvgCanvas::letters(const Typeface& typeface, double size, DrawingPoint origin, int quarter_turns,
                        const std::string& letters) {
  Face& face = faces_[typeface.file];
  if (face.number == 0) face.number = static_cast<int>(faces_.size());
  group(Group::kFills);
  // Glyphs are drawn with y downwards, and the page's y runs up in drawing
  // units: turned, then flipped, the letters stand upright.
  constexpr int kCos[] = {1, 0, -1, 0}, kSin[] = {0, 1, 0, -1};
  const int turn = quarter_turns & 3;
  const double k = size / kEm;
  out_ += "<g transform=\"matrix(";
  for (const double v : {k * kCos[turn], k * kSin[turn], k * kSin[turn], -k * kCos[turn]}) {
    image::append_number(out_, v, 9);
    out_ += ',';
  }
  append_fixed(out_, origin.x, kDecimals);
  out_ += ',';
  append_fixed(out_, origin.y, kDecimals);
  out_ += ")\">";
  cairo_t* cr = measuring_.get();
  cairo_save(cr);
  set_letters(cr, typeface, kEm);
  double pen = 0;
  for (const char byte : latin1_of(letters)) {
    const Glyph& g = glyph(face, static_cast<unsigned char>(byte));
    if (g.inked) {
      define(face, g.index);
      out_ += "<use xlink:href=\"#g" + std::to_string(face.number) + '-' + std::to_string(g.index) + "\" x=\"";
      append_fixed(out_, pen, kGlyphDecimals);
      out_ += "\"/>";
    }
    pen += g.advance;
  }
  cairo_restore(cr);
  out_ += "</g>\n";
}

}  // namespace plv::publish
