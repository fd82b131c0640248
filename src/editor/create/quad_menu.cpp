#include "editor/create/quad_menu.h"

#include "editor/create/reopen.h"

#include <optional>

#include "drawing/record_layout.h"
#include "editor/create/cursor.h"
#include "editor/create/element_menu.h"
#include "editor/pointer.h"
#include "kinds/filled_quadrilateral.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner =
    "********* FILLED QUADRILATERAL MENU ********* FILLED QUADRILATERAL MENU ********";
constexpr MenuLine kLines[] = {
    {7, "                FIRST POINT: X           Y"},
    {9, "               SECOND POINT: X           Y"},
    {11, "                THIRD POINT: X           Y"},
    {13, "               FOURTH POINT: X           Y"},
};
constexpr int kFirstCornerRow = 7;

// The first two corners are the shared points, the other two the menu's own.
QuadCorners corners_kept(CreateState& c) {
  const QuadSettings& own = c.remembered<QuadSettings>();
  return {c.first, c.second, own.third, own.fourth};
}

void remember(CreateState& c, const QuadCorners& corners) {
  c.first = corners[0];
  c.second = corners[1];
  c.remembered<QuadSettings>() = {corners[2], corners[3]};
}

// A quadrilateral is kept in fixed columns without decimals in both forms.
constexpr ui::IntegerRange kCornerRange = coordinate_range(layout::stored::quad::kCorners[0]);

ui::FieldSet fields(const QuadCorners& corners) {
  ui::FieldSet set;
  int row = kFirstCornerRow;
  for (const DrawingPoint& p : corners) {
    set.fields.push_back(coordinate_field(row, 33, p.x, kCornerRange));
    set.fields.push_back(coordinate_field(row, 45, p.y, kCornerRange));
    row += 2;
  }
  return set;
}

QuadCorners corners_of(const ui::FieldSet& set) {
  QuadCorners corners{};
  for (int k = 0; k < 4; ++k) corners[static_cast<size_t>(k)] = point_of(set.field(2 * k + 1), set.field(2 * k + 2));
  return corners;
}

// Each corner picked from where it was typed; the picks go into the record
// only, the typed corners stay for the next visit. Nothing when cancelled.
std::optional<QuadCorners> picked_corners(Screen& screen, const QuadCorners& typed) {
  QuadCorners picks{};
  for (size_t k = 0; k < picks.size(); ++k) {
    const PointingAt at(screen, "Filled quadrilateral: pick corner " + std::to_string(k + 1) + " of 4");
    const auto picked = pick_corner(screen, typed[k]);
    if (!picked) return std::nullopt;
    picks[k] = *picked;
  }
  return picks;
}

// The record made from the corners typed; none: the menu again (a blank record: quit).
using Row = MenuRow<std::optional<Record>, Screen&, const QuadCorners&>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 15, "                 F1 = POSITION THE BOX WITH THE CURSOR",
     [](Screen& screen, const QuadCorners& typed) -> std::optional<Record> {
       if (const auto picks = picked_corners(screen, typed)) return quad_record(*picks);
       return std::nullopt;  // cancelled: the menu as it was
     }},
    {ui::FKey::kF9, 17, "                 F9 = DRAW THE BOX WITH THE CURRENT POSITION",
     [](Screen&, const QuadCorners& typed) -> std::optional<Record> { return quad_record(typed); }},
    {ui::FKey::kF10, 19, "                 F10= QUIT", [](Screen&, const QuadCorners&) -> std::optional<Record> { return Record(); }},
};

}  // namespace

Record quad_menu(Screen& screen, CreateState& state) {
  for (;;) {
    show_menu(screen, 3, kBanner, kLines, kRows);
    ui::FieldSet set = fields(corners_kept(state));
    const ui::FieldKey key = enter(screen, set);
    const QuadCorners typed = corners_of(set);
    remember(state, typed);
    if (auto made = act_on(kRows, ui::fkey_of(key), screen, typed)) return *made;
  }
}

Reopened reopen_in_quad_menu(const Desk& d, const Record& element, const Mapping& m) {
  const auto c = quad_corners(element);
  if (!c) return {};
  remember(d.state, {m.shown((*c)[0]), m.shown((*c)[1]), m.shown((*c)[2]), m.shown((*c)[3])});
  const auto back = menu_values(quad_menu(d.screen, d.state), quad_corners);
  if (!back) return {};
  return settle(element, *c, m.stored(*back, *c), quad_record, quad_corners);
}

}  // namespace plv::create
