#include "editor/create/create_menu.h"

#include "editor/create/arrow_menu.h"
#include "editor/create/box_menus.h"
#include "editor/create/circle_menus.h"
#include "editor/create/create_row.h"
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
void take_colour(int& colour, CreateSession& session, int entered) {
  if (colour < 0 || colour > 15) colour = kDefaultColour;
  if (entered != colour && entered >= 1 && entered <= 15) {
    colour = entered;
    session.typed_colour = palette_colour_record(entered);
    session.element = Record();
  }
}

// The element menus on the desk: each takes what it works on.
Record string_on(const Desk& d) { return string_menu(d.screen, d.state); }
Record box_on(const Desk& d) { return box_menu(d.screen, d.state, ElementKind::kBox); }
Record circle_on(const Desk& d) { return circle_menu(d.screen, d.state); }

// The element `Menu` makes, shown and appended.
template <Record (*Menu)(const Desk&)>
AfterKey make(const Desk& d, CreateSession& session, ColourProblems& messages) {
  if (!may_draw(d.document, d.screen)) return AfterKey::kStay;
  session.element = as_written(Menu(d));
  if (session.element.blank_in({1, 1})) return AfterKey::kStay;
  show_element(d.screen, session.element, colour_of_new_elements(d.document, d.colour), messages);
  if (!append_element(d, session, session.element)) session.element = Record();
  return AfterKey::kStay;
}

AfterKey undraw_last(const Desk& d, CreateSession& session, ColourProblems& messages) {
  undraw_edit_last(d, session, messages);
  return AfterKey::kStay;
}

using Row = CreateRow<AfterKey>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 13, "         F1 = DRAW A STRAIGHT LINE (SOLID, DASHED OR SOLID AND WIDE)", make<line_menu>,
     kLineMenuReopens, reopen_in_line_menu},
    {ui::FKey::kF2, 14, "         F2 = DRAW AN ARROW", make<arrow_menu>, kArrowMenuReopens, reopen_in_arrow_menu},
    {ui::FKey::kF3, 15, "         F3 = DRAW A CHARACTER STRING", make<string_on>, kStringMenuReopens, reopen_in_string_menu},
    {ui::FKey::kF4, 16, "         F4 = DRAW A BOX", make<box_on>, kBoxMenuReopens, reopen_in_box_menu},
    {ui::FKey::kF5, 17, "         F5 = DRAW A CIRCLE", make<circle_on>, kCircleMenuReopens, reopen_in_circle_menu},
    {ui::FKey::kF6, 18, "         F6 = SHOW THE COLOR PALETTE",
     [](const Desk& d, CreateSession&, ColourProblems& m) {
       return edit::show_palette(d.document, d.screen, m), AfterKey::kStay;
     }},
    {ui::FKey::kF7, 19, "         F7 = OTHER GRAPHICS (ELLIPSE, BRACKET, COMMENT)",
     [](const Desk& d, CreateSession& s, ColourProblems& m) {
       if (more_create_menu(d, s, m) == MoreCreateEnd::kUndraw) undraw_last(d, s, m);
       return AfterKey::kStay;
     }},
    {ui::FKey::kF8, 20, "         F8 = VIEW THE SCREEN",
     [](const Desk& d, CreateSession&, ColourProblems&) { return edit::view_picture(d.screen), AfterKey::kStay; }},
    {ui::FKey::kF9, 21, "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC", undraw_last},
    {ui::FKey::kF10, 22, "         F10= RETURN TO THE MAIN MENU",
     [](const Desk&, CreateSession&, ColourProblems&) { return AfterKey::kLeave; }},
};

void show_screen(const Document& document, Screen& screen) {
  show_menu(screen, 3, kBanner, kColourLine, kRows);
  write_drawing_name(document, screen, kNameLabel, kNoDrawing, kNameColumn);
}

}  // namespace

ColourEntry colour_entry(Screen& screen, int colour) {
  ui::FieldSet set;
  set.fields = {integer_field(7, 39, 2, colour, kColourFieldRange)};
  const ui::FieldKey key = enter(screen, set);
  return {key, set.field(1).integer};
}

Reopen reopening_menu(ElementKind kind) {
  const Reopen here = reopen_in(kRows, kind);
  return here ? here : more_create_reopening_menu(kind);
}

void create_menu(const Desk& d, ColourProblems& messages) {
  CreateSession session;
  const Listening listening(d.document, session);
  for (;;) {
    show_screen(d.document, d.screen);
    between_actions(d.document, d.screen);
    const ColourEntry entry = colour_entry(d.screen, d.colour);
    if (undo_or_redo(d.document, d.screen, entry.key, messages)) continue;
    take_colour(d.colour, session, entry.typed);
    if (act_on(kRows, ui::fkey_of(entry.key), d, session, messages) == AfterKey::kLeave) return;
  }
}

}  // namespace plv::create
