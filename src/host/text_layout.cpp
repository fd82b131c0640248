#include "host/text_layout.h"

#include <algorithm>

namespace plv::host {

TextLayout choose_text_layout(int client_width, int client_height) {
  int index = 0;
  for (int i = static_cast<int>(kFontTable.size()) - 1; i >= 1; --i) {
    const int cw = kFontTable[static_cast<std::size_t>(i)].char_width;
    if (client_width >= 78 * cw && 45 * cw <= client_height) {
      index = i;
      break;
    }
  }
  const FontSize font = kFontTable[static_cast<std::size_t>(index)];
  TextLayout layout;
  layout.font_index = index;
  layout.font_height = font.height;
  layout.char_width = font.char_width;
  layout.line_height = std::max(std::min(client_height / kTextRows, 2 * font.char_width), 1);
  layout.left_margin = std::max((client_width - kTextColumns * font.char_width) / 2, 0);
  layout.top_margin = std::max((client_height - kTextRows * layout.line_height) / 2, 0);
  return layout;
}

Point TextLayout::cell_origin(int row, int column) const {
  return {column * char_width + left_margin, row * line_height + top_margin};
}

Point TextLayout::cell_at(int x, int y) const {
  const int column = (x - left_margin) / char_width;
  const int row = (y - top_margin) / line_height;
  return {std::clamp(x < left_margin ? 0 : column, 0, kTextColumns - 1),
          std::clamp(y < top_margin ? 0 : row, 0, kTextRows - 1)};
}

Point caret_position(const TextLayout& layout, int row, int column, int ascent) {
  const Point origin = layout.cell_origin(row, column);
  return {origin.x, origin.y + ascent};
}

AttributeColours attribute_colours(std::uint8_t attribute, bool black_background) {
  const Rgb foreground = black_background ? kWhite : kBlack;
  const Rgb background = black_background ? kBlack : kWhite;
  switch (attribute) {
    case 112: return {background, foreground};
    case 15: return {black_background ? Rgb{255, 255, 0} : Rgb{0, 0, 255}, background};
    case 135: return {{0, 255, 0}, background};
    case 240: return {{255, 0, 0}, background};
    default: return {foreground, background};
  }
}

std::vector<TextRun> row_runs(const TextGrid& grid, int row) {
  std::vector<TextRun> runs;
  const std::string_view text = grid.row_text(row);
  int start = 0;
  while (start < kTextColumns) {
    const std::uint8_t attribute = grid.attribute(row, start);
    int end = start + 1;
    while (end < kTextColumns && grid.attribute(row, end) == attribute) ++end;
    runs.push_back({row, start, text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)),
                    attribute});
    start = end;
  }
  return runs;
}

}  // namespace plv::host
