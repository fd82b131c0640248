#pragma once
// A vertical list of fixed-width entries; the user moves through it with
// the arrow keys and picks with a key or the pointer.

#include <string_view>

#include "host/key.h"

namespace plv::ui {

class TextScreen;

enum PickMode : int {
  kPickDraw = 1,
  kPickInteract = 2,
  kPickDrawAndInteract = 3,
};

struct PickList {
  int top_row = 1;
  int left_column = 1;
  std::string_view entries{};  // `count` entries of `width` characters, one after another
  int count = 0;
  int width = 0;
  int marked = 0;  // shown highlighted; 0 for none
};

// The answers of an interaction: a key (capital letters as small ones),
// the button's pointer press, or Key::kNone for any other event; closing
// the window throws CloseRequested. A press outside the list makes
// `current` negative; the next call starts again from its absolute value.
// Drawing alone leaves `key` as it was.
void pick_list(TextScreen& screen, PickMode mode, const PickList& list, int& current, host::Key& key);

}  // namespace plv::ui
