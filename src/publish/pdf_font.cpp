#include "publish/pdf_font.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>


namespace plv::publish {
namespace {

std::uint32_t big_endian(std::string_view bytes, std::size_t at, int length) {
  std::uint32_t value = 0;
  for (int k = 0; k < length; ++k) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
  return value;
}

// The program a PDF page can carry from an OpenType or TrueType file;
// nothing from any other.
std::optional<std::pair<image::PdfFont::Program, std::string>> font_program(const std::string& file) {
  constexpr std::size_t kHeader = 12, kRecord = 16;
  if (file.size() < kHeader) return std::nullopt;
  const std::uint32_t version = big_endian(file, 0, 4);
  if (version == 0x00010000 || version == 0x74727565 /* true */)
    return std::pair{image::PdfFont::Program::kTrueType, file};
  if (version != 0x4F54544F /* OTTO */) return std::nullopt;
  const std::uint32_t tables = big_endian(file, 4, 2);
  for (std::uint32_t t = 0; t < tables && kHeader + (t + 1) * kRecord <= file.size(); ++t) {
    const std::size_t record = kHeader + t * kRecord;
    if (file.compare(record, 4, "CFF ") != 0) continue;
    const std::size_t offset = big_endian(file, record + 8, 4), length = big_endian(file, record + 12, 4);
    if (offset > file.size() || length > file.size() - offset) return std::nullopt;
    return std::pair{image::PdfFont::Program::kCompactType1, file.substr(offset, length)};
  }
  return std::nullopt;
}

}  // namespace

std::shared_ptr<const image::PdfFont> pdf_font_of(const Typeface& typeface, cairo_t* measuring) {
  auto font = std::make_shared<image::PdfFont>();
  font->flags = 32 | (typeface.fixed_pitch ? 1 : 0) | (typeface.serif ? 2 : 0);
  font->postscript_name = typeface.standard;
  std::ifstream in(typeface.file, std::ios::binary);
  const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in && !typeface.postscript_name.empty()) {
    if (auto program = font_program(file)) {
      font->program = program->first;
      font->bytes = std::move(program->second);
      font->postscript_name = typeface.postscript_name;
    }
  }
  constexpr double kSize = 1000;
  cairo_save(measuring);
  set_letters(measuring, typeface, kSize);
  cairo_font_extents_t extents;
  cairo_font_extents(measuring, &extents);
  font->ascent = extents.ascent;
  font->descent = -extents.descent;
  double left = 0, bottom = 0, right = 0, top = 0;
  for (int byte = 32; byte < 256; ++byte) {
    cairo_text_extents_t letter;
    cairo_text_extents(measuring, letter_of(byte).c_str(), &letter);
    font->widths.push_back(letter.x_advance);
    left = std::min(left, letter.x_bearing);
    right = std::max(right, letter.x_bearing + letter.width);
    top = std::max(top, -letter.y_bearing);
    bottom = std::min(bottom, -(letter.y_bearing + letter.height));
  }
  cairo_text_extents_t capital;
  cairo_text_extents(measuring, "H", &capital);
  font->cap_height = capital.height;
  cairo_restore(measuring);
  font->bbox[0] = left;
  font->bbox[1] = bottom;
  font->bbox[2] = right;
  font->bbox[3] = top;
  return font;
}

}  // namespace plv::publish
