#include "ui/pick_list.h"

#include <cstdlib>

#include "host/host.h"
#include "ui/close_requested.h"
#include "ui/pointer_cell.h"
#include "ui/text_screen.h"

namespace plv::ui {
namespace {

std::string_view entry_text(const PickList& list, int i) {
  const auto start = static_cast<std::size_t>((i - 1) * list.width);
  if (start >= list.entries.size()) return {};
  return list.entries.substr(start, static_cast<std::size_t>(list.width));
}

void write_entry(TextScreen& screen, const PickList& list, int i) {
  const auto attribute = i == list.marked ? attr::kHighlighted : attr::kNormal;
  screen.write_at(list.top_row + i - 1, list.left_column, entry_text(list, i), list.width, attribute);
}

void put_caret(TextScreen& screen, const PickList& list, int current) {
  screen.set_position(list.top_row + current - 1, list.left_column);
}

int wrapped(int i, int count) {
  if (i < 1) return count;
  if (i > count) return 1;
  return i;
}

bool inside(const PickList& list, TextCell cell) {
  return cell.row >= list.top_row && cell.row < list.top_row + list.count && cell.column >= list.left_column &&
         cell.column < list.left_column + list.width;
}

// Takes events until one ends the interaction; returns the key.
host::Key interact(TextScreen& screen, const PickList& list, int& current) {
  host::Host& host = screen.host();
  for (;;) {
    const host::Event e = host.wait_event();
    switch (e.type) {
      case host::EventType::kKey:
        if ((e.key == host::Key::kUp || e.key == host::Key::kDown) && list.count > 0) {
          write_entry(screen, list, current);
          current = wrapped(current + (e.key == host::Key::kUp ? -1 : 1), list.count);
          write_entry(screen, list, current);
          put_caret(screen, list, current);
          continue;
        }
        return e.key.small_letter();
      case host::EventType::kButtonPress: {
        const TextCell cell = cell_under_pointer(host.text_layout(), e.x, e.y);
        current = inside(list, cell) ? cell.row - list.top_row + 1 : -current;
        return host::Key::pointer_press(e.button);
      }
      case host::EventType::kPointerMove: continue;
      case host::EventType::kClose: return host::Key::kClose;
      default: return host::Key::kNone;
    }
  }
}

}  // namespace

void pick_list(TextScreen& screen, PickMode mode, const PickList& list, int& current, host::Key& key) {
  current = std::abs(current);
  // A current entry off the list would put the caret beside it.
  if (list.count > 0 && (current < 1 || current > list.count)) current = current < 1 ? 1 : list.count;
  if (mode & kPickDraw) {
    for (int i = 1; i <= list.count; ++i) write_entry(screen, list, i);
    put_caret(screen, list, current);
  }
  if (mode & kPickInteract) {
    screen.host().set_crosshair(true);
    key = interact(screen, list, current);
    screen.host().set_crosshair(false);
    if (key.is_close()) throw CloseRequested{};
  }
}

}  // namespace plv::ui
