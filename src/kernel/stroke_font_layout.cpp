#include "kernel/stroke_font_layout.h"

#include <cmath>

#include "kernel/stroke_font.h"

namespace plv::kernel {
namespace {

UserPoint place(const StringSettings& s, UserPoint origin, FontPoint p) {
  const float u = static_cast<float>(p.x) * s.char_width / kCellWidth;
  const float v = static_cast<float>(p.y) * s.char_height / kCellHeight;
  return {origin.x + s.rotation_c * u + s.rotation_s * v, origin.y + s.rotation_c * v - s.rotation_s * u};
}

UserPoint advanced(const StringSettings& s, UserPoint origin, int trim) {
  if (!s.proportional || trim == 0) return {origin.x + s.advance_x, origin.y + s.advance_y};
  const float length = std::hypot(s.advance_x, s.advance_y);
  if (length == 0.0f) return origin;
  const float factor = (length - static_cast<float>(trim) * s.char_width / kCellWidth) / length;
  return {origin.x + factor * s.advance_x, origin.y + factor * s.advance_y};
}

}  // namespace

Rotation direction_rotation(int direction) {
  switch (((direction % 4) + 4) % 4) {
    case 1: return {-1.0f, 0.0f};
    case 2: return {0.0f, -1.0f};
    case 3: return {1.0f, 0.0f};
    default: return {0.0f, 1.0f};
  }
}

TextLayout lay_out_text(const StringSettings& settings, UserPoint origin, std::string_view text) {
  TextLayout out;
  for (const char ch : text) {
    const auto code = static_cast<unsigned char>(ch);
    const int number = glyph_number(code);
    if (number == 0) break;
    const Glyph glyph = decode_glyph(number);
    if (code != ' ') {
      for (const GlyphStroke& stroke : glyph.strokes) {
        Polyline& line = out.polylines.emplace_back();
        for (const FontPoint& p : stroke) line.push_back(place(settings, origin, p));
      }
    }
    origin = advanced(settings, origin, glyph.trim);
  }
  out.next_origin = origin;
  return out;
}

}  // namespace plv::kernel
