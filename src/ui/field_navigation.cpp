#include "ui/field_navigation.h"

#include <cstdlib>

namespace plv::ui {
namespace {

constexpr int kNone = 0;

struct Origin {
  int position = 0;
  int row = 0;
  int column = 1;
};

Origin origin_of(int current, std::span<const Field> fields) {
  if (current < 1 || current > static_cast<int>(fields.size())) return {};
  const Field& f = fields[static_cast<std::size_t>(current - 1)];
  return {f.screen_position(), f.row, f.column};
}

const Field& at(std::span<const Field> fields, int i) { return fields[static_cast<std::size_t>(i - 1)]; }

// The editable field next after (or before) the origin in reading order,
// skipping the origin's row when asked; 0 when there is none.
int neighbour(std::span<const Field> fields, const Origin& from, bool forward, bool skip_row) {
  int best = kNone;
  for (int i = 1; i <= static_cast<int>(fields.size()); ++i) {
    const Field& f = at(fields, i);
    if (f.is_protected || (skip_row && f.row == from.row)) continue;
    const int p = f.screen_position();
    const bool beyond = forward ? p > from.position : p < from.position;
    const bool closer = best == kNone || (forward ? p < at(fields, best).screen_position()
                                                  : p > at(fields, best).screen_position());
    if (beyond && closer) best = i;
  }
  return best;
}

// The first (or last) editable field on the screen.
int end_field(std::span<const Field> fields, bool first) {
  const Origin outside{first ? 0 : 1 << 30, -1, 1};
  return neighbour(fields, outside, first, false);
}

// On the row of field `reached`, the editable field nearest `column`.
int nearest_on_row(std::span<const Field> fields, int reached, int column) {
  const int row = at(fields, reached).row;
  int best = reached;
  for (int i = 1; i <= static_cast<int>(fields.size()); ++i) {
    const Field& f = at(fields, i);
    if (f.is_protected || f.row != row) continue;
    if (std::abs(f.column - column) < std::abs(at(fields, best).column - column) ||
        (std::abs(f.column - column) == std::abs(at(fields, best).column - column) && i < best))
      best = i;
  }
  return best;
}

}  // namespace

int move_to_field(FieldKey key, int current, std::span<const Field> fields) {
  const int n = static_cast<int>(fields.size());
  if (key.is_press_on_field() && key.pressed_field() <= n) return key.pressed_field();
  const bool forward = key == FieldKey::kTab || key == FieldKey::kDown || key == FieldKey::kRight;
  const bool backward = key == FieldKey::kUp || key == FieldKey::kLeft;
  if (!forward && !backward) return current;

  const bool vertical = key == FieldKey::kUp || key == FieldKey::kDown;
  const Origin from = origin_of(current, fields);
  int next = neighbour(fields, from, forward, vertical);
  if (next == kNone) next = end_field(fields, forward);
  if (next == kNone) return current;
  return vertical ? nearest_on_row(fields, next, from.column) : next;
}

}  // namespace plv::ui
