#include "editor/create/arrow_menu.h"

#include "editor/create/reopen.h"

#include <array>

#include "drawing/record_layout.h"
#include "editor/create/cursor.h"
#include "editor/create/element_menu.h"
#include "editor/create/snap.h"
#include "editor/pointer.h"
#include "kinds/arrow.h"
#include "kinds/two_point.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner = " ****** ARROW MENU ****** ARROW MENU ****** ARROW MENU ****** ARROW MENU *******";
constexpr MenuLine kLines[] = {
    {7, "                    ARROW  HEADS:  HEAD?    TAIL?   (Y OR N)"},
    {9, "                    MARKER LINES:  HEAD?    TAIL?   (Y OR N)"},
    {11, "                            BEND:           (Y OR N)"},
    {13, "                      ARROW FROM: X           Y"},
    {15, "                              TO: X           Y"},
};

enum Field { kHeadAtFrom = 1, kHeadAtTo, kMarkerAtFrom, kMarkerAtTo, kBend, kFromX, kFromY, kToX, kToY };

// Which of the record's flags each switch field shows: the screen puts the
// heads first, the record the marker lines.
struct SwitchField {
  Field field;
  std::size_t flag;
  int row, column;
};
constexpr std::array<SwitchField, 5> kSwitches{{
    {kHeadAtFrom, 2, 7, 42},
    {kHeadAtTo, 3, 7, 51},
    {kMarkerAtFrom, 0, 9, 42},
    {kMarkerAtTo, 1, 9, 51},
    {kBend, 4, 11, 42},
}};

struct Working {
  DrawingPoint from, to;
};

constexpr ui::IntegerRange kEndRange = coordinate_range(layout::file::two_point::kPoints[0]);

ui::FieldSet fields(const ArrowFlags& flags, const Working& w) {
  ui::FieldSet set;
  for (const SwitchField& s : kSwitches)
    set.fields.push_back(text_field(s.row, s.column, 1, std::string_view(&flags[s.flag], 1)));
  set.fields.push_back(coordinate_field(13, 38, w.from.x, kEndRange));
  set.fields.push_back(coordinate_field(13, 50, w.from.y, kEndRange));
  set.fields.push_back(coordinate_field(15, 38, w.to.x, kEndRange));
  set.fields.push_back(coordinate_field(15, 50, w.to.y, kEndRange));
  return set;
}

// A lower-case y or n counts as its capital; anything else stays as typed.
char switch_value(char typed) {
  if (typed == 'y') return 'Y';
  if (typed == 'n') return 'N';
  return typed;
}

// The switches are remembered after every pass, also when the menu is
// then quit.
void take_switches(const ui::FieldSet& set, ArrowFlags& flags) {
  for (const SwitchField& s : kSwitches) flags[s.flag] = switch_value(set.field(s.field).text[0]);
}

Record make_record(CreateState& c, const Working& w) {
  c.first = w.from;
  c.second = w.to;
  return arrow_record(w.from, w.to, c.remembered<ArrowSettings>().flags);
}

// The record made; none: the menu again (a blank record: quit).
using Row = MenuRow<std::optional<Record>, const Desk&, Working&>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 17, "                        F1 = POINT TO ARROW POSITION",
     [](const Desk& d, Working& w) -> std::optional<Record> {
       const PointingAt at(d.screen, "Arrow: you pull its head end (TO); its tail (FROM) stays");
       if (const auto ends = rubber_band_line(d.screen, d.state, {w.from, w.to}))
         return make_record(d.state, {ends->first, ends->second});
       return std::nullopt;  // cancelled: the menu as it was
     }},
    {ui::FKey::kF4, 19, "                        F4 = SNAP START POINT",
     [](const Desk& d, Working& w) -> std::optional<Record> {
       if (const auto p = snap(d.document, d.screen, d.state)) w.from = *p;
       return std::nullopt;
     }},
    {ui::FKey::kF6, 21, "                        F6 = SNAP END POINT",
     [](const Desk& d, Working& w) -> std::optional<Record> {
       if (const auto p = snap(d.document, d.screen, d.state)) w.to = *p;
       return std::nullopt;
     }},
    {ui::FKey::kF9, 23, "                        F9 = DRAW THE ARROW WITH THE CURRENT POSITION",
     [](const Desk& d, Working& w) -> std::optional<Record> { return make_record(d.state, w); }},
    {ui::FKey::kF10, 25, "                        F10= QUIT", [](const Desk&, Working&) -> std::optional<Record> { return Record(); }},
};

}  // namespace

Record arrow_menu(const Desk& d) {
  CreateState& c = d.state;
  ArrowFlags& flags = c.remembered<ArrowSettings>().flags;
  Working w{c.first, c.second};
  for (;;) {
    show_menu(d.screen, 3, kBanner, kLines, kRows);
    ui::FieldSet set = fields(flags, w);
    const ui::FieldKey key = enter(d.screen, set);
    take_switches(set, flags);
    w = {point_of(set.field(kFromX), set.field(kFromY)), point_of(set.field(kToX), set.field(kToY))};
    if (auto made = act_on(kRows, ui::fkey_of(key), d, w)) return *made;
  }
}

Reopened reopen_in_arrow_menu(const Desk& d, const Record& element, const Mapping& m) {
  const auto v = arrow_values(element);
  if (!v) return {};
  CreateState& c = d.state;
  c.first = m.shown(v->from);
  c.second = m.shown(v->to);
  // The menu offers Y and N: each switch shows whether its flag is on.
  ArrowFlags& flags = c.remembered<ArrowSettings>().flags;
  for (size_t k = 0; k < v->flags.size(); ++k) flags[k] = arrow_flag_on(v->flags[k]) ? 'Y' : 'N';
  const auto back = menu_values(arrow_menu(d), arrow_values);
  if (!back) return {};
  // The menu bends every arrow alike; this one keeps its own bend.
  ArrowValues now{m.stored(back->from, v->from), m.stored(back->to, v->to), back->flags, v->bend};
  for (size_t k = 0; k < now.flags.size(); ++k)
    if (arrow_flag_on(now.flags[k]) == arrow_flag_on(v->flags[k])) now.flags[k] = v->flags[k];
  return settle(element, *v, now, [](const ArrowValues& a) { return arrow_record(a); }, arrow_values);
}

}  // namespace plv::create
