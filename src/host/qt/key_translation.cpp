#include "host/qt/key_translation.h"

#include <QKeyEvent>

#include "host/events.h"

namespace plv::host {

namespace {

std::optional<int> named_key(int key) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return keys::function_key(key - Qt::Key_F1 + 1);
  switch (key) {
    case Qt::Key_Up: return keys::kUp;
    case Qt::Key_Down: return keys::kDown;
    case Qt::Key_Right: return keys::kRight;
    case Qt::Key_Left: return keys::kLeft;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::kEnter;
    case Qt::Key_Backspace: return keys::kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return keys::kTab;
    case Qt::Key_Escape: return keys::kEscape;
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<int> key_code(const QKeyEvent& event) {
  if (const auto named = named_key(event.key())) return named;
  if (event.key() == Qt::Key_Delete) return std::nullopt;  // types no character of its own
  const Qt::KeyboardModifiers mods = event.modifiers();
  if (mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier)) return std::nullopt;
  const QString text = event.text();
  if (text.size() != 1) return std::nullopt;
  const char16_t c = text.front().unicode();
  if (c == 0 || c > 255) return std::nullopt;
  return static_cast<int>(c);
}

}  // namespace plv::host
