#include "editor/edit_delete/edit_delete_menu.h"

#include "editor/create/element_menu.h"
#include "editor/create/undraw_edit.h"
#include "editor/edit_delete/colour_edit_menu.h"
#include "editor/edit_delete/pick_graphic.h"
#include "editor/edit_delete/select_by_box.h"
#include "editor/menu_table.h"
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
constexpr std::string_view kNotShown = "                       (SET TO \"DO NOT SHOW\")";
constexpr std::string_view kShown = "                       (SET TO \"SHOW\")";


// The picked graphic, which stood at record `at`, reopens in its menu;
// what then stands for it is the next graphic to edit again.
void reopen_picked(Editor& e, CreateState& create, long at, ColourProblems& messages) {
  const create::Desk desk{e, e, create, e.create_colour};
  const create::Undrawn now = create::undraw_and_edit(desk, e.editing.last_picked, at, e.editing.picked_colour,
                                                      e.editing.picked_layer, messages);
  e.editing.last_picked = now.record;
  e.editing.remade_at = now.at;
}

void edit_picked(Editor& e, CreateState& create, ColourProblems& messages) {
  e.kernel.gkgraph();
  e.editing.last_deleted = 0;
  pick_graphics(e, PickMode::kOnce);
  e.kernel.tekflush(kernel::Flush::kClose);
  // A pick that found nothing leaves nothing to edit, whatever was picked before.
  if (e.editing.last_deleted != 0) reopen_picked(e, create, e.editing.last_deleted, messages);
}

// The graphic the last edit made is still the drawing's last record: it
// leaves the drawing (marked deleted where it stands) and reopens.
void edit_again(Editor& e, CreateState& create, ColourProblems& messages) {
  const long at = e.editing.remade_at;
  if (at == 0 || at != e.drawing.count() || e.drawing.read(at) != e.editing.last_picked) return;
  e.kernel.gkgraph();
  e.render.layer = read_layer_record(e.editing.picked_layer).value_or(LayerTransform{});
  erase_element(e.editing.last_picked, e.render, e.kernel);
  e.kernel.tekflush(kernel::Flush::kClose);
  if (!kinds().kind_of(e.editing.last_picked).is_deleted()) e.drawing.write(at, mark_deleted(e.editing.last_picked));
  reopen_picked(e, create, at, messages);
}

void delete_box(Editor& e) {
  if (const auto box = drag_selection_box(e)) select_by_box(e, *box, BoxAction::kDelete);
}

using Row = MenuRow<AfterKey, Editor&, CreateState&, ColourProblems&>;
constexpr AfterKey stay = AfterKey::kStay;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 5, "                  F1 = DELETE INDIVIDUAL GRAPHICS",
     [](Editor& e, CreateState&, ColourProblems&) {
       e.kernel.gkgraph();
       pick_graphics(e, PickMode::kRepeatedly);
       e.kernel.tekflush(kernel::Flush::kClose);
       return stay;
     }},
    {ui::FKey::kF2, 7, "                  F2 = DELETE THE CONTENTS OF A BOX",
     [](Editor& e, CreateState&, ColourProblems&) { return delete_box(e), stay; }},
    {ui::FKey::kF3, 9, "                  F3 = REDRAW THE DRAWING",
     [](Editor& e, CreateState&, ColourProblems& m) {
       return edit::redraw_picture(e.document(), e.screen(), m), stay;
     }},
    {ui::FKey::kF4, 11, "                  F4 = VIEW THE DRAWING",
     [](Editor& e, CreateState&, ColourProblems&) { return edit::view_picture(e), stay; }},
    {ui::FKey::kF5, 13, "                  F5 = EDIT A GRAPHIC",
     [](Editor& e, CreateState& c, ColourProblems& m) { return edit_picked(e, c, m), stay; }},
    {ui::FKey::kF6, 15, "                  F6 = RE-EDIT THE LAST GRAPHIC",
     [](Editor& e, CreateState& c, ColourProblems& m) { return edit_again(e, c, m), stay; }},
    {ui::FKey::kF7, 17, "                  F7 = EDIT THE COLORS",
     [](Editor& e, CreateState&, ColourProblems& m) { return colour_edit_menu(e, m), stay; }},
    {ui::FKey::kF8, 19, "                  F8 = SHOW/DO NOT SHOW THE DELETED GRAPHICS",
     [](Editor& e, CreateState&, ColourProblems&) {
       e.render.show_deleted = !e.render.show_deleted;
       return stay;
     }},
    {ui::FKey::kF9, 22, "                  F9 = UNDELETE THE LAST DELETED GRAPHIC",
     [](Editor& e, CreateState&, ColourProblems& m) { return undelete_last(e, m), stay; }},
    {ui::FKey::kF10, 24, "                  F10= RETURN THE MAIN MENU",
     [](Editor&, CreateState&, ColourProblems&) { return AfterKey::kLeave; }},
};

void show_screen(Editor& e) {
  create::show_menu(e, 3, kBanner, {});
  write_legends(e.ui.screen(), kRows);
  e.ui.screen().write_line(20, e.render.show_deleted ? kShown : kNotShown);
}

}  // namespace

void edit_delete_menu(Editor& e, CreateState& create, ColourProblems& messages) {
  e.editing.last_picked = Record();
  e.editing.last_deleted = 0;
  e.editing.remade_at = 0;
  for (;;) {
    show_screen(e);
    between_actions(e.document(), e.screen());
    const host::Key key = e.ui.wait_key();
    if (undo_or_redo(e.document(), e.screen(), key, messages)) continue;
    if (act_on(kRows, ui::fkey_of(key), e, create, messages) == AfterKey::kLeave) return;
  }
}

}  // namespace plv::editing
