#pragma once
// The menus' common walks, as script steps: into a drawing, into the
// create menu, out again writing the drawing, and the boxes dragged.

#include <initializer_list>
#include <string_view>

#include "support/script.h"

namespace plv::e2e::walk {

using testing::Script;

// On the start-up menu: a new drawing named `name`.
inline Script new_drawing(std::string_view name) { return Script().enter().type(name).f(10); }
// Past the file name menu, the drawing drawn in the unmoved view, where
// drawing units are plot units.
inline Script drawn() { return Script().f(10).f(3).enter(); }
// From the main menu into the create menu; its first opening shows the
// erased picture, which waits for a key.
inline Script create() { return Script().f(9).enter(); }
// From the main menu: the exit menu, write and end.
inline Script write_and_end() { return Script().f(10).f(1); }
// From a menu under the main menu: back to it, write and end.
inline Script leave_and_write() { return Script().f(10).then(write_and_end()); }
// In the create menu: a line with the menu's values, then the key its picture waits for.
inline Script line() { return Script().f(1).f(9).enter(); }
// Each field in turn cleared and typed, Enter moving on to the next.
inline Script fields(std::initializer_list<std::string_view> values) {
  Script s;
  for (const std::string_view v : values) s.field(v).enter();
  return s;
}
// The rubber box that starts on the whole view pulled to (x1, y1) (x2, y2), and taken.
inline Script box(int x1, int y1, int x2, int y2) { return Script().drag(-500, -350, x1, y1).drag(500, 350, x2, y2).enter(); }
// From the main menu: what lies in the box copied into the buffer.
inline Script copy_box(int x1, int y1, int x2, int y2) { return Script().f(7).f(3).then(box(x1, y1, x2, y2)); }
// The buffer file name menu: the name typed over the one shown, then F10.
inline Script buffer_name(std::string_view name) { return Script().tab().field(name).f(10); }

}  // namespace plv::e2e::walk
