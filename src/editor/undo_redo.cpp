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
void take(Editor& e, Direction direction, ColourProblems& messages) {
  for (;;) {
    between_actions(e);
    const bool done = direction == Direction::kBack ? e.document().undo() : e.document().redo();
    if (!done) {
      const bool there = direction == Direction::kBack ? e.journal.can_undo() : e.journal.can_redo();
      e.ui.lines().set_message(there ? "THE DRAWING NO LONGER HOLDS WHAT THAT ACTION LEFT: NOTHING WAS CHANGED."
                                     : direction == Direction::kBack ? "NOTHING TO UNDO." : "NOTHING TO REDO.");
      ui::note_and_wait(e.ui);
      return;
    }
    e.kernel.gkpage(kernel::PageStart::kErased);
    redraw_all(e.drawing, e.render, e.kernel, messages);
    e.picture_not_drawn = false;
    const host::Key key = e.kernel.show_page_and_wait();
    if (key == host::Key::kUndo) direction = Direction::kBack;
    else if (key == host::Key::kRedo) direction = Direction::kAgain;
    else return;
  }
}

}  // namespace

void between_actions(Editor& editor) {
  editor.journal.end_action();
  editor.recovery.flush();
  const std::string failure = editor.recovery.untold_error();
  if (failure.empty()) return;
  // Told once; the work goes on without the copy.
  editor.ui.lines().set_message("NO RECOVERY COPY OF THE CHANGES CAN BE KEPT:");
  ui::begin_messages(editor.ui);
  editor.ui.lines().set_message(failure);
  ui::message_and_wait(editor.ui);
}

bool undo_or_redo(Editor& editor, host::Key key, ColourProblems& messages) {
  if (key == host::Key::kUndo) take(editor, Direction::kBack, messages);
  else if (key == host::Key::kRedo) take(editor, Direction::kAgain, messages);
  else return false;
  return true;
}

bool undo_or_redo(Editor& editor, ui::FieldKey key, ColourProblems& messages) {
  if (key == ui::FieldKey::kUndo) take(editor, Direction::kBack, messages);
  else if (key == ui::FieldKey::kRedo) take(editor, Direction::kAgain, messages);
  else return false;
  return true;
}

}  // namespace plv
