#include "ui/screen_lines.h"

namespace plv::ui {

std::string padded(std::string_view text, int width) {
  std::string out(text.substr(0, static_cast<std::size_t>(width)));
  out.resize(static_cast<std::size_t>(width), ' ');
  return out;
}

}  // namespace plv::ui
