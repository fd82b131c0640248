#include "ui/field_editor.h"

#include <algorithm>
#include <optional>

#include "host/host.h"
#include "ui/pointer_cell.h"
#include "ui/show_field.h"
#include "ui/toolkit.h"

namespace plv::ui {
namespace {

// Character codes with editing meanings beyond the host's keys.
constexpr int kBar = '|';
constexpr int kBarAlternative = 146;
constexpr int kClearToEnd = 145;
constexpr int kLeftAlternative = 148;
constexpr int kLastTypedCode = 128;

class FieldEditor {
 public:
  FieldEditor(Toolkit& toolkit, std::span<const Field> fields, int index, std::string& text)
      : toolkit_(toolkit), fields_(fields), field_(fields[static_cast<std::size_t>(index - 1)]), text_(text) {
    text_.resize(static_cast<std::size_t>(width()), ' ');
  }

  int run(int start, int key) {
    k_ = start != 0 ? std::clamp(start, 1, width() + 1) : first_non_blank();
    for (;;) {
      toolkit_.screen().set_position(field_.row, field_.column + k_ - 1);
      const host::Event e = toolkit_.host().wait_event();
      switch (e.type) {
        case host::EventType::kButtonPress: return press(e);
        case host::EventType::kPointerMove: track(e); break;
        case host::EventType::kClose: return field_key::kClose;
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

  std::optional<int> on_key(int code, int key) {
    switch (code) {
      case host::keys::kEnter: return field_key::kEnter;
      case host::keys::kTab: return field_key::kTab;
      case kBar:
      case kBarAlternative: return field_key::kBar;
      case kLeftAlternative: return field_key::kLeft;
      case host::keys::kBackspace: backspace(); return std::nullopt;
      case kClearToEnd: clear_to_end(); return std::nullopt;
      case host::keys::kUp: return field_key::kUp;
      case host::keys::kDown: return field_key::kDown;
      case host::keys::kRight:
        if (k_ > width()) return field_key::kRight;
        ++k_;
        return std::nullopt;
      case host::keys::kLeft:
        if (k_ == 1) return field_key::kLeft;
        --k_;
        return std::nullopt;
      default: break;
    }
    if (code >= host::keys::kF1 && code <= host::keys::kF10) return code - (host::keys::kF1 - 1);
    if (code > host::keys::kF10 && code <= host::keys::kF12) return key;
    if (code >= 0 && code <= kLastTypedCode) type(static_cast<char>(code));
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

  int press(const host::Event& e) { return field_key::kPress + field_under(pointer_cell(e)); }

  void track(const host::Event& e) { toolkit_.host().set_crosshair(field_under(pointer_cell(e)) != 0); }

  Toolkit& toolkit_;
  std::span<const Field> fields_;
  const Field& field_;
  std::string& text_;
  int k_ = 1;
};

}  // namespace

int edit_field(Toolkit& toolkit, std::span<const Field> fields, int index, std::string& text, int start, int key) {
  return FieldEditor(toolkit, fields, index, text).run(start, key);
}

}  // namespace plv::ui
