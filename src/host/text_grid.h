#pragma once
// The text screen: 25 rows of 80 characters, each with an attribute byte
// that selects its colours. The grid outlives mode switches, so leaving the
// picture without clearing shows the previous text again.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace plv::host {

inline constexpr int kTextRows = 25;
inline constexpr int kTextColumns = 80;
inline constexpr std::uint8_t kPlainAttribute = 7;

class TextGrid {
 public:
  TextGrid() { clear(); }

  // Writes at the current cell and advances the column by the text's
  // length. Characters that would pass column 80 are dropped.
  void write(std::string_view text, std::uint8_t attribute);
  // One-based; values outside the screen are brought to its nearest edge.
  void set_cell(int row, int column);
  // Blanks with attribute 7 everywhere; the current cell stays.
  void clear();

  char character(int row, int column) const { return chars_[row][column]; }
  std::uint8_t attribute(int row, int column) const { return attrs_[row][column]; }
  // Zero-based; the column is 80 after a write that reached the row's end.
  int row() const { return row_; }
  int column() const { return column_; }
  // All 80 characters of a zero-based row.
  std::string_view row_text(int row) const { return {chars_[row].data(), kTextColumns}; }
  // Row `row` (zero-based) as text, trailing blanks removed.
  std::string line(int row) const;

 private:
  std::array<std::array<char, kTextColumns>, kTextRows> chars_{};
  std::array<std::array<std::uint8_t, kTextColumns>, kTextRows> attrs_{};
  int row_ = 0;
  int column_ = 0;
};

}  // namespace plv::host
