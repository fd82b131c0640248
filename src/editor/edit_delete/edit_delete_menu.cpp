#include "editor/edit_delete/edit_delete_menu.h"

#include "editor/create/element_menu.h"
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
void reopen_picked(const EditMenus& e, long at, ColourProblems& messages) {
  EditState& s = e.state;
  const create::Undrawn now = e.reopen(s.last_picked, at, s.picked_colour, s.picked_layer, messages);
  s.last_picked = now.record;
  s.remade_at = now.at;
}

void edit_picked(const EditMenus& e, ColourProblems& messages) {
  e.screen.kernel.gkgraph();
  e.state.last_deleted = 0;
  pick_graphics(e, PickMode::kOnce);
  e.screen.kernel.tekflush(kernel::Flush::kClose);
  // A pick that found nothing leaves nothing to edit, whatever was picked before.
  if (e.state.last_deleted != 0) reopen_picked(e, e.state.last_deleted, messages);
}

// The graphic the last edit made is still the drawing's last record: it
// leaves the drawing (marked deleted where it stands) and reopens.
void edit_again(const EditMenus& e, ColourProblems& messages) {
  const EditState& s = e.state;
  RecordStore& drawing = e.document.drawing;
  Screen& screen = e.screen;
  const long at = s.remade_at;
  if (at == 0 || at != drawing.count() || drawing.read(at) != s.last_picked) return;
  screen.kernel.gkgraph();
  screen.render.layer = read_layer_record(s.picked_layer).value_or(LayerTransform{});
  erase_element(s.last_picked, screen.render, screen.kernel);
  screen.kernel.tekflush(kernel::Flush::kClose);
  if (!kinds().kind_of(s.last_picked).is_deleted()) drawing.write(at, mark_deleted(s.last_picked));
  reopen_picked(e, at, messages);
}

void delete_box(Document& document, Screen& screen) {
  if (const auto box = drag_selection_box(screen)) select_by_box(document, screen, *box, BoxAction::kDelete);
}

using Row = MenuRow<AfterKey, const EditMenus&, ColourProblems&>;
constexpr AfterKey stay = AfterKey::kStay;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 5, "                  F1 = DELETE INDIVIDUAL GRAPHICS",
     [](const EditMenus& e, ColourProblems&) {
       e.screen.kernel.gkgraph();
       pick_graphics(e, PickMode::kRepeatedly);
       e.screen.kernel.tekflush(kernel::Flush::kClose);
       return stay;
     }},
    {ui::FKey::kF2, 7, "                  F2 = DELETE THE CONTENTS OF A BOX",
     [](const EditMenus& e, ColourProblems&) { return delete_box(e.document, e.screen), stay; }},
    {ui::FKey::kF3, 9, "                  F3 = REDRAW THE DRAWING",
     [](const EditMenus& e, ColourProblems& m) { return edit::redraw_picture(e.document, e.screen, m), stay; }},
    {ui::FKey::kF4, 11, "                  F4 = VIEW THE DRAWING",
     [](const EditMenus& e, ColourProblems&) { return edit::view_picture(e.screen), stay; }},
    {ui::FKey::kF5, 13, "                  F5 = EDIT A GRAPHIC",
     [](const EditMenus& e, ColourProblems& m) { return edit_picked(e, m), stay; }},
    {ui::FKey::kF6, 15, "                  F6 = RE-EDIT THE LAST GRAPHIC",
     [](const EditMenus& e, ColourProblems& m) { return edit_again(e, m), stay; }},
    {ui::FKey::kF7, 17, "                  F7 = EDIT THE COLORS",
     [](const EditMenus& e, ColourProblems& m) { return colour_edit_menu(e, m), stay; }},
    {ui::FKey::kF8, 19, "                  F8 = SHOW/DO NOT SHOW THE DELETED GRAPHICS",
     [](const EditMenus& e, ColourProblems&) {
       e.screen.render.show_deleted = !e.screen.render.show_deleted;
       return stay;
     }},
    {ui::FKey::kF9, 22, "                  F9 = UNDELETE THE LAST DELETED GRAPHIC",
     [](const EditMenus& e, ColourProblems& m) { return undelete_last(e, m), stay; }},
    {ui::FKey::kF10, 24, "                  F10= RETURN THE MAIN MENU",
     [](const EditMenus&, ColourProblems&) { return AfterKey::kLeave; }},
};

void show_screen(Screen& screen) {
  create::show_menu(screen, 3, kBanner, {});
  write_legends(screen.ui.screen(), kRows);
  screen.ui.screen().write_line(20, screen.render.show_deleted ? kShown : kNotShown);
}

}  // namespace

void edit_delete_menu(const EditMenus& e, ColourProblems& messages) {
  e.state.last_picked = Record();
  e.state.last_deleted = 0;
  e.state.remade_at = 0;
  for (;;) {
    show_screen(e.screen);
    between_actions(e.document, e.screen);
    const host::Key key = e.screen.ui.wait_key();
    if (undo_or_redo(e.document, e.screen, key, messages)) continue;
    if (act_on(kRows, ui::fkey_of(key), e, messages) == AfterKey::kLeave) return;
  }
}

}  // namespace plv::editing
