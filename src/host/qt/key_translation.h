#pragma once
// Which key a key press stands for, if any.

#include <optional>

#include "host/key.h"

class QKeyEvent;

namespace plv::host {

// Function keys, arrows, Enter, Backspace, Tab and Escape by their key;
// other keys by the character they type (codes up to 255). Modifier keys
// alone, keys typing nothing, and characters typed with Alt (the system's
// own key combinations) are not keys for the editor.
std::optional<Key> key_of(const QKeyEvent& event);

}  // namespace plv::host
