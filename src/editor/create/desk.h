#pragma once
// What the create menus work on: the open drawing, the screen, what the
// menus remember for the whole run, and the colour new elements take.

#include "editor/create/create_state.h"
#include "editor/document.h"
#include "editor/screen.h"

namespace plv::create {

struct Desk {
  Document& document;
  Screen& screen;
  CreateState& state;
  int& colour;  // the create colour, which the settings file keeps
};

}  // namespace plv::create
