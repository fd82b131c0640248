#pragma once
// A small drawing and the actions the undo and recovery sessions take on
// it, each from the main menu and back there; and the drawing as written
// after them.

#include <string>

#include "e2e/session.h"
#include "e2e/walks.h"

namespace plv::e2e::actions {

inline const std::string kBody = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\nBX   200   200   300   300\n";
inline const std::string kDrawing = drawing(kBody);

// A line with the create menu's values.
inline const Script kMake = Script().f(9).then(walk::line()).f(10);
// The box deleted.
inline const Script kDelete = Script().f(5).f(1).pick_right(250, 305).pick(0, 0).f(10);
// The line's end moved to x 300.
inline const Script kEdit = Script().f(5).f(5).pick(50, 2).tab(4).field("300").f(9).enter().f(10);
// The line copied and pasted 200 to the right, the paste menu left open.
inline const Script kPasteInMenu = walk::copy_box(-10, -10, 110, 110).f(8).field("200").tab().f(9);
inline const Script kPaste = Script(kPasteInMenu).f(10);
// The line recoloured 3 where it stands.
inline const Script kRecolour = Script().f(5).f(7).field("3").f(5).pick(50, 0).enter().f(10).f(10);
// The deleted graphics removed for good through the file menu.
inline const Script kRemoveDeleted = Script().f(1).f(4).f(10);
// Ctrl+Z and Ctrl+Y draw the picture anew and wait for a key.
inline const Script kUndo = Script().undo().enter();
inline const Script kRedo = Script().redo().enter();

// The records written by a session on the drawing of `body` that takes
// `actions` on the drawn picture and ends writing the drawing.
inline Lines written_after(Session& s, const Script& actions, const std::string& body = kBody) {
  EXPECT_TRUE(s.ends_in(body, walk::drawn().then(actions).then(walk::write_and_end()))) << actions.text();
  return s.records();
}
inline Lines written_after(const Script& actions, const std::string& body = kBody) {
  Session s;
  return written_after(s, actions, body);
}

}  // namespace plv::e2e::actions
