#include "ui/text_screen.h"

#include <algorithm>
#include <string>

#include "host/host.h"

namespace plv::ui {

void TextScreen::set_position(int row, int column) {
  row_ = std::clamp(row, 1, kScreenRows);
  column_ = std::clamp(column, 1, kScreenColumns);
  host_.set_text_cell(row_, column_);
}

void TextScreen::write(std::string_view text, int count, std::uint8_t attribute) {
  const int n = std::max(0, std::min(count, kScreenColumns + 1 - column_));
  if (n > 0) {
    std::string piece(text.substr(0, static_cast<std::size_t>(n)));
    piece.resize(static_cast<std::size_t>(n), ' ');
    host_.write_text(piece, attribute);
  }
  set_position(row_, column_ + n);
}

void TextScreen::write_at(int row, int column, std::string_view text, int count, std::uint8_t attribute) {
  set_position(row, column);
  write(text, count, attribute);
}

void TextScreen::clear() {
  host_.clear_text();
  home();
}

void TextScreen::caret_left() {
  if (column_ > 1) set_position(row_, column_ - 1);
}

void TextScreen::caret_right() {
  if (column_ < kScreenColumns) set_position(row_, column_ + 1);
}

void TextScreen::caret_up() {
  if (row_ > 1) set_position(row_ - 1, column_);
}

void TextScreen::caret_down() {
  if (row_ < kLastCaretRow) set_position(row_ + 1, column_);
}

}  // namespace plv::ui
