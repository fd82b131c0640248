#include "host/text_grid.h"
#include "text/fixed_text.h"

#include <algorithm>

namespace plv::host {

void TextGrid::write(std::string_view text, std::uint8_t attribute) {
  const int room = kTextColumns - column_;
  const int n = std::min(static_cast<int>(text.size()), std::max(room, 0));
  for (int i = 0; i < n; ++i) {
    chars_[row_][column_ + i] = text[static_cast<std::size_t>(i)];
    attrs_[row_][column_ + i] = attribute;
  }
  column_ = std::min(column_ + static_cast<int>(text.size()), kTextColumns);
}

void TextGrid::set_cell(int row, int column) {
  row_ = std::clamp(row, 1, kTextRows) - 1;
  column_ = std::clamp(column, 1, kTextColumns) - 1;
}

void TextGrid::clear() {
  for (auto& r : chars_) r.fill(' ');
  for (auto& r : attrs_) r.fill(kPlainAttribute);
}

std::string TextGrid::line(int row) const {
  return std::string(text::trimmed_right({chars_[row].data(), chars_[row].size()}));
}

}  // namespace plv::host
