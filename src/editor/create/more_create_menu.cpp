#include "editor/create/more_create_menu.h"

#include "editor/create/box_menus.h"
#include "editor/create/bracket_menu.h"
#include "editor/create/circle_menus.h"
#include "editor/create/comment_menu.h"
#include "editor/create/create_row.h"
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

// The element menus on the desk: each takes what it works on.
Record ellipse_on(const Desk& d) { return ellipse_menu(d.screen, d.state); }
Record bracket_on(const Desk& d) { return bracket_menu(d.screen, d.state); }
Record comment_on(const Desk& d) { return comment_menu(d.screen); }
Record filled_rectangle_on(const Desk& d) { return box_menu(d.screen, d.state, ElementKind::kFilledRectangle); }
Record quad_on(const Desk& d) { return quad_menu(d.screen, d.state); }

// The element `Menu` makes, shown (unless it is never drawn) and appended;
// nothing made keeps this menu on the screen.
template <Record (*Menu)(const Desk&), bool kDrawn = true>
Step make(const Desk& d, CreateSession& session, ColourProblems& messages) {
  if (!may_draw(d.document, d.screen)) return Step::kStay;
  session.element = as_written(Menu(d));
  if (session.element.blank_in({1, 1})) return Step::kStay;
  if (kDrawn) show_element(d.screen, session.element, colour_of_new_elements(d.document, d.colour), messages);
  if (!append_element(d, session, session.element)) session.element = Record();
  return Step::kBack;
}

using Row = CreateRow<Step>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 7, "         F1 = DRAW AN ELLIPSE", make<ellipse_on>, kEllipseMenuReopens, reopen_in_ellipse_menu},
    {ui::FKey::kF2, 9, "         F2 = DRAW A BRACKET", make<bracket_on>, kBracketMenuReopens, reopen_in_bracket_menu},
    {ui::FKey::kF3, 11, "         F3 = ENTER A COMMENT INTO THE DRAWING FILE", make<comment_on, false>},
    {ui::FKey::kF4, 13, "         F4 = DRAW A FILLED RECTANGLE", make<filled_rectangle_on>,
     kFilledRectangleMenuReopens, reopen_in_box_menu},
    {ui::FKey::kF5, 15, "         F5 = DRAW A FILLED QUADRILATERAL", make<quad_on>, kQuadMenuReopens, reopen_in_quad_menu},
    {ui::FKey::kF9, 17, "         F9 = UNDRAW AND EDIT THE LAST GRAPHIC",
     [](const Desk&, CreateSession&, ColourProblems&) { return Step::kUndraw; }},
    {ui::FKey::kF10, 19, "         F10= GET BACK TO THE CREATE MENU",
     [](const Desk&, CreateSession&, ColourProblems&) { return Step::kBack; }},
};

void show_screen(const Document& document, Screen& screen) {
  show_menu(screen, 3, kBanner, {}, kRows);
  write_drawing_name(document, screen, kNameLabel, kNoDrawing, kNameColumn);
}

}  // namespace

Reopen more_create_reopening_menu(ElementKind kind) { return reopen_in(kRows, kind); }

MoreCreateEnd more_create_menu(const Desk& d, CreateSession& session, ColourProblems& messages) {
  for (;;) {
    show_screen(d.document, d.screen);
    between_actions(d.document, d.screen);
    const host::Key pressed = d.screen.ui.wait_key();
    if (undo_or_redo(d.document, d.screen, pressed, messages)) continue;
    const Step step = act_on(kRows, ui::fkey_of(pressed), d, session, messages);
    if (step != Step::kStay) return step == Step::kUndraw ? MoreCreateEnd::kUndraw : MoreCreateEnd::kBack;
  }
}

}  // namespace plv::create
