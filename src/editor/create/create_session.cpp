#include "editor/create/create_session.h"

#include "editor/drawing_guard.h"
#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "kinds/layer.h"
#include "kinds/record_context.h"
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

Record colour_of_new_elements(const Editor& editor) {
  // Palette colour records are errors in the other modes.
  if (takes_palette_colours(editor.drawing)) return palette_colour_record(editor.create_colour);
  return editor.colour_at_end();
}

Record layer_of_new_elements(const Editor& editor) { return layer_record({editor.render.work_layer, 1.0, 0.0, 0.0}); }

void show_element(Editor& editor, const Record& element, ColourProblems& messages) {
  editor.kernel.gkpage(kernel::PageStart::kKept);
  editor.render.layer = read_layer_record(layer_of_new_elements(editor)).value_or(LayerTransform{});
  draw_element(element, colour_of_new_elements(editor), editor.render, editor.kernel, messages);
  editor.kernel.tekflush(kernel::Flush::kShowAndWait);
}

bool fits_the_file(Editor& editor, const Record& element, std::string_view refusal) {
  if (kinds().to_file(element).kind != ConversionProblem::kDoesNotFit) return true;
  editor.ui.lines().set_message(refusal);
  ui::error_and_wait(editor.ui);
  return false;
}

bool append_element(Editor& editor, CreateSession& session, const Record& element) {
  if (!fits_the_file(editor, element)) return false;
  RecordStore& drawing = editor.drawing;
  const bool palette = takes_palette_colours(drawing);
  if (palette && !session.typed_colour.blank_in({1, 2})) drawing.append(session.typed_colour);
  session.typed_colour = Record();
  // What the drawing's end has in force decides, whatever was undone or
  // made again since the last element.
  const Record layer = layer_of_new_elements(editor);
  // A drawing without a layer record gets one, so that the first element made says its layer.
  if (editor.layer_at_end() != layer) drawing.append(layer);
  const Record colour = colour_of_new_elements(editor);
  if (palette && kinds().kind_of(element).drawn_in_colour() && editor.colour_at_end() != colour)
    drawing.append(colour);
  drawing.append(element);
  return true;
}

}  // namespace plv::create
