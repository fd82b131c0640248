#include "kernel/stroke_font.h"

#include <stdexcept>
#include <string>

#include "kernel/stroke_font_tables.h"

namespace plv::kernel {
namespace {

using font_tables::kGlyphByteCounts;
using font_tables::kGlyphOffsets;
using font_tables::kStrokeBytes;

constexpr bool tables_agree() {
  for (int g = 0; g + 1 < kGlyphCount; ++g)
    if (kGlyphOffsets[g] + kGlyphByteCounts[g] != kGlyphOffsets[g + 1]) return false;
  return kGlyphOffsets[kGlyphCount - 1] + kGlyphByteCounts[kGlyphCount - 1] == kStrokeBytes.size();
}
static_assert(kGlyphOffsets.size() == kGlyphCount && kGlyphByteCounts.size() == kGlyphCount);
static_assert(tables_agree(), "each glyph's bytes must follow the previous glyph's");

constexpr int kPenLift = 10;

constexpr int signed_nibble(int nibble) { return nibble > 10 ? nibble - 16 : nibble; }

}  // namespace

int glyph_number(unsigned char code) {
  if (code == 0) return 0;
  if (code >= 33 && code <= 47) return code - 32;
  if (code >= 58 && code <= 64) return code - 42;
  if (code >= '0' && code <= '9') return code - 25;
  if (code >= 'A' && code <= 'Z') return code - 32;
  if (code >= 'a' && code <= 'z') return code - 38;
  return kDefaultGlyph;
}

Glyph decode_glyph(int glyph) {
  if (glyph < 1 || glyph > kGlyphCount) throw std::out_of_range("no glyph " + std::to_string(glyph));
  const int offset = kGlyphOffsets[glyph - 1];
  const int count = kGlyphByteCounts[glyph - 1];
  Glyph out;
  out.trim = kStrokeBytes[offset];
  bool pen_up = true;
  for (int i = offset + 1; i < offset + count; ++i) {
    const int high = kStrokeBytes[i] >> 4;
    if (high == kPenLift) {
      pen_up = true;
      continue;
    }
    if (pen_up) out.strokes.emplace_back();
    out.strokes.back().push_back({signed_nibble(high), signed_nibble(kStrokeBytes[i] & 0x0F)});
    pen_up = false;
  }
  return out;
}

const Glyph& decoded_glyph(int glyph) {
  static const std::vector<Glyph> kDecoded = [] {
    std::vector<Glyph> all;
    for (int g = 1; g <= kGlyphCount; ++g) all.push_back(decode_glyph(g));
    return all;
  }();
  if (glyph < 1 || glyph > kGlyphCount) throw std::out_of_range("no glyph " + std::to_string(glyph));
  return kDecoded[static_cast<std::size_t>(glyph - 1)];
}

}  // namespace plv::kernel
