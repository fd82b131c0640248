#include "editor/create/circle_menus.h"

#include "editor/create/reopen.h"

#include <cmath>
#include <initializer_list>
#include <span>
#include <string_view>

#include "drawing/record_layout.h"
#include "editor/create/cursor.h"
#include "editor/create/element_menu.h"
#include "kinds/circle.h"
#include "kinds/ellipse.h"

namespace plv::create {
namespace {

constexpr std::string_view kCircleBanner =
    "********** CIRCLE MENU ********** CIRCLE MENU ********** CIRCLE MENU ***********";
// The circle menu's banner stands lower than the other menus'.
constexpr int kCircleBannerRow = 5;
constexpr MenuLine kCircleLines[] = {
    {7, "       CENTER OF THE CIRCLE: X           Y"},
    {9, "              ARC STARTS AT: X           Y"},
    {11, "                ARC ENDS AT: X           Y"},
};

constexpr std::string_view kEllipseBanner =
    "***** ELLIPSE MENU ***** ELLIPSE MENU ***** ELLIPSE MENU ***** ELLIPSE MENU ****";
constexpr MenuLine kEllipseLines[] = {
    {7, "          CENTER OF THE ELLIPSE: X           Y"},
    {9, "ENDPOINT OF THE HORIZONTAL AXIS: X           Y"},
    {11, "  ENDPOINT OF THE VERTICAL AXIS: X           Y"},
};

// Where a menu's point fields stand, and the values they take: those its
// record's file form holds.
struct PointFields {
  int x, y;
  ui::IntegerRange range;
};
constexpr PointFields kCircleFields{33, 45, coordinate_range(layout::file::circle::kValues[0])};
constexpr PointFields kEllipseFields{37, 49, coordinate_range(layout::stored::ellipse::kCentreX)};

enum Field { kAX = 1, kAY, kBX, kBY, kCX, kCY };

// Points A, B and C on rows 7, 9 and 11.
ui::FieldSet fields(const CirclePoints& points, const PointFields& at) {
  ui::FieldSet set;
  int row = 7;
  for (const DrawingPoint& p : {points.a, points.b, points.c}) {
    set.fields.push_back(coordinate_field(row, at.x, p.x, at.range));
    set.fields.push_back(coordinate_field(row, at.y, p.y, at.range));
    row += 2;
  }
  return set;
}

enum class Pass { kAgain, kMake, kQuit };

constexpr std::array<std::string_view, 3> kCirclePicks = {
    "Circle: pick its centre (1 of 3)", "Circle: pick where the arc starts (2 of 3)",
    "Circle: pick where the arc ends (3 of 3)"};
constexpr std::array<std::string_view, 3> kEllipsePicks = {
    "Ellipse: pick its centre (1 of 3)", "Ellipse: pick the end of its horizontal axis (2 of 3)",
    "Ellipse: pick the end of its vertical axis (3 of 3)"};

// F1 replaces the typed points with three picks.
template <const std::array<std::string_view, 3>& kSubjects>
Pass pick_points(Screen& screen, CreateState& c) {
  const auto picks = pick_three_points(screen, c, kSubjects);
  if (!picks) return Pass::kAgain;  // cancelled: the menu as it was
  c.remembered<CirclePoints>() = {(*picks)[0], (*picks)[1], (*picks)[2]};
  return Pass::kMake;
}
Pass make_now(Screen&, CreateState&) { return Pass::kMake; }
Pass quit(Screen&, CreateState&) { return Pass::kQuit; }

using Row = MenuRow<Pass, Screen&, CreateState&>;
constexpr Row kCircleRows[] = {
    {ui::FKey::kF1, 13, "                 F1 = POSITION THE CIRCLE WITH THE CURSOR", pick_points<kCirclePicks>},
    {ui::FKey::kF9, 15, "                 F9 = DRAW THE CIRCLE WITH THE CURRENT POSITION", make_now},
    {ui::FKey::kF10, 17, "                 F10= QUIT", quit},
};
constexpr Row kEllipseRows[] = {
    {ui::FKey::kF1, 13, "                 F1 = POSITION THE ELLIPSE WITH THE CURSOR", pick_points<kEllipsePicks>},
    {ui::FKey::kF9, 15, "                 F9 = DRAW THE ELLIPSE WITH THE CURRENT POSITION", make_now},
    {ui::FKey::kF10, 17, "                 F10= QUIT", quit},
};

// What either menu shows, and where its point fields stand.
struct Showing {
  int banner_row;
  std::string_view banner;
  std::span<const MenuLine> lines;
  std::span<const Row> rows;
  PointFields at;
};
constexpr Showing kCircle{kCircleBannerRow, kCircleBanner, kCircleLines, kCircleRows, kCircleFields};
constexpr Showing kEllipse{3, kEllipseBanner, kEllipseLines, kEllipseRows, kEllipseFields};

// One showing of either menu: the typed points are kept, F1 replaces them
// with three picks; what the key asks for next.
Pass run_pass(Screen& screen, CreateState& c, const Showing& menu) {
  show_menu(screen, menu.banner_row, menu.banner, menu.lines, menu.rows);
  CirclePoints& points = c.remembered<CirclePoints>();
  ui::FieldSet set = fields(points, menu.at);
  const ui::FieldKey key = enter(screen, set);
  points = {point_of(set.field(kAX), set.field(kAY)), point_of(set.field(kBX), set.field(kBY)),
            point_of(set.field(kCX), set.field(kCY))};
  return act_on(menu.rows, ui::fkey_of(key), screen, c);
}

// The squared radius in whole units: an arc start less than a unit from
// the centre makes no circle.
bool has_radius(DrawingPoint centre, DrawingPoint start) {
  const double dx = start.x - centre.x, dy = start.y - centre.y;
  return std::trunc(dx * dx + dy * dy) != 0;
}

}  // namespace

Record circle_menu(Screen& screen, CreateState& c) {
  Pass pass = Pass::kAgain;
  while (pass == Pass::kAgain) pass = run_pass(screen, c, kCircle);
  const CirclePoints& p = c.remembered<CirclePoints>();
  if (pass == Pass::kQuit || !has_radius(p.a, p.b)) return Record();
  // The arc end is kept as given: it need not lie on the circle.
  return circle_record(p.a, p.b, p.c);
}

Record ellipse_menu(Screen& screen, CreateState& c) {
  for (;;) {
    const Pass pass = run_pass(screen, c, kEllipse);
    if (pass == Pass::kQuit) return Record();
    if (pass == Pass::kAgain) continue;
    // An ellipse without width or height is not made; the menu stays.
    const CirclePoints& p = c.remembered<CirclePoints>();
    if (p.b.x == p.a.x || p.c.y == p.a.y) continue;
    return ellipse_record(p.a, std::fabs(p.b.x - p.a.x), std::fabs(p.c.y - p.a.y));
  }
}

Reopened reopen_in_circle_menu(const Desk& d, const Record& element, const Mapping& m) {
  const auto v = circle_points(element);
  if (!v) return {};
  d.state.remembered<CirclePoints>() = {m.shown((*v)[0]), m.shown((*v)[1]), m.shown((*v)[2])};
  const auto back = menu_values(circle_menu(d.screen, d.state), circle_points);
  if (!back) return {};
  const auto build = [](const std::array<DrawingPoint, 3>& p) { return circle_record(p[0], p[1], p[2]); };
  return settle(element, *v, m.stored(*back, *v), build, circle_points);
}

Reopened reopen_in_ellipse_menu(const Desk& d, const Record& element, const Mapping& m) {
  const auto v = ellipse_values(element);
  if (!v) return {};
  const DrawingPoint a = m.shown(v->centre);
  const double s = m.layer.scale;
  d.state.remembered<CirclePoints>() = {a, {s * v->semi_axis_x + a.x, a.y}, {a.x, s * v->semi_axis_y + a.y}};
  const auto back = menu_values(ellipse_menu(d.screen, d.state), ellipse_values);
  if (!back) return {};
  const EllipseValues now{m.stored(back->centre, v->centre), m.stored_length(back->semi_axis_x, v->semi_axis_x, a.x),
                          m.stored_length(back->semi_axis_y, v->semi_axis_y, a.y)};
  const auto build = [](const EllipseValues& l) { return ellipse_record(l.centre, l.semi_axis_x, l.semi_axis_y); };
  return settle(element, *v, now, build, ellipse_values);
}

}  // namespace plv::create
