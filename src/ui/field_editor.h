#pragma once
// Editing the text of one field on the screen, key by key, until a key or
// a pointer press asks to leave it.

#include <span>
#include <string>

#include "ui/field.h"

namespace plv::ui {

class Toolkit;

// Edits `text` (the field's `width` characters) of field `index` (one-based)
// with the caret first at `start` (0: on the first non-blank character).
// Returns the field key code that ended the editing; F11 and F12 return
// `key` as it was. Presses are reported as 1000 + the field under the
// pointer (1000 for none) and kept as the toolkit's last pointer cell.
int edit_field(Toolkit& toolkit, std::span<const Field> fields, int index, std::string& text, int start, int key);

}  // namespace plv::ui
