#pragma once
// A key as the editor receives it. Function and arrow keys are folded into
// the character range above the printable characters, and a wait that
// ends another way reports that as a key too: the window closed, or a
// pointer button pressed where a key was awaited. Scripts name keys by
// these codes, so they are fixed.

namespace plv::host {

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
// Pans the shown picture; never reaches the editor.
inline constexpr int kMiddleButton = 3;

class Key {
 public:
  // No key: the answer of a wait that ended on anything else.
  constexpr Key() = default;

  // The key a code stands for, as a script or the window delivers it.
  static constexpr Key from_code(int code) { return Key(code); }
  // The key that types `c` (codes 0 to 255).
  static constexpr Key character(char c) { return Key(static_cast<unsigned char>(c)); }
  // F1 to F12 by number.
  static constexpr Key function(int n) { return Key(kF1Code - 1 + n); }
  // A press of kLeftButton or kRightButton where a key was awaited.
  static constexpr Key pointer_press(int button) { return Key(-button); }

  static const Key kNone, kBackspace, kTab, kEnter, kEscape, kSpace, kUp, kDown, kRight, kLeft, kClose;
  // Ctrl+Z and Ctrl+Y: take the last change back, make it again.
  static const Key kUndo, kRedo;
  // A figure was imported from the window's menu: its drawing waits to be opened.
  static const Key kOpenImported;
  // Field entry's own codes: clear from the caret to the end of the field,
  // and back to the previous field.
  static const Key kClearToEnd, kBackTab;

  constexpr int code() const { return code_; }
  constexpr bool is_function() const { return code_ >= kF1Code && code_ <= kF12Code; }
  // 1 to 12 for a function key, else 0.
  constexpr int function_number() const { return is_function() ? code_ - kF1Code + 1 : 0; }
  constexpr bool is_close() const { return code_ == kCloseCode; }
  constexpr bool is_pointer_press() const { return code_ == -kLeftButton || code_ == -kRightButton; }
  // The letter typed, small or capital.
  constexpr bool is_letter(char small) const { return code_ == small || code_ == small - ('a' - 'A'); }
  // A capital letter as the small one; any other key as it is.
  constexpr Key small_letter() const { return code_ >= 'A' && code_ <= 'Z' ? Key(code_ + ('a' - 'A')) : *this; }

  friend constexpr bool operator==(Key, Key) = default;

 private:
  static constexpr int kF1Code = 129;
  static constexpr int kF12Code = 140;
  static constexpr int kCloseCode = -11;

  constexpr explicit Key(int code) : code_(code) {}

  int code_ = 0;
};

inline constexpr Key Key::kNone{};
inline constexpr Key Key::kBackspace = Key::from_code(8);
inline constexpr Key Key::kClearToEnd = Key::from_code(145);
inline constexpr Key Key::kBackTab = Key::from_code(148);
inline constexpr Key Key::kTab = Key::from_code(9);
inline constexpr Key Key::kEnter = Key::from_code(13);
inline constexpr Key Key::kEscape = Key::from_code(27);
inline constexpr Key Key::kSpace = Key::from_code(32);
inline constexpr Key Key::kUp = Key::from_code(141);
inline constexpr Key Key::kDown = Key::from_code(142);
inline constexpr Key Key::kRight = Key::from_code(143);
inline constexpr Key Key::kLeft = Key::from_code(144);
inline constexpr Key Key::kClose = Key::from_code(Key::kCloseCode);
inline constexpr Key Key::kUndo = Key::from_code(26);
inline constexpr Key Key::kRedo = Key::from_code(25);
inline constexpr Key Key::kOpenImported = Key::from_code(150);

}  // namespace plv::host
