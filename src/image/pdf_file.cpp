#include "image/pdf_file.h"

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <new>

#include "text/utf8.h"

namespace plv::image {
namespace {

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
    const auto [code, length] = text::character_at(text, i);
    i += length;
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

// Object numbers are handed out in the order objects are begun; these
// four are written last but numbered first.
constexpr int kCatalog = 1, kPages = 2, kPage = 3, kInfo = 4;

std::string number_text(double value) {
  std::string text;
  append_number(text, value);
  return text;
}

}  // namespace

void append_number(std::string& out, double value, int decimals) {
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

std::string pdf_literal(std::string_view text) {
  std::string out = "(";
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '(' || c == ')' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20 || c >= 0x7F) {
      char octal[5];
      std::snprintf(octal, sizeof octal, "\\%03o", c);
      out += octal;
    } else {
      out += ch;
    }
  }
  return out + ")";
}

PdfFile::PdfFile(PageSink sink, std::string_view title, double width, double height)
    : sink_(std::move(sink)), title_(title), width_(width), height_(height), offsets_(4, 0) {
  put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
  begin_content();
}

PdfFile::~PdfFile() = default;

void PdfFile::put(std::string_view bytes) {
  sink_(bytes);
  offset_ += bytes.size();
}

int PdfFile::new_object() {
  offsets_.push_back(0);
  return static_cast<int>(offsets_.size());
}

void PdfFile::begin_object(int number) {
  offsets_[static_cast<std::size_t>(number - 1)] = offset_;
  put(std::to_string(number) + " 0 obj\n");
}

// A deflated stream whose length is its own object, written when the
// stream ends: nothing of the stream is kept to count it first.
int PdfFile::begin_stream(const std::string& dictionary) {
  const int number = new_object();
  stream_length_object_ = new_object();
  begin_object(number);
  put("<< " + dictionary + " /Filter /FlateDecode /Length " + std::to_string(stream_length_object_) +
      " 0 R >>\nstream\n");
  stream_start_ = offset_;
  deflater_ = std::make_unique<Deflater>();
  return number;
}

void PdfFile::stream_bytes(std::string_view bytes, bool last) {
  deflater_->feed(bytes, last, [this](std::string_view made) { put(made); });
}

void PdfFile::end_stream() {
  stream_bytes({}, true);
  deflater_.reset();
  const std::size_t length = offset_ - stream_start_;
  put("\nendstream\nendobj\n");
  begin_object(stream_length_object_);
  put(std::to_string(length) + "\nendobj\n");
}

// The page's streams run on as one: each starts in the state the one
// before it left.
void PdfFile::begin_content() { contents_.push_back(begin_stream("")); }

void PdfFile::end_content() {
  if (!deflater_) return;
  stream_bytes(ops_);
  ops_.clear();
  end_stream();
}

// Operators gather into blocks before they are deflated.
void PdfFile::drawn() {
  constexpr std::size_t kBlock = 1 << 16;
  if (ops_.size() < kBlock) return;
  stream_bytes(ops_);
  ops_.clear();
}

std::string PdfFile::picture(const Pixels& pixels) {
  end_content();
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
  pictures_.push_back(number);
  begin_content();
  return "/Im" + std::to_string(number);
}

std::string PdfFile::font(std::shared_ptr<const PdfFont> font) {
  auto known = std::find(fonts_.begin(), fonts_.end(), font);
  if (known == fonts_.end()) known = fonts_.insert(fonts_.end(), std::move(font));
  return "/F" + std::to_string(known - fonts_.begin() + 1);
}

void PdfFile::write_font(const PdfFont& font, int number) {
  std::string text;
  if (font.bytes.empty()) {  // a standard face, which readers have
    text = "<< /Type /Font /Subtype /Type1 /BaseFont /" + font.postscript_name +
           " /Encoding /WinAnsiEncoding >>\nendobj\n";
    begin_object(number);
    put(text);
    return;
  }
  const int descriptor = new_object();
  const bool compact = font.program == PdfFont::Program::kCompactType1;
  const int program = begin_stream(compact ? "/Subtype /Type1C" : "/Length1 " + std::to_string(font.bytes.size()));
  stream_bytes(font.bytes);
  end_stream();
  text = "<< /Type /FontDescriptor /FontName /" + font.postscript_name + " /Flags " +
                     std::to_string(font.flags) + " /FontBBox [";
  append_numbers(text, {font.bbox[0], font.bbox[1], font.bbox[2], font.bbox[3]});
  text += "] /ItalicAngle 0 /Ascent " + number_text(font.ascent) + " /Descent " + number_text(font.descent) +
          " /CapHeight " + number_text(font.cap_height) + " /StemV 80 /" + (compact ? "FontFile3 " : "FontFile2 ") +
          std::to_string(program) + " 0 R >>\nendobj\n";
  begin_object(descriptor);
  put(text);
  text = std::string("<< /Type /Font /Subtype /") + (compact ? "Type1" : "TrueType") + " /BaseFont /" +
         font.postscript_name + " /FirstChar 32 /LastChar 255 /Encoding /WinAnsiEncoding /Widths [";
  for (const double w : font.widths) append_numbers(text, {w});
  text += "] /FontDescriptor " + std::to_string(descriptor) + " 0 R >>\nendobj\n";
  begin_object(number);
  put(text);
}

void PdfFile::finish() {
  if (finished_) return;
  finished_ = true;
  end_content();
  write_page();
}

void PdfFile::write_page() {
  std::vector<int> font_objects;
  for (const auto& f : fonts_) {
    font_objects.push_back(new_object());
    write_font(*f, font_objects.back());
  }
  begin_object(kPage);
  std::string page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number_text(width_) + " " +
                     number_text(height_) + "]\n/Contents [";
  for (const int c : contents_) page += std::to_string(c) + " 0 R ";
  page += "]\n/Resources << /ExtGState << /Paint << /BM /Normal >> /Invert << /BM /Difference >> >>";
  if (!pictures_.empty()) {
    page += " /XObject <<";
    for (const int i : pictures_) page += " /Im" + std::to_string(i) + " " + std::to_string(i) + " 0 R";
    page += " >>";
  }
  if (!fonts_.empty()) {
    page += " /Font <<";
    for (std::size_t i = 0; i < font_objects.size(); ++i)
      page += " /F" + std::to_string(i + 1) + " " + std::to_string(font_objects[i]) + " 0 R";
    page += " >>";
  }
  page += " >>";
  if (inverting_) page += "\n/Group << /Type /Group /S /Transparency /CS /DeviceRGB >>";
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

}  // namespace plv::image
