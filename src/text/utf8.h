#pragma once
// Texts that should be UTF-8 but may hold stray bytes, such as file names
// made elsewhere: read a character at a time, and written again.

#include <cstddef>
#include <string>
#include <string_view>

namespace plv::text {

struct Character {
  char32_t code = 0;
  std::size_t length = 1;  // bytes
};
// The character that begins at text[i], i < text.size(). A byte that
// does not begin well-formed UTF-8 stands for itself, as Latin-1.
Character character_at(std::string_view text, std::size_t i);

// `code` appended to `out` as UTF-8.
void append_utf8(std::string& out, char32_t code);

}  // namespace plv::text
