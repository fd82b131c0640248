#pragma once
// Reading texts that should be UTF-8 but may hold stray bytes, such as
// file names made elsewhere.

#include <cstddef>
#include <string_view>

namespace plv::text {

struct Character {
  char32_t code = 0;
  std::size_t length = 1;  // bytes
};
// The character that begins at text[i], i < text.size(). A byte that
// does not begin well-formed UTF-8 stands for itself, as Latin-1.
Character character_at(std::string_view text, std::size_t i);

}  // namespace plv::text
