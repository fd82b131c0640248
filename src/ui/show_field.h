#pragma once

#include <string_view>

namespace plv::ui {

class TextScreen;

// Writes a field's text at the current position: all highlighted when the
// field is, all normal when it is protected, otherwise only its first
// character highlighted so the start of an editable field can be seen.
void show_field(TextScreen& screen, std::string_view text, int length, bool highlight, bool is_protected);

}  // namespace plv::ui
