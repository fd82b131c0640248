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
// Returns the field key that ended the editing; F11 and F12 return `key`
// as it was. A press is reported on the field under the pointer (or
// outside them all) and its cell kept as the toolkit's last pointer cell.
// Escape puts back the text and the caret as they were on entry and
// editing goes on.
FieldKey edit_field(Toolkit& toolkit, std::span<const Field> fields, int index, std::string& text, int start,
                    FieldKey key);

}  // namespace plv::ui
