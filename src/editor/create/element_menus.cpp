#include "editor/create/element_menus.h"

#include "editor/create/arrow_menu.h"
#include "editor/create/box_menus.h"
#include "editor/create/bracket_menu.h"
#include "editor/create/circle_menus.h"
#include "editor/create/line_menu.h"
#include "editor/create/quad_menu.h"
#include "editor/create/string_menu.h"

namespace plv::create {
namespace {

struct ElementMenu {
  ElementKind kind;
  Reopen reopen;
};
constexpr ElementMenu kElementMenus[] = {
    {ElementKind::kLine, reopen_in_line_menu},
    {ElementKind::kWideLine, reopen_in_line_menu},
    {ElementKind::kArrow, reopen_in_arrow_menu},
    {ElementKind::kString, reopen_in_string_menu},
    {ElementKind::kBox, reopen_in_box_menu},
    {ElementKind::kRectangularBox, reopen_in_box_menu},
    {ElementKind::kFilledRectangle, reopen_in_box_menu},
    {ElementKind::kCircle, reopen_in_circle_menu},
    {ElementKind::kEllipse, reopen_in_ellipse_menu},
    {ElementKind::kBracket, reopen_in_bracket_menu},
    {ElementKind::kFilledQuadrilateral, reopen_in_quad_menu},
};

}  // namespace

Reopen reopen_of(ElementKind kind) {
  for (const ElementMenu& m : kElementMenus)
    if (m.kind == kind) return m.reopen;
  return nullptr;
}

}  // namespace plv::create
