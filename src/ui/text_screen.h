#pragma once
// Writes on the host's text screen from a current position that the caret
// always follows. The host keeps the characters; this keeps only where the
// next write goes.

#include <cstdint>
#include <string_view>

#include "ui/screen_layout.h"

namespace plv::host {
class Host;
}

namespace plv::ui {

class TextScreen {
 public:
  explicit TextScreen(host::Host& host) : host_(host) {}

  // Position (1, 1), passed on to the caret.
  void initialise() { home(); }
  // Columns past 80 store 80; rows and columns are kept on the screen.
  void set_position(int row, int column);
  int row() const { return row_; }
  int column() const { return column_; }

  // The first `count` characters of `text` (blanks beyond its end) at the
  // current position, cut at column 80; the position ends after them, at
  // most at column 80.
  void write(std::string_view text, int count, std::uint8_t attribute);
  void write_normal(std::string_view text, int count) { write(text, count, attr::kNormal); }
  void write_highlighted(std::string_view text, int count) { write(text, count, attr::kHighlighted); }
  void write_bright(std::string_view text, int count) { write(text, count, attr::kBright); }
  void write_alert(std::string_view text, int count) { write(text, count, attr::kAlert); }
  void write_green(std::string_view text, int count) { write(text, count, attr::kGreen); }
  // Positions, then writes.
  void write_at(int row, int column, std::string_view text, int count, std::uint8_t attribute = attr::kNormal);
  // A whole menu line: the text blank-padded to 80 columns from column 1.
  void write_line(int row, std::string_view text, std::uint8_t attribute = attr::kNormal) {
    write_at(row, 1, text, kScreenColumns, attribute);
  }

  // Blank screen in the normal attribute, position (1, 1).
  void clear();
  void home() { set_position(1, 1); }
  void caret_left();
  void caret_right();
  void caret_up();
  void caret_down();

  host::Host& host() { return host_; }

 private:
  host::Host& host_;
  int row_ = 1;
  int column_ = 1;
};

}  // namespace plv::ui
