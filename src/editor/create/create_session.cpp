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

bool may_draw(const Document& document, Screen& screen) {
  if (document.file_open) return true;
  drawing_guard(screen);
  return false;
}

Record colour_of_new_elements(const Document& document, int create_colour) {
  // Palette colour records are errors in the other modes.
  if (takes_palette_colours(document.drawing)) return palette_colour_record(create_colour);
  return document.colour_at_end();
}

Record layer_of_new_elements(const Screen& screen) { return layer_record({screen.render.work_layer, 1.0, 0.0, 0.0}); }

void show_element(Screen& screen, const Record& element, const Record& colour, ColourProblems& messages) {
  screen.kernel.gkpage(kernel::PageStart::kKept);
  screen.render.layer = read_layer_record(layer_of_new_elements(screen)).value_or(LayerTransform{});
  draw_element(element, colour, screen.render, screen.kernel, messages);
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
}

bool fits_the_file(Screen& screen, const Record& element, std::string_view refusal) {
  if (kinds().to_file(element).kind != ConversionProblem::kDoesNotFit) return true;
  screen.ui.lines().set_message(refusal);
  ui::error_and_wait(screen.ui);
  return false;
}

bool append_element(const Desk& desk, CreateSession& session, const Record& element) {
  if (!fits_the_file(desk.screen, element)) return false;
  RecordStore& drawing = desk.document.drawing;
  const bool palette = takes_palette_colours(drawing);
  if (palette && !session.typed_colour.blank_in({1, 2})) drawing.append(session.typed_colour);
  session.typed_colour = Record();
  // What the drawing's end has in force decides, whatever was undone or
  // made again since the last element.
  const Record layer = layer_of_new_elements(desk.screen);
  // A drawing without a layer record gets one, so that the first element made says its layer.
  if (desk.document.layer_at_end() != layer) drawing.append(layer);
  const Record colour = colour_of_new_elements(desk.document, desk.colour);
  if (palette && kinds().kind_of(element).drawn_in_colour() && desk.document.colour_at_end() != colour)
    drawing.append(colour);
  drawing.append(element);
  return true;
}

}  // namespace plv::create
