#include "editor/undo_redo.h"

#include "kernel/kernel.h"
#include "render/redraw.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"

namespace plv {
namespace {

enum class Direction { kBack, kAgain };

// Takes one action back or makes it again and shows the picture; Ctrl+Z
// and Ctrl+Y pressed at the picture go on doing so.
void take(Document& d, Screen& s, Direction direction, ColourProblems& messages) {
  for (;;) {
    between_actions(d, s);
    const bool done = direction == Direction::kBack ? d.undo() : d.redo();
    if (!done) {
      const bool there = direction == Direction::kBack ? d.journal.can_undo() : d.journal.can_redo();
      s.ui.lines().set_message(there ? "THE DRAWING NO LONGER HOLDS WHAT THAT ACTION LEFT: NOTHING WAS CHANGED."
                                     : direction == Direction::kBack ? "NOTHING TO UNDO." : "NOTHING TO REDO.");
      ui::note_and_wait(s.ui);
      return;
    }
    s.kernel.gkpage(kernel::PageStart::kErased);
    redraw_all(d.drawing, s.render, s.kernel, messages);
    s.picture_not_drawn = false;
    const host::Key key = s.kernel.show_page_and_wait();
    if (key == host::Key::kUndo) direction = Direction::kBack;
    else if (key == host::Key::kRedo) direction = Direction::kAgain;
    else return;
  }
}

}  // namespace

void between_actions(Document& document, Screen& screen) {
  document.journal.end_action();
  document.recovery.flush();
  const std::string failure = document.recovery.untold_error();
  if (failure.empty()) return;
  // Told once; the work goes on without the copy.
  screen.ui.lines().set_message("NO RECOVERY COPY OF THE CHANGES CAN BE KEPT:");
  ui::begin_messages(screen.ui);
  screen.ui.lines().set_message(failure);
  ui::message_and_wait(screen.ui);
}

bool undo_or_redo(Document& document, Screen& screen, host::Key key, ColourProblems& messages) {
  if (key == host::Key::kUndo) take(document, screen, Direction::kBack, messages);
  else if (key == host::Key::kRedo) take(document, screen, Direction::kAgain, messages);
  else return false;
  return true;
}

bool undo_or_redo(Document& document, Screen& screen, ui::FieldKey key, ColourProblems& messages) {
  if (key == ui::FieldKey::kUndo) take(document, screen, Direction::kBack, messages);
  else if (key == ui::FieldKey::kRedo) take(document, screen, Direction::kAgain, messages);
  else return false;
  return true;
}

}  // namespace plv
