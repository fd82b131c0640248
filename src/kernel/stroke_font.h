#pragma once
// The stroke font: 85 glyphs drawn as pen strokes on a grid of font units.
//
// A character cell is 6 units wide; capitals and digits stand 9 units high
// on the baseline (y = 0), small letters 6, descenders reach y = -3. Glyphs
// keep within x 0..6 and start at x = 0, except that the narrow figure one
// stands in the middle of its cell like the other figures.
//
// Glyph n has a byte count and an offset into the stroke bytes. At the
// offset stands the trim byte, then count - 1 point bytes: the high nibble
// is x, the low nibble y, a nibble above 10 means nibble - 16. A byte whose
// high nibble is 10 lifts the pen (its low nibble means nothing, we write
// 0); it is not a point. The first point of a glyph, and the first point
// after a lift, is a move; every other point draws from the one before. So
// x = 10 never occurs in a point, and a dot is drawn as a one-unit stroke.
//
// The trim byte is how many units of the cell the glyph leaves empty on
// its right (6 - its widest x), so that in proportional mode every glyph
// is followed by the same gap. Digits keep trim 0 so figures line up.

#include <cstdint>
#include <vector>

namespace plv::kernel {

inline constexpr int kGlyphCount = 85;
inline constexpr int kDefaultGlyph = 85;
inline constexpr int kCellWidth = 6;    // font units across a cell
inline constexpr int kCellHeight = 9;   // font units from baseline to cap top
inline constexpr int kDescent = 3;      // font units below the baseline

struct FontPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const FontPoint&, const FontPoint&) = default;
};

using GlyphStroke = std::vector<FontPoint>;  // move to the first, draw through the rest

struct Glyph {
  int trim = 0;
  std::vector<GlyphStroke> strokes;
};

// The glyph drawn for a character code; 0 for code 0, which ends a string.
int glyph_number(unsigned char code);

// Glyph 1..kGlyphCount as strokes; throws std::out_of_range otherwise.
Glyph decode_glyph(int glyph);
// The same, decoded once for the whole run: every string drawn reads it.
const Glyph& decoded_glyph(int glyph);

}  // namespace plv::kernel
