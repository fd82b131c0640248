#include "editor/create/undraw_edit.h"

#include <cmath>
#include <string_view>

#include "editor/create/create_menu.h"
#include "editor/create/element_menu.h"
#include "kernel/kernel.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/registry.h"
#include "render/redraw.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"

namespace plv::create {
namespace {

constexpr std::string_view kFlatLayer = "THIS GRAPHIC CANNOT BE EDITED: ITS LAYER HAS SCALE 0.";
constexpr std::string_view kTooLarge = "THE EDITED ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT STAYS AS IT WAS.";

// After telling the user why the edit is refused: the element back where
// it stood, as it stood (still marked when it was a deleted graphic), and
// on the picture again.
Undrawn put_back(Document& document, Screen& screen, const Undrawn& was, const Record& colour,
                 const LayerTransform& layer, std::string_view why, ColourProblems& messages) {
  screen.ui.lines().set_message(why);
  ui::error_and_wait(screen.ui);
  if (was.at > document.drawing.count()) document.drawing.append(was.record);
  else document.drawing.write(was.at, was.record);
  const Kind& kind = kinds().kind_of(was.record);
  screen.kernel.gkgraph();
  screen.render.layer = layer;
  draw_element(kind.is_deleted() ? restore_deleted(was.record) : was.record, colour, screen.render, screen.kernel,
               messages);
  screen.kernel.tekflush(kernel::Flush::kClose);
  return was;
}

}  // namespace

void undraw_edit_last(const Desk& d, CreateSession& session, ColourProblems& messages) {
  if (session.element.blank_in({1, 2})) return;
  RecordStore& drawing = d.document.drawing;
  Screen& screen = d.screen;
  drawing.drop_last();
  if (kinds().kind_of(session.element).drawn_in_colour()) {
    screen.kernel.gkpage(kernel::PageStart::kKept);
    erase_element(session.element, screen.render, screen.kernel);
    screen.kernel.tekflush(kernel::Flush::kShowAndWait);
  }
  const Record colour = colour_of_new_elements(d.document, d.colour);
  session.element =
      undraw_and_edit(d, session.element, drawing.count() + 1, colour, layer_of_new_elements(screen), messages).record;
}

Undrawn undraw_and_edit(const Desk& d, const Record& stored, long place, const Record& colour, const Record& layer,
                        ColourProblems& messages) {
  Screen& screen = d.screen;
  RecordStore& drawing = d.document.drawing;
  const Record element = kinds().kind_of(stored).is_deleted() ? restore_deleted(stored) : stored;
  const LayerTransform transform = read_layer_record(layer).value_or(LayerTransform{});
  const Undrawn was{stored, place};
  // Every point of such a layer stands at one place: nothing shown could
  // be carried back.
  if (transform.scale == 0) return put_back(d.document, screen, was, colour, transform, kFlatLayer, messages);
  const Reopen reopen = reopening_menu(kinds().kind_of(element).element());
  if (!reopen) return {};  // comments and the rest have no menu to reopen in
  const Reopened made = reopen(d, element, Mapping{transform});
  if (made.record.blank_in({1, 2})) return {};
  if (!made.fits || kinds().to_file(made.record).kind == ConversionProblem::kDoesNotFit)
    return put_back(d.document, screen, was, colour, transform, kTooLarge, messages);
  // What was changed is held, and shown, as the file will hold it.
  const Record record = made.record == element ? made.record : as_written(made.record);
  screen.kernel.gkpage(kernel::PageStart::kKept);
  screen.render.layer = transform;  // drawn where it will stand
  draw_element(record, colour, screen.render, screen.kernel, messages);
  screen.kernel.tekflush(kernel::Flush::kShowAndWait);
  drawing.append(colour);
  drawing.append(layer);
  drawing.append(record);
  return {record, drawing.count()};
}

}  // namespace plv::create
