#pragma once
// What Help, Keys says: the keys of the menu on the screen, then what the
// mouse does.

#include <string>
#include <vector>

namespace plv::host {

inline std::string keys_help(const std::vector<std::string>& menu_keys) {
  std::string text = menu_keys.empty() ? "The keys of this screen are written on it.\n"
                                       : "The keys of the menu on the screen:\n";
  for (const std::string& legend : menu_keys) text += "  " + legend + "\n";
  text +=
      "\nIn every menu that changes the drawing: Ctrl+Z takes back, Ctrl+Y makes again.\n"
      "In the fields: Enter and Tab go on, Shift+Tab back; Delete clears to the end.\n"
      "\nThe mouse, while you point (the line at the window's foot says which):\n"
      "  left button    picks a point, drags a box's edge, or takes up a line's other end\n"
      "  right button   accepts the line or the box, as Enter does\n"
      "  Escape         gives the pointing up; nothing is made or changed\n"
      "On a picture of the whole drawing, waiting for a key:\n"
      "  wheel          zooms about the pointer\n"
      "  middle button  drags the picture; Edit, Previous View goes back\n";
  return text;
}

}  // namespace plv::host
