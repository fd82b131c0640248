#pragma once
// The function keys a menu acts on, by name rather than by number.

#include "host/key.h"
#include "ui/field_key.h"

namespace plv::ui {

enum class FKey { kNone, kF1, kF2, kF3, kF4, kF5, kF6, kF7, kF8, kF9, kF10, kF11, kF12 };

constexpr FKey fkey_of(host::Key key) { return static_cast<FKey>(key.function_number()); }
constexpr FKey fkey_of(FieldKey key) { return static_cast<FKey>(key.function_number()); }

}  // namespace plv::ui
