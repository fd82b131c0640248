#include "editor/edit_delete/edit_delete_menu.h"

#include "editor/create/element_menu.h"
#include "editor/create/undraw_edit.h"
#include "editor/edit_delete/colour_edit_menu.h"
#include "editor/edit_delete/pick_graphic.h"
#include "editor/edit_delete/select_by_box.h"
#include "editor/view/view_operations.h"
#include "kernel/kernel.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/registry.h"
#include "render/redraw.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"
#include "editor/undo_redo.h"

namespace plv::editing {
namespace {

constexpr std::string_view kBanner =
    "****** EDIT/DELETE MENU ******* EDIT/DELETE MENU ******* EDIT/DELETE MENU ******";
constexpr create::MenuLine kLines[] = {
    {5, "                  F1 = DELETE INDIVIDUAL GRAPHICS"},
    {7, "                  F2 = DELETE THE CONTENTS OF A BOX"},
    {9, "                  F3 = REDRAW THE DRAWING"},
    {11, "                  F4 = VIEW THE DRAWING"},
    {13, "                  F5 = EDIT A GRAPHIC"},
    {15, "                  F6 = RE-EDIT THE LAST GRAPHIC"},
    {17, "                  F7 = EDIT THE COLORS"},
    {19, "                  F8 = SHOW/DO NOT SHOW THE DELETED GRAPHICS"},
    {22, "                  F9 = UNDELETE THE LAST DELETED GRAPHIC"},
    {24, "                  F10= RETURN THE MAIN MENU"},
};
constexpr std::string_view kNotShown = "                       (SET TO \"DO NOT SHOW\")";
constexpr std::string_view kShown = "                       (SET TO \"SHOW\")";

void show_screen(Editor& e) {
  create::show_menu(e, 3, kBanner, kLines);
  e.ui.screen().write_line(20, e.render.show_deleted ? kShown : kNotShown);
}

// The picked graphic, which stood at record `at`, reopens in its menu;
// what then stands for it is the next graphic to edit again.
void reopen_picked(Editor& e, long at, ColourMessages& messages) {
  const create::Undrawn now = create::undraw_and_edit(e, e.editing.last_picked, at, e.editing.picked_colour,
                                                      e.editing.picked_layer, messages);
  e.editing.last_picked = now.record;
  e.editing.remade_at = now.at;
}

void edit_picked(Editor& e, ColourMessages& messages) {
  e.kernel.gkgraph();
  e.editing.last_deleted = 0;
  pick_graphics(e, PickMode::kOnce);
  e.kernel.tekflush(1);
  // A pick that found nothing leaves nothing to edit, whatever was picked before.
  if (e.editing.last_deleted != 0) reopen_picked(e, e.editing.last_deleted, messages);
}

// The graphic the last edit made is still the drawing's last record: it
// leaves the drawing (marked deleted where it stands) and reopens.
void edit_again(Editor& e, ColourMessages& messages) {
  const long at = e.editing.remade_at;
  if (at == 0 || at != e.drawing.count() || e.drawing.read(at) != e.editing.last_picked) return;
  e.kernel.gkgraph();
  e.render.layer = read_layer_record(e.editing.picked_layer).value_or(LayerTransform{});
  erase_element(e.editing.last_picked, e.render, e.kernel);
  e.kernel.tekflush(1);
  if (!kinds().kind_of(e.editing.last_picked).is_deleted()) e.drawing.write(at, mark_deleted(e.editing.last_picked));
  reopen_picked(e, at, messages);
}

void delete_box(Editor& e) {
  if (const auto box = drag_selection_box(e)) select_by_box(e, *box, BoxAction::kDelete);
}

}  // namespace

void edit_delete_menu(Editor& e, ColourMessages& messages) {
  e.editing.last_picked = Record();
  e.editing.last_deleted = 0;
  e.editing.remade_at = 0;
  for (;;) {
    show_screen(e);
    between_actions(e);
    const host::Key key = e.ui.wait_key();
    if (undo_or_redo(e, key, messages)) continue;
    switch (key.function_number()) {
      case 1:
        e.kernel.gkgraph();
        pick_graphics(e, PickMode::kRepeatedly);
        e.kernel.tekflush(1);
        break;
      case 2: delete_box(e); break;
      case 3: edit::redraw_picture(e, messages); break;
      case 4:
        e.kernel.gkpage(1);
        e.kernel.tekflush(0);
        break;
      case 5: edit_picked(e, messages); break;
      case 6: edit_again(e, messages); break;
      case 7: colour_edit_menu(e, messages); break;
      case 8: e.render.show_deleted = !e.render.show_deleted; break;
      case 9: undelete_last(e, messages); break;
      case 10: return;
      default: break;
    }
  }
}

}  // namespace plv::editing
