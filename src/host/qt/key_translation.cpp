#include "host/qt/key_translation.h"

#include <QKeyEvent>

namespace plv::host {

namespace {

std::optional<Key> named_key(int key) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return Key::function(key - Qt::Key_F1 + 1);
  switch (key) {
    case Qt::Key_Up: return Key::kUp;
    case Qt::Key_Down: return Key::kDown;
    case Qt::Key_Right: return Key::kRight;
    case Qt::Key_Left: return Key::kLeft;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::kEnter;
    case Qt::Key_Backspace: return Key::kBackspace;
    case Qt::Key_Tab: return Key::kTab;
    case Qt::Key_Backtab: return Key::kBackTab;  // Shift+Tab: the previous field
    case Qt::Key_Delete: return Key::kClearToEnd;
    case Qt::Key_Escape: return Key::kEscape;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<Key> key_of(const QKeyEvent& event) {
  // Some platforms send Shift+Tab as Tab with Shift held.
  if (event.key() == Qt::Key_Tab && event.modifiers().testFlag(Qt::ShiftModifier)) return Key::kBackTab;
  if (const auto named = named_key(event.key())) return named;
  const Qt::KeyboardModifiers mods = event.modifiers();
  if (mods.testFlag(Qt::ControlModifier) && event.key() == Qt::Key_Z) return Key::kUndo;
  if (mods.testFlag(Qt::ControlModifier) && event.key() == Qt::Key_Y) return Key::kRedo;
  if (mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier)) return std::nullopt;
  const QString text = event.text();
  if (text.size() != 1) return std::nullopt;
  const char16_t c = text.front().unicode();
  if (c == 0 || c > 255) return std::nullopt;
  return Key::from_code(static_cast<int>(c));
}

}  // namespace plv::host
