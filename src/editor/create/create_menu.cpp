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
constexpr MenuLine kLines[] = {
    {7, "             COLOR OF NEXT GRAPHIC:       (1 TO 15)"},
    {13, "         F1 = DRAW A STRAIGHT LINE (SOLID, DASHED OR SOLID AND WIDE)"},
    {14, "         F2 = DRAW AN ARROW"},
    {15, "         F3 = DRAW A CHARACTER STRING"},
    {16, "         F4 = DRAW A BOX"},
    {17, "         F5 = DRAW A CIRCLE"},
    {18, "         F6 = SHOW THE COLOR PALETTE"},
    {19, "         F7 = OTHER GRAPHICS (ELLIPSE, BRACKET, COMMENT)"},
    {20, "         F8 = VIEW THE SCREEN"},
    {21, "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC"},
    {22, "         F10= RETURN TO THE MAIN MENU"},
};
constexpr ui::IntegerRange kColourFieldRange{-9, 99};
constexpr int kDefaultColour = 7;

void show_screen(Editor& e) {
  show_menu(e, 3, kBanner, kLines);
  ui::TextScreen& s = e.ui.screen();
  s.write_line(5, e.file_open ? kNameLabel : kNoDrawing);
  if (e.file_open) s.write_at(5, kNameColumn, e.drawing_name, kDrawingNameLength);
}

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

Record open_element_menu(Editor& e, int key) {
  switch (key) {
    case 1: return line_menu(e);
    case 2: return arrow_menu(e);
    case 3: return string_menu(e);
    case 4: return box_menu(e, ElementKind::kBox);
    default: return circle_menu(e);
  }
}

void make_element(Editor& e, CreateSession& session, int key, ColourMessages& messages) {
  if (!may_draw(e)) return;
  session.element = as_written(open_element_menu(e, key));
  if (session.element.blank_in({1, 1})) return;
  show_element(e, session.element, messages);
  if (!append_element(e, session, session.element)) session.element = Record();
}


void view_picture(Editor& e) {
  e.kernel.gkpage(1);
  e.kernel.tekflush(0);
}

}  // namespace

ColourEntry colour_entry(Editor& e, int colour) {
  ui::FieldSet set;
  set.fields = {integer_field(7, 39, 2, colour, kColourFieldRange)};
  const ui::FieldKey key = enter(e, set);
  return {key, set.field(1).integer};
}

void create_menu(Editor& e, ColourMessages& messages) {
  CreateSession session;
  for (;;) {
    show_screen(e);
    between_actions(e);
    const ColourEntry entry = colour_entry(e, e.create_colour);
    if (undo_or_redo(e, entry.key, messages)) {
      session.element = Record();  // the element made last may be gone: nothing to undraw
      continue;
    }
    int key = entry.key.function_number();
    take_colour(e, session, entry.typed);
    if (key == 7 && more_create_menu(e, session, messages) == MoreCreateEnd::kUndraw) key = 9;
    if (key >= 1 && key <= 5) make_element(e, session, key, messages);
    else if (key == 6) edit::show_palette(e, messages);
    else if (key == 8) view_picture(e);
    else if (key == 9) undraw_edit_last(e, session, messages);
    else if (key == 10) return;
  }
}

}  // namespace plv::create
