#include "editor/paste/buffer_picture.h"

#include "editor/paste/pasted_records.h"
#include "kinds/colour_in_force.h"
#include "kinds/colour_mode.h"
#include "kinds/registry.h"
#include "render/redraw.h"

namespace plv::paste {

PasteTarget paste_target(const Editor& e) { return {e.render.work_layer, colour_mode_of(e.drawing)}; }

void draw_buffer(Editor& e, DrawingPoint centre, BufferPen pen, ColourProblems& messages) {
  const LayerTransform kept_layer = e.render.layer;
  e.render.layer = LayerTransform{};
  // Graphics before any colour of the buffer's own take the drawing's.
  Record colour = e.colour_at_end();
  for (const Record& r : pasted_records(e.buffer, e.paste, centre, paste_target(e))) {
    const Kind& kind = kinds().kind_of(r);
    if (const auto layer = kind.layer_of(r)) {
      e.render.layer = *layer;
    } else if (is_colour_setting(r)) {
      colour = r;
    } else if (kind.drawn_in_colour()) {
      if (pen == BufferPen::kErase) erase_element(r, e.render, e.kernel);
      else draw_element(r, colour, e.render, e.kernel, messages);
    }
  }
  e.render.layer = kept_layer;
}

}  // namespace plv::paste
