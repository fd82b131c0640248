#include "editor/drawing_guard.h"

#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"

namespace plv {

void drawing_guard(Screen& editor) {
  editor.ui.lines().set_message("ERROR: TO DRAW YOU MUST OPEN A DRAWING FILE.");
  ui::begin_messages(editor.ui);
  editor.ui.lines().set_message("USE F1 TO GET THE FILE MENU.");
  ui::message_and_wait(editor.ui);
}

}  // namespace plv
