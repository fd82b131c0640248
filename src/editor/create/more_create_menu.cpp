#include "editor/create/more_create_menu.h"

#include "editor/create/box_menus.h"
#include "editor/create/bracket_menu.h"
#include "editor/create/circle_menus.h"
#include "editor/create/comment_menu.h"
#include "editor/create/element_menu.h"
#include "editor/create/quad_menu.h"
#include "kinds/registry.h"
#include "ui/text_screen.h"
#include "ui/toolkit.h"
#include "editor/undo_redo.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner =
    "**** MORE CREATE MENU ****** MORE CREATE MENU ****** MORE CREATE MENU ******";
constexpr std::string_view kNameLabel = "                         DRAWING FILE NAME:";
constexpr std::string_view kNoDrawing = "                         NO DRAWING FILE IS OPEN";
constexpr int kNameColumn = 47;
constexpr MenuLine kLines[] = {
    {7, "         F1 = DRAW AN ELLIPSE"},
    {9, "         F2 = DRAW A BRACKET"},
    {11, "         F3 = ENTER A COMMENT INTO THE DRAWING FILE"},
    {13, "         F4 = DRAW A FILLED RECTANGLE"},
    {15, "         F5 = DRAW A FILLED QUADRILATERAL"},
    {17, "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC"},
    {19, "         F10= GET BACK TO THE CREATE MENU"},
};

void show_screen(Editor& e) {
  show_menu(e, 3, kBanner, kLines);
  ui::TextScreen& s = e.ui.screen();
  s.write_line(5, e.file_open ? kNameLabel : kNoDrawing);
  if (e.file_open) s.write_at(5, kNameColumn, e.drawing_name, kDrawingNameLength);
}

Record open_element_menu(Editor& e, int key) {
  switch (key) {
    case 1: return ellipse_menu(e);
    case 2: return bracket_menu(e);
    case 3: return comment_menu(e);
    case 4: return box_menu(e, ElementKind::kFilledRectangle);
    default: return quad_menu(e);
  }
}

}  // namespace

MoreCreateEnd more_create_menu(Editor& e, CreateSession& session, ColourMessages& messages) {
  for (;;) {
    show_screen(e);
    between_actions(e);
    const host::Key pressed = e.ui.wait_key();
    if (undo_or_redo(e, pressed, messages)) {
      session.element = Record();
      continue;
    }
    const int key = pressed.function_number();
    if (key == 9) return MoreCreateEnd::kUndraw;
    if (key == 10) return MoreCreateEnd::kBack;
    if (key < 1 || key > 5 || !may_draw(e)) continue;
    session.element = as_written(open_element_menu(e, key));
    if (session.element.blank_in({1, 1})) continue;  // nothing made: this menu again
    if (key != 3) show_element(e, session.element, messages);  // comments are never drawn
    if (!append_element(e, session, session.element)) session.element = Record();
    return MoreCreateEnd::kBack;
  }
}

}  // namespace plv::create
