#pragma once
// Which field a navigation key or a press leads to. Pure.

#include <span>

#include "ui/field.h"

namespace plv::ui {

// Tab and Right: the next editable field in reading order, Down the first
// on a later row; Left and Up likewise backwards. All wrap around the
// screen. Up and Down then take, on the row reached, the field whose
// column is nearest the column they started from (the lower number on a
// tie). A press on field i makes i current, protected or not. Any other
// key, or no editable field, leaves `current`.
int move_to_field(FieldKey key, int current, std::span<const Field> fields);

}  // namespace plv::ui
