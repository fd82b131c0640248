#include "ui/field.h"

#include "ui/screen_layout.h"

namespace plv::ui {

int Field::screen_position() const { return row * kScreenColumns + column; }

}  // namespace plv::ui
