#pragma once
// Laying out a text in the stroke font: the polylines a string call draws,
// in user coordinates, each one a move to its first point and draws through
// the rest.

#include <cmath>
#include <string_view>
#include <vector>

#include "kernel/stroke_font.h"

namespace plv::kernel {

struct UserPoint {
  float x = 0.0f;
  float y = 0.0f;
};

using Polyline = std::vector<UserPoint>;

// The string-setting state. One font unit is char_width / 6 wide and
// char_height / 9 high. The rotation (s, c) turns a scaled offset (u, v)
// into (c u + s v, c v - s u). The origin moves by the advance vector after
// each character; in proportional mode by its length less trim font units.
struct StringSettings {
  float char_width = 0.03f;
  float char_height = 0.045f;
  float advance_x = 0.03f;
  float advance_y = 0.0f;
  float rotation_s = 0.0f;
  float rotation_c = 1.0f;
  bool proportional = true;
};

struct Rotation {
  float s = 0.0f;
  float c = 1.0f;
};

// Direction 0 writes along +x, 1 along +y, 2 along -x, 3 along -y; other
// values are taken modulo 4.
Rotation direction_rotation(int direction);

struct TextLayout {
  std::vector<Polyline> polylines;
  UserPoint next_origin;  // where a following character would start
};

// Where a font point of a character starting at `origin` lies.
inline UserPoint place_font_point(const StringSettings& s, UserPoint origin, FontPoint p) {
  const float u = static_cast<float>(p.x) * s.char_width / kCellWidth;
  const float v = static_cast<float>(p.y) * s.char_height / kCellHeight;
  return {origin.x + s.rotation_c * u + s.rotation_s * v, origin.y + s.rotation_c * v - s.rotation_s * u};
}

// Where the character after one of this trim starts; `advance_length` is
// the length of the settings' advance vector.
UserPoint advanced_origin(const StringSettings& s, UserPoint origin, int trim, float advance_length);

// Goes through the strokes of `text` from `origin`, stopping early at a
// code 0: `pen(point, starts_stroke)` for each point in order. A blank is
// drawn as nothing but advances as the default glyph would, so blank-padded
// figures line up. Returns where a following character would start. Nothing
// is allocated: every string drawn goes through here.
template <typename Pen>
UserPoint trace_text(const StringSettings& settings, UserPoint origin, std::string_view text, Pen&& pen) {
  const float advance_length = std::hypot(settings.advance_x, settings.advance_y);
  for (const char ch : text) {
    const auto code = static_cast<unsigned char>(ch);
    const int number = glyph_number(code);
    if (number == 0) break;
    const Glyph& glyph = decoded_glyph(number);
    if (code != ' ') {
      for (const GlyphStroke& stroke : glyph.strokes) {
        bool first = true;
        for (const FontPoint& p : stroke) {
          pen(place_font_point(settings, origin, p), first);
          first = false;
        }
      }
    }
    origin = advanced_origin(settings, origin, glyph.trim, advance_length);
  }
  return origin;
}

// The same gathered as polylines.
TextLayout lay_out_text(const StringSettings& settings, UserPoint origin, std::string_view text);

}  // namespace plv::kernel
