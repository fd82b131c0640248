#pragma once
// Where the text screen's cells lie in the window, and in which colours an
// attribute draws. All pure, so the window and the tests agree on them.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "host/colour.h"
#include "host/surface.h"
#include "host/text_grid.h"

namespace plv::host {

struct FontSize {
  int char_width;
  int height;
};

// Character width and font height by index, small to large.
inline constexpr std::array<FontSize, 12> kFontTable{{
    {4, 7}, {5, 12}, {6, 13}, {7, 14}, {8, 17}, {10, 20},
    {11, 21}, {12, 22}, {13, 24}, {14, 28}, {15, 29}, {16, 30},
}};

// The height the system's own fixed font has; other heights need a font
// made for them.
inline constexpr int kStockFontHeight = 17;

struct TextLayout {
  int font_index = 4;
  int font_height = 17;
  int char_width = 8;
  int line_height = 16;
  int left_margin = 0;
  int top_margin = 26;

  bool stock_font() const { return font_height == kStockFontHeight; }
  // The text origin (top left) of a zero-based cell.
  Point cell_origin(int row, int column) const;
  // The zero-based cell under a client pixel, clamped to the screen.
  Point cell_at(int x, int y) const;  // {column, row}
};

// The largest font that fits 78 columns across and 45 character widths
// down the client area, and the cell size and margins that centre the
// 80 x 25 screen in it.
TextLayout choose_text_layout(int client_width, int client_height);

// The caret sits under the characters: at the cell's origin moved down by
// the font's ascent.
Point caret_position(const TextLayout& layout, int row, int column, int ascent);

struct AttributeColours {
  Rgb text;
  Rgb cell;
  friend bool operator==(const AttributeColours&, const AttributeColours&) = default;
};

AttributeColours attribute_colours(std::uint8_t attribute, bool black_background);

// A stretch of one row whose columns share an attribute: how the screen is
// painted, one call per run.
struct TextRun {
  int row;
  int column;
  std::string_view text;
  std::uint8_t attribute;
};

std::vector<TextRun> row_runs(const TextGrid& grid, int row);

}  // namespace plv::host
