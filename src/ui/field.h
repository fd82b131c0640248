#pragma once
// The entry fields of a menu: where each lies, how wide it is, of which
// kind, and its value, one struct per field.

#include <string>
#include <string_view>
#include <vector>

namespace plv::ui {

enum class FieldKind { kInteger, kFixed, kScientific, kEngineering, kGeneral, kText };

// A two-character type code: the kind letter (I, F, E, P, G; anything else
// is text) and the number of decimals the real kinds show.
struct FieldType {
  char letter = 'A';
  int decimals = 0;

  constexpr FieldType() = default;
  constexpr FieldType(const char* code) : FieldType(std::string_view(code)) {}  // "F2", "I ", "A "
  constexpr explicit FieldType(std::string_view code)
      : letter(code.empty() ? 'A' : code[0]),
        decimals(code.size() > 1 && code[1] >= '0' && code[1] <= '9' ? code[1] - '0' : 0) {}

  constexpr FieldKind kind() const {
    switch (letter) {
      case 'I': return FieldKind::kInteger;
      case 'F': return FieldKind::kFixed;
      case 'E': return FieldKind::kScientific;
      case 'P': return FieldKind::kEngineering;
      case 'G': return FieldKind::kGeneral;
      default: return FieldKind::kText;
    }
  }
  constexpr bool numeric() const { return kind() != FieldKind::kText; }
};

// Numeric fields are at most this wide.
inline constexpr int kNumericFieldWidth = 20;

struct Field {
  int row = 1;     // one-based screen position of the first character
  int column = 1;
  int width = 1;
  FieldType type{};
  std::string text{};  // what the field shows: `width` characters
  int integer = 0;   // the integer kind's value
  float real = 0;    // the real kinds' value
  bool highlight = false;     // the whole field shown highlighted
  bool is_protected = false;  // shown, never edited

  bool contains(int r, int c) const { return r == row && c >= column && c < column + width; }
  int screen_position() const;
};

// Codes field entry returns besides 1 to 10 for F1 to F10.
namespace field_key {
inline constexpr int kEnter = 0;
inline constexpr int kUp = 11;
inline constexpr int kDown = 12;
inline constexpr int kRight = 13;
inline constexpr int kLeft = 14;
inline constexpr int kTab = 15;
inline constexpr int kBar = 16;
// A press outside every field; 1000 + i for a press on field i.
inline constexpr int kPress = 1000;
inline constexpr int kClose = -11;
inline constexpr int press_on(int field) { return kPress + field; }
}  // namespace field_key

// A menu's fields with the current field (one-based; 0 asks for the first
// editable one) and the last key, both kept by the menu between calls.
struct FieldSet {
  std::vector<Field> fields;
  int current = 0;
  int key = 0;

  int count() const { return static_cast<int>(fields.size()); }
  Field& field(int i) { return fields[static_cast<std::size_t>(i - 1)]; }
  const Field& field(int i) const { return fields[static_cast<std::size_t>(i - 1)]; }
};

}  // namespace plv::ui
