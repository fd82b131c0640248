#pragma once
// A menu as a table: one row a key, holding the legend the screen shows for
// it and what the key does, so that a legend cannot drift from its action
// and the screen is drawn from the same rows the keys are looked up in.

#include <iterator>
#include <utility>
#include <string_view>

#include "host/host.h"
#include "ui/function_key.h"
#include "ui/text_screen.h"

namespace plv {

// What a menu does after a key's action: waits for the next key, or ends.
enum class AfterKey { kStay, kLeave };

// `Result` is what the action tells its menu; its value-initialised one
// (kStay, say) for a key the menu does not act on.
template <class Result, class... Context>
struct MenuRow {
  ui::FKey key;
  int row;                  // where the legend stands; 0: a key with no legend
  std::string_view legend;  // the whole line, as the screen shows it
  Result (*act)(Context...);
};

// Writes each row's legend where it stands.
// Help, Keys lists them too.
template <class Rows>
void write_legends(ui::TextScreen& screen, const Rows& rows) {
  for (const auto& r : rows) {
    if (r.row <= 0) continue;
    screen.write_line(r.row, r.legend);
    const size_t first = r.legend.find_first_not_of(' ');
    if (first != std::string_view::npos) screen.host().add_menu_key(std::string(r.legend.substr(first)));
  }
}

// Acts on `key` with the menu's context; nothing done when the menu has no
// row for it.
template <class Rows, class... Context>
auto act_on(const Rows& rows, ui::FKey key, Context&&... context) {
  using Result = decltype(std::begin(rows)->act(std::forward<Context>(context)...));
  for (const auto& r : rows)
    if (r.key == key) return r.act(std::forward<Context>(context)...);
  return Result{};
}

}  // namespace plv
