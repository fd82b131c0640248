#include "editor/create/more_create_menu.h"

#include "editor/create/box_menus.h"
#include "editor/create/bracket_menu.h"
#include "editor/create/circle_menus.h"
#include "editor/create/comment_menu.h"
#include "editor/create/element_menu.h"
#include "editor/create/quad_menu.h"
#include "editor/menu_table.h"
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
enum class Step { kStay, kBack, kUndraw };

Record filled_rectangle_menu(Editor& e) { return box_menu(e, ElementKind::kFilledRectangle); }

// The element `Menu` makes, shown (unless it is never drawn) and appended;
// nothing made keeps this menu on the screen.
template <Record (*Menu)(Editor&), bool kDrawn = true>
Step make(Editor& e, CreateSession& session, ColourProblems& messages) {
  if (!may_draw(e)) return Step::kStay;
  session.element = as_written(Menu(e));
  if (session.element.blank_in({1, 1})) return Step::kStay;
  if (kDrawn) show_element(e, session.element, messages);
  if (!append_element(e, session, session.element)) session.element = Record();
  return Step::kBack;
}

using Row = MenuRow<Step, Editor&, CreateSession&, ColourProblems&>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 7, "         F1 = DRAW AN ELLIPSE", make<ellipse_menu>},
    {ui::FKey::kF2, 9, "         F2 = DRAW A BRACKET", make<bracket_menu>},
    {ui::FKey::kF3, 11, "         F3 = ENTER A COMMENT INTO THE DRAWING FILE", make<comment_menu, false>},
    {ui::FKey::kF4, 13, "         F4 = DRAW A FILLED RECTANGLE", make<filled_rectangle_menu>},
    {ui::FKey::kF5, 15, "         F5 = DRAW A FILLED QUADRILATERAL", make<quad_menu>},
    {ui::FKey::kF9, 17, "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC",
     [](Editor&, CreateSession&, ColourProblems&) { return Step::kUndraw; }},
    {ui::FKey::kF10, 19, "         F10= GET BACK TO THE CREATE MENU",
     [](Editor&, CreateSession&, ColourProblems&) { return Step::kBack; }},
};

void show_screen(Editor& e) {
  show_menu(e, 3, kBanner, {});
  write_legends(e.ui.screen(), kRows);
  write_drawing_name(e.document(), e.screen(), kNameLabel, kNoDrawing, kNameColumn);
}

}  // namespace

MoreCreateEnd more_create_menu(Editor& e, CreateSession& session, ColourProblems& messages) {
  for (;;) {
    show_screen(e);
    between_actions(e.document(), e.screen());
    const host::Key pressed = e.ui.wait_key();
    if (undo_or_redo(e.document(), e.screen(), pressed, messages)) continue;
    const Step step = act_on(kRows, ui::fkey_of(pressed), e, session, messages);
    if (step != Step::kStay) return step == Step::kUndraw ? MoreCreateEnd::kUndraw : MoreCreateEnd::kBack;
  }
}

}  // namespace plv::create
