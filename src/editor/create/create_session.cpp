#include "editor/create/create_session.h"

#include "editor/drawing_guard.h"
#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "kinds/registry.h"
#include "render/redraw.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"

namespace plv::create {

bool may_draw(Editor& editor) {
  if (editor.file_open) return true;
  drawing_guard(editor);
  return false;
}

void show_element(Editor& editor, const CreateSession& session, const Record& element, ColourMessages& messages) {
  editor.kernel.gkpage(1);
  draw_element(element, session.colour, editor.render, editor.kernel, messages);
  editor.kernel.tekflush(0);
}

bool fits_the_file(Editor& editor, const Record& element, std::string_view refusal) {
  if (kinds().to_file(element).kind != ConversionProblem::kDoesNotFit) return true;
  editor.ui.lines().set_message(refusal);
  ui::error_and_wait(editor.ui);
  return false;
}

bool append_element(Editor& editor, const CreateSession& session, const Record& element) {
  if (!fits_the_file(editor, element)) return false;
  if (kinds().kind_of(element).drawn_in_colour() &&
      colour_setting_in_force(editor.drawing, editor.drawing.count()) != session.colour)
    editor.drawing.append(session.colour);
  editor.drawing.append(element);
  return true;
}

}  // namespace plv::create
