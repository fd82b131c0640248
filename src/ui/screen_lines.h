#pragma once
// The two 80-character lines every menu and prompt writes from: the title
// line built at start-up and the message line callers fill before showing.

#include <string>
#include <string_view>

#include "ui/screen_layout.h"

namespace plv::ui {

// `text` cut or blank-padded to `width` characters.
std::string padded(std::string_view text, int width = kScreenColumns);

struct ScreenLines {
  std::string title = padded("");
  std::string message = padded("");
  // The row of the last message shown one under another.
  int message_row = 3;

  void set_title(std::string_view text) { title = padded(text); }
  // Copies a literal into the message line and blanks the rest.
  void set_message(std::string_view text) { message = padded(text); }
};

}  // namespace plv::ui
