#include "editor/create/undraw_edit.h"

#include <cmath>
#include <string_view>

#include "editor/create/element_menu.h"
#include "editor/create/element_menus.h"
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
Undrawn put_back(Editor& e, const Record& stored, long place, const Record& colour, const LayerTransform& layer,
                 std::string_view why, ColourProblems& messages) {
  e.ui.lines().set_message(why);
  ui::error_and_wait(e.ui);
  if (place > e.drawing.count()) e.drawing.append(stored);
  else e.drawing.write(place, stored);
  const Kind& kind = kinds().kind_of(stored);
  e.kernel.gkgraph();
  e.render.layer = layer;
  draw_element(kind.is_deleted() ? restore_deleted(stored) : stored, colour, e.render, e.kernel, messages);
  e.kernel.tekflush(kernel::Flush::kClose);
  return {stored, place};
}

}  // namespace

void undraw_edit_last(Editor& e, CreateSession& session, ColourProblems& messages) {
  if (session.element.blank_in({1, 2})) return;
  e.drawing.drop_last();
  if (kinds().kind_of(session.element).drawn_in_colour()) {
    e.kernel.gkpage(kernel::PageStart::kKept);
    erase_element(session.element, e.render, e.kernel);
    e.kernel.tekflush(kernel::Flush::kShowAndWait);
  }
  session.element = undraw_and_edit(e, session.element, e.drawing.count() + 1, colour_of_new_elements(e),
                                    layer_of_new_elements(e), messages)
                        .record;
}

Undrawn undraw_and_edit(Editor& e, const Record& stored, long place, const Record& colour, const Record& layer,
                        ColourProblems& messages) {
  const Record element = kinds().kind_of(stored).is_deleted() ? restore_deleted(stored) : stored;
  const LayerTransform transform = read_layer_record(layer).value_or(LayerTransform{});
  // Every point of such a layer stands at one place: nothing shown could
  // be carried back.
  if (transform.scale == 0) return put_back(e, stored, place, colour, transform, kFlatLayer, messages);
  const Reopen reopen = reopen_of(kinds().kind_of(element).element());
  if (!reopen) return {};  // comments and the rest have no menu to reopen in
  const Reopened made = reopen(e, element, Mapping{transform});
  if (made.record.blank_in({1, 2})) return {};
  if (!made.fits || kinds().to_file(made.record).kind == ConversionProblem::kDoesNotFit)
    return put_back(e, stored, place, colour, transform, kTooLarge, messages);
  // What was changed is held, and shown, as the file will hold it.
  const Record record = made.record == element ? made.record : as_written(made.record);
  e.kernel.gkpage(kernel::PageStart::kKept);
  e.render.layer = transform;  // drawn where it will stand
  draw_element(record, colour, e.render, e.kernel, messages);
  e.kernel.tekflush(kernel::Flush::kShowAndWait);
  e.drawing.append(colour);
  e.drawing.append(layer);
  e.drawing.append(record);
  return {record, e.drawing.count()};
}

}  // namespace plv::create
