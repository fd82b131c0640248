#include "editor/paste/buffer_picture.h"

#include "editor/paste/pasted_records.h"
#include "kinds/colour_in_force.h"
#include "kinds/colour_mode.h"
#include "kinds/registry.h"
#include "render/redraw.h"

namespace plv::paste {

PasteTarget paste_target(const Document& document, const Screen& screen) {
  return {screen.render.work_layer, colour_mode_of(document.drawing)};
}

void draw_buffer(const Document& document, Screen& screen, const PasteTransform& paste, DrawingPoint centre,
                 BufferPen pen, ColourProblems& messages) {
  RenderState& render = screen.render;
  const LayerTransform kept_layer = render.layer;
  render.layer = LayerTransform{};
  // Graphics before any colour of the buffer's own take the drawing's.
  Record colour = document.colour_at_end();
  for (const Record& r : pasted_records(document.buffer, paste, centre, paste_target(document, screen))) {
    const Kind& kind = kinds().kind_of(r);
    if (const auto layer = kind.layer_of(r)) {
      render.layer = *layer;
    } else if (is_colour_setting(r)) {
      colour = r;
    } else if (kind.drawn_in_colour()) {
      if (pen == BufferPen::kErase) erase_element(r, render, screen.kernel);
      else draw_element(r, colour, render, screen.kernel, messages);
    }
  }
  render.layer = kept_layer;
}

}  // namespace plv::paste
