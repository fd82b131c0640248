#include "text/fixed_text.h"

namespace plv::text {

std::string padded(std::string_view text, std::size_t width) {
  std::string field(text.substr(0, width));
  field.resize(width, ' ');
  return field;
}

std::string_view trimmed_right(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool is_blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

void for_each_line(std::string_view text, const std::function<bool(std::string_view)>& take) {
  bool more = true;
  while (more && !text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    more = take(line);
  }
}

}  // namespace plv::text
