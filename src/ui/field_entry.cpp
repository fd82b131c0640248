#include "ui/field_entry.h"

#include <algorithm>
#include <limits>
#include <string>

#include "host/host.h"
#include "ui/close_requested.h"
#include "ui/field_display.h"
#include "ui/field_editor.h"
#include "ui/field_navigation.h"
#include "ui/field_parse.h"
#include "ui/show_field.h"
#include "ui/toolkit.h"

namespace plv::ui {
namespace {

void show(TextScreen& screen, const Field& f) {
  screen.set_position(f.row, f.column);
  show_field(screen, f.text, f.width, f.highlight, f.is_protected);
}

void show_all(TextScreen& screen, FieldSet& set) {
  for (Field& f : set.fields) {
    f.text = display_text(f);
    show(screen, f);
  }
}

bool editable(const FieldSet& set, int i) { return i >= 1 && i <= set.count() && !set.field(i).is_protected; }

int first_editable(const FieldSet& set) {
  for (int i = 1; i <= set.count(); ++i)
    if (editable(set, i)) return i;
  return 0;
}

// Where an integer outside a field's range is told.
constexpr int kRangeMessageRow = 24;

// A whole number typed into an integer field with a range, lying outside
// it: told rather than silently dropped, whether or not the field could
// have held it.
bool outside_range(const Field& f, std::string_view typed) {
  if (!f.range || f.type.kind != FieldKind::kInteger) return false;
  const auto value = parse_whole_number(typed);
  return value && (*value < f.range->low || *value > f.range->high);
}

// Reads the entry into the field. A range, not the integer kind's usual
// limits, says what an integer field with one takes.
bool take(Field& f, std::string_view typed) {
  if (!f.range || f.type.kind != FieldKind::kInteger) return take_entry(f, typed);
  const auto value = parse_whole_number(typed);
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) return false;
  f.integer = static_cast<int>(*value);
  f.text = display_text(f);
  return true;
}

void tell_range(TextScreen& screen, const IntegerRange& range) {
  screen.write_line(kRangeMessageRow, "          ONLY VALUES FROM " + std::to_string(range.low) + " TO " +
                                          std::to_string(range.high) + " ARE TAKEN HERE.");
}

// Edits the current field until its entry reads; an entry that does not,
// or lies outside the field's range, is put back as it was and edited
// again, the key that ended it dropped.
FieldKey edit_current(Toolkit& toolkit, FieldSet& set, int start) {
  bool told = false;
  for (;;) {
    Field& f = set.field(set.current);
    const Field before = f;
    std::string copy = f.text;
    const FieldKey key = edit_field(toolkit, set.fields, set.current, copy, start, set.key);
    if (copy == f.text) return key;
    const bool refused = outside_range(f, copy);
    bool taken = !refused && take(f, copy);
    if (refused) {
      tell_range(toolkit.screen(), *f.range);
      told = true;
      f = before;
      taken = false;
    } else if (taken && told) {
      toolkit.screen().write_line(kRangeMessageRow, "");
    }
    show(toolkit.screen(), f);
    // A close is never dropped: the old value stays and the program ends.
    if (taken || key.is_close()) return key;
    start = 0;
  }
}

bool leaves_form(FieldKey key, const FieldSet& set) {
  if (key == FieldKey::kEnter || key.is_function() || key == FieldKey::kBar || key == FieldKey::kPressOutside ||
      key == FieldKey::kUndo || key == FieldKey::kRedo || key == FieldKey::kOpenImported)
    return true;
  return key.is_press_on_field() && !editable(set, set.current);
}

// Where the caret goes in the field reached: under the pointer after a press.
int start_in(const Toolkit& toolkit, const FieldSet& set, FieldKey key) {
  if (!key.is_press_on_field()) return 0;
  return toolkit.last_pointer().column - set.field(set.current).column + 1;
}

void finish(Toolkit& toolkit, const FieldSet& set) {
  toolkit.host().set_crosshair(false);
  if (set.current >= 1 && set.current <= set.count()) {
    const Field& f = set.field(set.current);
    toolkit.screen().set_position(f.row, f.column);
  }
}

}  // namespace

FieldKey enter_fields(Toolkit& toolkit, FieldSet& set) {
  show_all(toolkit.screen(), set);
  const int first = first_editable(set);
  if (first == 0) return set.key;
  // A protected current field (after a press on it) is never edited.
  if (!editable(set, set.current)) set.current = first;
  int start = 0;
  for (;;) {
    const FieldKey key = edit_current(toolkit, set, start);
    set.key = key;
    if (key.is_close()) {
      toolkit.host().set_crosshair(false);
      throw CloseRequested{};
    }
    set.current = move_to_field(key, set.current, set.fields);
    if (leaves_form(key, set)) {
      finish(toolkit, set);
      return key;
    }
    start = start_in(toolkit, set, key);
  }
}

FieldKey enter_form(Toolkit& toolkit, FieldSet& set) {
  for (;;) {
    const FieldKey key = enter_fields(toolkit, set);
    if (key != FieldKey::kEnter) return key;
    set.key = FieldKey::kTab;
    set.current = move_to_field(set.key, set.current, set.fields);
  }
}

}  // namespace plv::ui
