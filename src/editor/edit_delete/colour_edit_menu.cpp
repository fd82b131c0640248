#include "editor/edit_delete/colour_edit_menu.h"

#include "editor/create/create_menu.h"
#include "editor/create/element_menu.h"
#include "editor/edit_delete/pick_graphic.h"
#include "editor/edit_delete/recolour.h"
#include "editor/edit_delete/select_by_box.h"
#include "editor/menu_table.h"
#include "editor/pointer.h"
#include "editor/view/view_operations.h"
#include "kernel/kernel.h"
#include "kinds/colour_in_force.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"
#include "editor/undo_redo.h"

namespace plv::editing {
namespace {

constexpr std::string_view kBanner =
    "****** COLOR EDIT MENU ******* COLOR EDIT MENU ******* COLOR EDIT MENU *********";
constexpr std::string_view kNameLabel = "                  DRAWING FILE NAME: ";
constexpr std::string_view kNoDrawing = "                  NO DRAWING FILE IS OPEN";
constexpr int kNameColumn = 39;
constexpr create::MenuLine kColourLine[] = {{7, "            CHANGE COLOR TO COLOR #       (1 TO 15)"}};
constexpr int kDefaultColour = 7;

// The colour typed; one outside the palette becomes colour 7.
int take_colour(int typed) { return typed >= 1 && typed <= 15 ? typed : kDefaultColour; }

void tell(Screen& screen, const std::string& message) {
  screen.ui.lines().set_message(message);
  ui::error_and_wait(screen.ui);
}

// Palette colour records set no colour in the other modes: a recoloured
// graphic would be drawn in whatever colour came last, with a complaint.
bool may_recolour(const EditMenus& e) {
  if (takes_palette_colours(e.document.drawing)) return true;
  tell(e.screen, "COLORS CAN BE CHANGED ONLY IN A DRAWING IN THE BAR COLOR MODE.");
  return false;
}

// What was recoloured becomes the one to restore; nothing recoloured
// keeps the one before.
void remember(EditState& state, Recolouring done) {
  if (!done.inserted.empty()) state.last_recolouring = std::move(done);
}

// A colour typed outside the palette recolours nothing, and says why.
bool takes_colour(Screen& screen, int typed) {
  if (typed >= 1 && typed <= 15) return true;
  tell(screen, "COLOR " + std::to_string(typed) + " IS NOT IN THE PALETTE (1 TO 15): NOTHING WAS RECOLORED.");
  return false;
}

void recolour_region(const EditMenus& e, int typed, ColourProblems& messages) {
  if (!takes_colour(e.screen, typed) || !may_recolour(e)) return;
  const auto box = drag_selection_box(e.screen);
  if (!box) return;
  const std::vector<long> inside = graphics_in_box(e.document, e.screen, *box);
  remember(e.state, recolour(e.document, e.screen, inside, typed, messages));
}

void recolour_one(const EditMenus& e, int typed, ColourProblems& messages) {
  if (!takes_colour(e.screen, typed) || !may_recolour(e)) return;
  const PointingAt at(e.screen, "Pick near the graphic to recolour");
  const PickedPoint picked = pick_point(e.screen, e.state.last_pick);
  if (cancels_pointing(picked.key)) return;
  e.state.last_pick = picked.point;
  const std::optional<long> n = nearest_graphic(e.document.drawing, e.screen.render, picked.point);
  if (!n) return;
  remember(e.state, recolour(e.document, e.screen, {*n}, typed, messages));
}

void restore(const EditMenus& e, ColourProblems& messages) {
  switch (restore_colours(e.document, e.state.last_recolouring)) {
    case RestoreOutcome::kRestored:
      e.state.last_recolouring = {};
      return edit::redraw_picture(e.document, e.screen, messages);
    case RestoreOutcome::kNothingToRestore: return tell(e.screen, "THERE ARE NO CHANGED COLORS TO RESTORE.");
    case RestoreOutcome::kDrawingChanged:
      return tell(e.screen, "THE COLORS CANNOT BE RESTORED: THE DRAWING HAS CHANGED SINCE.");
  }
}

// The colour typed is the context of each key.
using Row = MenuRow<AfterKey, const EditMenus&, int, ColourProblems&>;
constexpr AfterKey stay = AfterKey::kStay;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 9, "            F1 = CHANGE THE COLOR OF ALL GRAPHICS IN A REGION",
     [](const EditMenus& e, int typed, ColourProblems& m) { return recolour_region(e, typed, m), stay; }},
    {ui::FKey::kF3, 11, "            F3 = VIEW THE SCREEN",
     [](const EditMenus& e, int, ColourProblems&) { return edit::view_picture(e.screen), stay; }},
    {ui::FKey::kF5, 13, "            F5 = CHANGE THE COLOR OF A SINGLE GRAPHIC",
     [](const EditMenus& e, int typed, ColourProblems& m) { return recolour_one(e, typed, m), stay; }},
    {ui::FKey::kF6, 15, "            F6 = RESTORE THE PREVIOUS COLOR",
     [](const EditMenus& e, int, ColourProblems& m) { return restore(e, m), stay; }},
    {ui::FKey::kF8, 17, "            F8 = SHOW THE COLOR PALETTE",
     [](const EditMenus& e, int, ColourProblems& m) { return edit::show_palette(e.document, e.screen, m), stay; }},
    {ui::FKey::kF10, 19, "            F10= RETURN TO THE MAIN MENU",
     [](const EditMenus&, int, ColourProblems&) { return AfterKey::kLeave; }},
};

void show_screen(const Document& document, Screen& screen) {
  create::show_menu(screen, 3, kBanner, kColourLine);
  write_legends(screen.ui.screen(), kRows);
  create::write_drawing_name(document, screen, kNameLabel, kNoDrawing, kNameColumn);
}

}  // namespace

void colour_edit_menu(const EditMenus& e, ColourProblems& messages) {
  for (;;) {
    show_screen(e.document, e.screen);
    between_actions(e.document, e.screen);  // each recolouring kept before the next
    const create::ColourEntry entry = create::colour_entry(e.screen, e.state.colour_menu_colour);
    e.state.colour_menu_colour = take_colour(entry.typed);
    if (act_on(kRows, ui::fkey_of(entry.key), e, entry.typed, messages) == AfterKey::kLeave) return;
  }
}

}  // namespace plv::editing
