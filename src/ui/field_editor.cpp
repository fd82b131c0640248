#include "ui/field_editor.h"

#include <algorithm>
#include <optional>

#include "host/host.h"
#include "ui/pointer_cell.h"
#include "ui/show_field.h"
#include "ui/toolkit.h"

namespace plv::ui {
namespace {

// Keys with editing meanings beyond the host's named keys.
constexpr host::Key kBar = host::Key::character('|');
constexpr host::Key kBarAlternative = host::Key::from_code(146);
constexpr host::Key kClearToEnd = host::Key::kClearToEnd;
constexpr host::Key kLeftAlternative = host::Key::kBackTab;
constexpr int kLastFieldFunction = 10;

// Keys up to code 128 but Escape type their character into the field; the
// codes above are function keys, arrows and editing codes, and those below
// end other waits.
bool types_into_field(host::Key key) {
  constexpr int kLastTypedCode = 128;
  return key.code() >= 0 && key.code() <= kLastTypedCode;
}

class FieldEditor {
 public:
  FieldEditor(Toolkit& toolkit, std::span<const Field> fields, int index, std::string& text)
      : toolkit_(toolkit), fields_(fields), field_(fields[static_cast<std::size_t>(index - 1)]), text_(text) {
    text_.resize(static_cast<std::size_t>(width()), ' ');
    entered_text_ = text_;
  }

  FieldKey run(int start, FieldKey key) {
    k_ = start != 0 ? std::clamp(start, 1, width() + 1) : first_non_blank();
    entered_k_ = k_;
    for (;;) {
      toolkit_.screen().set_position(field_.row, field_.column + k_ - 1);
      const host::Event e = toolkit_.host().wait_event();
      switch (e.type) {
        case host::EventType::kButtonPress: return press(e);
        case host::EventType::kPointerMove: track(e); break;
        case host::EventType::kClose: return FieldKey::kClose;
        case host::EventType::kKey:
          if (const auto done = on_key(e.key, key)) return *done;
          break;
        default: break;
      }
    }
  }

 private:
  int width() const { return std::max(field_.width, 0); }

  int first_non_blank() const {
    int k = 1;
    while (k < width() && text_[static_cast<std::size_t>(k - 1)] == ' ') ++k;
    return k;
  }

  std::optional<FieldKey> on_key(host::Key pressed, FieldKey key) {
    if (pressed == host::Key::kEnter) return FieldKey::kEnter;
    if (pressed == host::Key::kTab) return FieldKey::kTab;
    if (pressed == host::Key::kUndo) return FieldKey::kUndo;
    if (pressed == host::Key::kRedo) return FieldKey::kRedo;
    if (pressed == host::Key::kOpenImported) return FieldKey::kOpenImported;
    if (pressed == kBar || pressed == kBarAlternative) return FieldKey::kBar;
    if (pressed == kLeftAlternative) return FieldKey::kLeft;
    if (pressed == host::Key::kLeft) return left();
    if (pressed == host::Key::kRight) return right();
    if (pressed == host::Key::kUp) return FieldKey::kUp;
    if (pressed == host::Key::kDown) return FieldKey::kDown;
    if (pressed == host::Key::kBackspace) backspace();
    else if (pressed == host::Key::kEscape) take_back();
    else if (pressed == kClearToEnd) clear_to_end();
    else if (pressed.is_function()) return function_key(pressed.function_number(), key);
    else if (types_into_field(pressed)) type(static_cast<char>(pressed.code()));
    return std::nullopt;
  }

  // F1 to F10 end the editing; F11 and F12 end it with the key as it was.
  static FieldKey function_key(int n, FieldKey key) {
    return n <= kLastFieldFunction ? FieldKey::function(n) : key;
  }

  std::optional<FieldKey> right() {
    if (k_ > width()) return FieldKey::kRight;
    ++k_;
    return std::nullopt;
  }

  std::optional<FieldKey> left() {
    if (k_ == 1) return FieldKey::kLeft;
    --k_;
    return std::nullopt;
  }

  std::uint8_t attribute_at(int k) const {
    return field_.highlight || k == 1 ? attr::kHighlighted : attr::kNormal;
  }

  void write_cell(int k) {
    toolkit_.screen().write_at(field_.row, field_.column + k - 1, std::string_view(text_).substr(k - 1, 1), 1,
                               attribute_at(k));
  }

  void type(char c) {
    if (width() == 0) return;
    if (k_ <= width()) {
      text_[static_cast<std::size_t>(k_ - 1)] = c;
      write_cell(k_);
      ++k_;
      return;
    }
    // Past the end the text scrolls left under the caret.
    text_.erase(0, 1);
    text_ += c;
    toolkit_.screen().set_position(field_.row, field_.column);
    show_field(toolkit_.screen(), text_, width(), field_.highlight, false);
  }

  void backspace() {
    if (k_ <= 1) return;
    --k_;
    text_[static_cast<std::size_t>(k_ - 1)] = ' ';
    write_cell(k_);
  }

  void clear_to_end() {
    for (int k = k_; k <= width(); ++k) {
      text_[static_cast<std::size_t>(k - 1)] = ' ';
      write_cell(k);
    }
  }

  // Escape takes back everything typed since the field was entered and
  // puts the caret where it then stood; editing goes on.
  void take_back() {
    text_ = entered_text_;
    k_ = entered_k_;
    toolkit_.screen().set_position(field_.row, field_.column);
    show_field(toolkit_.screen(), text_, width(), field_.highlight, false);
  }

  TextCell pointer_cell(const host::Event& e) {
    const TextCell cell = cell_under_pointer(toolkit_.host().text_layout(), e.x, e.y);
    toolkit_.set_last_pointer(cell);
    return cell;
  }

  int field_under(TextCell cell) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
      if (fields_[i].contains(cell.row, cell.column)) return static_cast<int>(i) + 1;
    return 0;
  }

  FieldKey press(const host::Event& e) { return FieldKey::press_on(field_under(pointer_cell(e))); }

  void track(const host::Event& e) { toolkit_.host().set_crosshair(field_under(pointer_cell(e)) != 0); }

  Toolkit& toolkit_;
  std::span<const Field> fields_;
  const Field& field_;
  std::string& text_;
  std::string entered_text_;  // as it was when the field was entered
  int k_ = 1;
  int entered_k_ = 1;
};

}  // namespace

FieldKey edit_field(Toolkit& toolkit, std::span<const Field> fields, int index, std::string& text, int start,
                    FieldKey key) {
  return FieldEditor(toolkit, fields, index, text).run(start, key);
}

}  // namespace plv::ui
