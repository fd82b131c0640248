#include "ui/left_justify.h"

#include <algorithm>

namespace plv::ui {

int left_justify(std::span<char> text) {
  const auto first = std::find_if(text.begin(), text.end(), [](char c) { return c != ' '; });
  if (first == text.end()) return 0;
  std::rotate(text.begin(), first, text.end());  // the leading blanks go to the end
  const auto last = std::find_if(text.rbegin(), text.rend(), [](char c) { return c != ' '; });
  return static_cast<int>(text.rend() - last);
}

}  // namespace plv::ui
