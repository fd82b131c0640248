#pragma once
// A row of the create and more-create menus: a key with its legend and
// action and, for a key that opens an element menu, the kinds of element
// that menu reopens for undraw and edit, so that a kind's menu is named in
// one place only.

#include <span>
#include <string_view>

#include "editor/create/create_session.h"
#include "editor/create/reopen.h"
#include "kinds/kind.h"
#include "ui/function_key.h"

namespace plv::create {

template <class Result>
struct CreateRow {
  ui::FKey key;
  int row;                  // where the legend stands
  std::string_view legend;  // the whole line, as the screen shows it
  Result (*act)(const Desk&, CreateSession&, ColourProblems&);
  std::span<const ElementKind> reopens = {};
  Reopen reopen = nullptr;
};

// The reopening of the row whose menu reopens `kind`; none when no row's does.
template <class Rows>
Reopen reopen_in(const Rows& rows, ElementKind kind) {
  for (const auto& r : rows)
    for (ElementKind k : r.reopens)
      if (k == kind) return r.reopen;
  return nullptr;
}

}  // namespace plv::create
