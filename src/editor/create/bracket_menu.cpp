#include "editor/create/bracket_menu.h"

#include "editor/create/reopen.h"

#include "drawing/record_layout.h"
#include "editor/create/cursor.h"
#include "editor/create/element_menu.h"
#include "editor/pointer.h"
#include "kinds/bracket.h"
#include "kinds/two_point.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner =
    "********* BRACKET MENU ******** BRACKET MENU ******** BRACKET MENU *************";
constexpr MenuLine kLines[] = {
    {7, "                    POINT A: X           Y"},
    {9, "                    POINT B: X           Y"},
    {11, "  GOING FROM POINT A TO POINT B, THE BRACKET FACES:   (L OR R)"},
};

constexpr char kFacingLeft = 'L';
constexpr char kFacingRight = 'R';

enum Field { kAX = 1, kAY, kBX, kBY, kFacing };

constexpr ui::IntegerRange kPointRange = coordinate_range(layout::file::two_point::kPoints[0]);

char& facing(CreateState& c) { return c.remembered<BracketSettings>().facing; }

ui::FieldSet fields(CreateState& c) {
  ui::FieldSet set;
  set.fields = {coordinate_field(7, 33, c.first.x, kPointRange),  coordinate_field(7, 45, c.first.y, kPointRange),
                coordinate_field(9, 33, c.second.x, kPointRange), coordinate_field(9, 45, c.second.y, kPointRange),
                text_field(11, 53, 1, std::string_view(&facing(c), 1))};
  return set;
}

// Only the two capitals are a facing; anything else leaves it as it was.
void take_facing(CreateState& c, char typed) {
  if (typed == kFacingLeft || typed == kFacingRight) facing(c) = typed;
}

// The record opens to the left going from its first point to its second,
// so a bracket facing right is stored from B to A.
Record make_record(CreateState& c, DrawingPoint a, DrawingPoint b) {
  return facing(c) == kFacingLeft ? bracket_record(a, b) : bracket_record(b, a);
}

// The record made; none: the menu again (a blank record: quit).
using Row = MenuRow<std::optional<Record>, Screen&, CreateState&>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 15, "                 F1 = POSITION THE BRACKET WITH THE CURSOR",
     [](Screen& screen, CreateState& c) -> std::optional<Record> {
       const PointingAt at(screen, "Bracket: you pull point B; point A stays");
       if (const auto ends = rubber_band_line(screen, c)) return make_record(c, ends->first, ends->second);
       return std::nullopt;  // cancelled: the menu as it was
     }},
    {ui::FKey::kF9, 17, "                 F9 = DRAW THE BRACKET WITH THE CURRENT POSITION",
     [](Screen&, CreateState& c) -> std::optional<Record> { return make_record(c, c.first, c.second); }},
    {ui::FKey::kF10, 19, "                 F10= QUIT", [](Screen&, CreateState&) -> std::optional<Record> { return Record(); }},
};

}  // namespace

Record bracket_menu(Screen& screen, CreateState& c) {
  for (;;) {
    show_menu(screen, 3, kBanner, kLines, kRows);
    ui::FieldSet set = fields(c);
    const ui::FieldKey key = enter(screen, set);
    c.first = point_of(set.field(kAX), set.field(kAY));
    c.second = point_of(set.field(kBX), set.field(kBY));
    take_facing(c, set.field(kFacing).text[0]);
    if (auto made = act_on(kRows, ui::fkey_of(key), screen, c)) return *made;
  }
}

Reopened reopen_in_bracket_menu(const Desk& d, const Record& element, const Mapping& m) {
  const auto ends = two_point_ends(element);
  if (!ends) return {};
  // Facing left keeps the stored order of the points.
  facing(d.state) = 'L';
  d.state.first = m.shown((*ends)[0]);
  d.state.second = m.shown((*ends)[1]);
  const auto back = menu_values(bracket_menu(d.screen, d.state), two_point_ends);
  if (!back) return {};
  const auto build = [](const std::array<DrawingPoint, 2>& p) { return bracket_record(p[0], p[1]); };
  return settle(element, *ends, m.stored(*back, *ends), build, two_point_ends);
}

}  // namespace plv::create
