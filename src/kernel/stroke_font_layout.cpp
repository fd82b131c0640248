#include "kernel/stroke_font_layout.h"

#include <cmath>

namespace plv::kernel {

UserPoint advanced_origin(const StringSettings& s, UserPoint origin, int trim, float length) {
  if (!s.proportional || trim == 0) return {origin.x + s.advance_x, origin.y + s.advance_y};
  if (length == 0.0f) return origin;
  const float factor = (length - static_cast<float>(trim) * s.char_width / kCellWidth) / length;
  return {origin.x + factor * s.advance_x, origin.y + factor * s.advance_y};
}

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
  out.next_origin = trace_text(settings, origin, text, [&out](UserPoint p, bool starts_stroke) {
    if (starts_stroke) out.polylines.emplace_back();
    out.polylines.back().push_back(p);
  });
  return out;
}

}  // namespace plv::kernel
