#include "editor/create/box_menus.h"

#include "editor/create/reopen.h"

#include "drawing/record_layout.h"
#include "editor/create/cursor.h"
#include "editor/create/element_menu.h"
#include "editor/pointer.h"
#include "kinds/box_form.h"
#include "kinds/registry.h"
#include "kinds/two_point.h"

namespace plv::create {
namespace {

std::string_view banner_of(ElementKind kind) {
  switch (kind) {
    case ElementKind::kRectangularBox:
      return "************* RECTANGULAR BOX MENU ************** RECTANGULAR BOX MENU *********";
    case ElementKind::kFilledRectangle:
      return "******** FILLED RECTANGULAR BOX MENU ******** FILLED RECTANGULAR BOX MENU ******";
    default:
      return "******* BOX MENU ******** BOX MENU ******** BOX MENU ******** BOX MENU *********";
  }
}

constexpr MenuLine kLines[] = {
    {7, "      BOX LOWER LEFT CORNER: X           Y"},
    {9, "         UPPER RIGHT CORNER: X           Y"},
};
// The record made; none: the menu again (a blank record: quit).
using Row = MenuRow<std::optional<Record>, Screen&, SharedPoints&, ElementKind>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 11, "                 F1 = POSITION THE BOX WITH THE CURSOR",
     [](Screen& screen, SharedPoints& shared, ElementKind kind) -> std::optional<Record> {
       const PointingAt at(screen, kind == ElementKind::kFilledRectangle ? "Filled rectangle" : "Box");
       if (const auto corners = rubber_band_box(screen, shared))
         return box_record(kind, corners->first, corners->second);
       return std::nullopt;  // cancelled: the menu as it was
     }},
    {ui::FKey::kF9, 13, "                 F9 = DRAW THE BOX WITH THE CURRENT POSITION",
     [](Screen&, SharedPoints& shared, ElementKind kind) -> std::optional<Record> {
       return box_record(kind, shared.first, shared.second);  // as typed, in the typed order
     }},
    {ui::FKey::kF10, 15, "                 F10= QUIT", [](Screen&, SharedPoints&, ElementKind) -> std::optional<Record> { return Record(); }},
};

enum Field { kFirstX = 1, kFirstY, kSecondX, kSecondY };

// Each menu takes the corners its own record's file form holds: an
// outline is kept as a line is, the other two in narrower fixed columns.
ui::IntegerRange corner_range(ElementKind kind) {
  if (kind == ElementKind::kBox) return coordinate_range(layout::file::two_point::kPoints[0]);
  return coordinate_range(layout::file::box::kPoints[0]);
}

ui::FieldSet fields(const SharedPoints& shared, ElementKind kind) {
  const ui::IntegerRange range = corner_range(kind);
  ui::FieldSet set;
  set.fields = {coordinate_field(7, 33, shared.first.x, range), coordinate_field(7, 45, shared.first.y, range),
                coordinate_field(9, 33, shared.second.x, range), coordinate_field(9, 45, shared.second.y, range)};
  return set;
}

}  // namespace

Record box_menu(Screen& screen, SharedPoints& shared, ElementKind kind) {
  for (;;) {
    show_menu(screen, 3, banner_of(kind), kLines, kRows);
    ui::FieldSet set = fields(shared, kind);
    const ui::FieldKey key = enter(screen, set);
    shared.first = point_of(set.field(kFirstX), set.field(kFirstY));
    shared.second = point_of(set.field(kSecondX), set.field(kSecondY));
    if (auto made = act_on(kRows, ui::fkey_of(key), screen, shared, kind)) return *made;
  }
}

Reopened reopen_in_box_menu(const Desk& d, const Record& element, const Mapping& m) {
  const ElementKind kind = kinds().kind_of(element).element();
  const auto ends = two_point_ends(element);
  if (!ends) return {};
  d.state.first = m.shown((*ends)[0]);
  d.state.second = m.shown((*ends)[1]);
  const auto back = menu_values(box_menu(d.screen, d.state, kind), two_point_ends);
  if (!back) return {};
  // A reopened rectangle keeps its code, flat or not.
  const auto build = [kind](const std::array<DrawingPoint, 2>& c) { return box_record_as_is(kind, c[0], c[1]); };
  return settle(element, *ends, m.stored(*back, *ends), build, two_point_ends);
}

}  // namespace plv::create
