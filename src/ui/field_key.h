#pragma once
// What ends the editing of a field: a key that asks the menu to act or to
// move to another field, a pointer press, or the window closed.

namespace plv::ui {

class FieldKey {
 public:
  // Enter.
  constexpr FieldKey() = default;

  // F1 to F10 by number.
  static constexpr FieldKey function(int n) { return FieldKey(n); }
  // A pointer press on field `field` (one-based).
  static constexpr FieldKey press_on(int field) { return FieldKey(kPressCode + field); }

  static const FieldKey kEnter, kUp, kDown, kRight, kLeft, kTab, kBar, kPressOutside, kClose, kUndo, kRedo,
      kOpenImported;

  constexpr bool is_function() const { return code_ >= 1 && code_ <= kLastFunction; }
  // 1 to 10 for a function key, else 0.
  constexpr int function_number() const { return is_function() ? code_ : 0; }
  constexpr bool is_press_on_field() const { return code_ > kPressCode; }
  // The field pressed on; 0 for any other key.
  constexpr int pressed_field() const { return is_press_on_field() ? code_ - kPressCode : 0; }
  constexpr bool is_close() const { return code_ == kCloseCode; }

  friend constexpr bool operator==(FieldKey, FieldKey) = default;

 private:
  static constexpr int kLastFunction = 10;
  static constexpr int kPressCode = 1000;
  static constexpr int kCloseCode = -11;

  constexpr explicit FieldKey(int code) : code_(code) {}

  int code_ = 0;
};

inline constexpr FieldKey FieldKey::kEnter{};
inline constexpr FieldKey FieldKey::kUp{11};
inline constexpr FieldKey FieldKey::kDown{12};
inline constexpr FieldKey FieldKey::kRight{13};
inline constexpr FieldKey FieldKey::kLeft{14};
inline constexpr FieldKey FieldKey::kTab{15};
inline constexpr FieldKey FieldKey::kBar{16};
inline constexpr FieldKey FieldKey::kPressOutside = FieldKey::press_on(0);
inline constexpr FieldKey FieldKey::kClose{FieldKey::kCloseCode};
// Ctrl+Z and Ctrl+Y leave the form for the menu to act on.
inline constexpr FieldKey FieldKey::kUndo{17};
inline constexpr FieldKey FieldKey::kRedo{18};
// A figure imported from the window's menu waits to be opened.
inline constexpr FieldKey FieldKey::kOpenImported{19};

}  // namespace plv::ui
