#include "editor/create/create_menu.h"

#include "editor/create/arrow_menu.h"
#include "editor/create/box_menus.h"
#include "editor/create/circle_menus.h"
#include "editor/create/create_session.h"
#include "editor/create/element_menu.h"
#include "editor/create/line_menu.h"
#include "editor/create/more_create_menu.h"
#include "editor/create/string_menu.h"
#include "editor/create/undraw_edit.h"
#include "editor/menu_table.h"
#include "editor/view/view_operations.h"
#include "kernel/kernel.h"
#include "kinds/registry.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"
#include "editor/undo_redo.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner =
    "  **** CREATE MENU ***** CREATE MENU ***** CREATE MENU ***** CREATE MENU *****";
constexpr std::string_view kNameLabel = "                  DRAWING FILE NAME:";
constexpr std::string_view kNoDrawing = "                  NO DRAWING FILE IS OPEN";
constexpr int kNameColumn = 39;
constexpr MenuLine kColourLine[] = {{7, "             COLOR OF NEXT GRAPHIC:       (1 TO 15)"}};
constexpr ui::IntegerRange kColourFieldRange{-9, 99};
constexpr int kDefaultColour = 7;

// The colour typed: 1 to 15 becomes the colour of the next elements, and a
// record setting it goes into the drawing with the next element made;
// anything else is dropped.
void take_colour(Editor& e, CreateSession& session, int entered) {
  if (e.create_colour < 0 || e.create_colour > 15) e.create_colour = kDefaultColour;
  if (entered != e.create_colour && entered >= 1 && entered <= 15) {
    e.create_colour = entered;
    session.typed_colour = palette_colour_record(entered);
    session.element = Record();
  }
}

Record box_only_menu(Editor& e) { return box_menu(e, ElementKind::kBox); }

// The element `Menu` makes, shown and appended.
template <Record (*Menu)(Editor&)>
AfterKey make(Editor& e, CreateSession& session, ColourProblems& messages) {
  if (!may_draw(e)) return AfterKey::kStay;
  session.element = as_written(Menu(e));
  if (session.element.blank_in({1, 1})) return AfterKey::kStay;
  show_element(e, session.element, messages);
  if (!append_element(e, session, session.element)) session.element = Record();
  return AfterKey::kStay;
}

AfterKey undraw_last(Editor& e, CreateSession& session, ColourProblems& messages) {
  undraw_edit_last(e, session, messages);
  return AfterKey::kStay;
}

using Row = MenuRow<AfterKey, Editor&, CreateSession&, ColourProblems&>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 13, "         F1 = DRAW A STRAIGHT LINE (SOLID, DASHED OR SOLID AND WIDE)", make<line_menu>},
    {ui::FKey::kF2, 14, "         F2 = DRAW AN ARROW", make<arrow_menu>},
    {ui::FKey::kF3, 15, "         F3 = DRAW A CHARACTER STRING", make<string_menu>},
    {ui::FKey::kF4, 16, "         F4 = DRAW A BOX", make<box_only_menu>},
    {ui::FKey::kF5, 17, "         F5 = DRAW A CIRCLE", make<circle_menu>},
    {ui::FKey::kF6, 18, "         F6 = SHOW THE COLOR PALETTE",
     [](Editor& e, CreateSession&, ColourProblems& m) { return edit::show_palette(e.document(), e.screen(), m), AfterKey::kStay; }},
    {ui::FKey::kF7, 19, "         F7 = OTHER GRAPHICS (ELLIPSE, BRACKET, COMMENT)",
     [](Editor& e, CreateSession& s, ColourProblems& m) {
       if (more_create_menu(e, s, m) == MoreCreateEnd::kUndraw) undraw_last(e, s, m);
       return AfterKey::kStay;
     }},
    {ui::FKey::kF8, 20, "         F8 = VIEW THE SCREEN",
     [](Editor& e, CreateSession&, ColourProblems&) { return edit::view_picture(e), AfterKey::kStay; }},
    {ui::FKey::kF9, 21, "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC", undraw_last},
    {ui::FKey::kF10, 22, "         F10= RETURN TO THE MAIN MENU",
     [](Editor&, CreateSession&, ColourProblems&) { return AfterKey::kLeave; }},
};

void show_screen(Editor& e) {
  show_menu(e, 3, kBanner, kColourLine);
  write_legends(e.ui.screen(), kRows);
  write_drawing_name(e.document(), e.screen(), kNameLabel, kNoDrawing, kNameColumn);
}

}  // namespace

ColourEntry colour_entry(Screen& e, int colour) {
  ui::FieldSet set;
  set.fields = {integer_field(7, 39, 2, colour, kColourFieldRange)};
  const ui::FieldKey key = enter(e, set);
  return {key, set.field(1).integer};
}

void create_menu(Editor& e, ColourProblems& messages) {
  CreateSession session;
  const Listening listening(e.document(), session);
  for (;;) {
    show_screen(e);
    between_actions(e.document(), e.screen());
    const ColourEntry entry = colour_entry(e, e.create_colour);
    if (undo_or_redo(e.document(), e.screen(), entry.key, messages)) continue;
    take_colour(e, session, entry.typed);
    if (act_on(kRows, ui::fkey_of(entry.key), e, session, messages) == AfterKey::kLeave) return;
  }
}

}  // namespace plv::create
