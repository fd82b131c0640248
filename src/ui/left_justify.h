#pragma once

#include <span>

namespace plv::ui {

// Moves the text left so that its first non-blank character comes first,
// blanks filling the end; returns the one-based position of the last
// non-blank character, 0 for an all-blank text.
int left_justify(std::span<char> text);

}  // namespace plv::ui
