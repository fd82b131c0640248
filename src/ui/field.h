#pragma once
// The entry fields of a menu: where each lies, how wide it is, of which
// kind, and its value, one struct per field.

#include <optional>
#include <string>
#include <vector>

#include "ui/field_key.h"

namespace plv::ui {

enum class FieldKind { kInteger, kFixed, kScientific, kEngineering, kGeneral, kText };

// A field's kind and, for the real kinds, how many decimals (or, for the
// general kind, significant digits) it shows.
struct FieldType {
  FieldKind kind = FieldKind::kText;
  int decimals = 0;

  static constexpr FieldType text() { return {}; }
  static constexpr FieldType integer() { return {FieldKind::kInteger, 0}; }
  static constexpr FieldType fixed(int decimals) { return {FieldKind::kFixed, decimals}; }
  static constexpr FieldType scientific(int decimals) { return {FieldKind::kScientific, decimals}; }
  static constexpr FieldType engineering(int decimals) { return {FieldKind::kEngineering, decimals}; }
  static constexpr FieldType general(int digits) { return {FieldKind::kGeneral, digits}; }

  constexpr bool numeric() const { return kind != FieldKind::kText; }
};

// Numeric fields are at most this wide.
inline constexpr int kNumericFieldWidth = 20;

// The values an integer field takes: an entry outside them is refused with
// a message that names them, as one that does not read is refused.
struct IntegerRange {
  long low, high;
};

struct Field {
  int row = 1;     // one-based screen position of the first character
  int column = 1;
  int width = 1;
  FieldType type{};
  std::string text{};  // what the field shows: `width` characters
  int integer = 0;   // the integer kind's value
  float real = 0;    // the real kinds' value
  std::optional<IntegerRange> range{};  // integer fields only; none: any value
  bool highlight = false;     // the whole field shown highlighted
  bool is_protected = false;  // shown, never edited

  bool contains(int r, int c) const { return r == row && c >= column && c < column + width; }
  int screen_position() const;
};

// A menu's fields with the current field (one-based; 0 asks for the first
// editable one) and the last key, both kept by the menu between calls.
struct FieldSet {
  std::vector<Field> fields;
  int current = 0;
  FieldKey key{};

  int count() const { return static_cast<int>(fields.size()); }
  Field& field(int i) { return fields[static_cast<std::size_t>(i - 1)]; }
  const Field& field(int i) const { return fields[static_cast<std::size_t>(i - 1)]; }
};

}  // namespace plv::ui
