#pragma once
// The form editor: shows a menu's fields, lets the user move between them
// and type, reads numeric entries, and returns when the menu must act.

#include "ui/field.h"

namespace plv::ui {

class Toolkit;

// Shows every field (numeric ones from their values) and edits from the
// current field on. Returns, and keeps in `set.key`: Enter, F1-F10, the
// bar character, a press outside the fields, or a press on a protected
// field. Navigation keys and presses on editable fields move between
// fields inside. An entry that does not read is dropped silently and the
// field edited again; an integer field with a range takes every whole
// number in it and tells the range when refusing. With no editable field
// it returns at once, `set.key` unchanged. On return the pointer is the
// arrow and the caret is on the current field's first character. Closing
// the window keeps FieldKey::kClose in `set.key` (the entry read or
// dropped first) and throws CloseRequested.
FieldKey enter_fields(Toolkit& toolkit, FieldSet& set);

// Field entry in which Enter moves on as Tab does, so that only function
// keys, presses outside the editable fields and the close leave the form.
FieldKey enter_form(Toolkit& toolkit, FieldSet& set);

}  // namespace plv::ui
