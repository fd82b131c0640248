#pragma once
// A vertical list of fixed-width entries; the user moves through it with
// the arrow keys and picks with a key or the pointer.

#include <string_view>

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
// minus the button of a pointer press, kClose, or 0 for any other event.
// A press outside the list makes `current` negative; the next call starts
// again from its absolute value. Drawing alone leaves `key` as it was.
void pick_list(TextScreen& screen, int mode, const PickList& list, int& current, int& key);

}  // namespace plv::ui
