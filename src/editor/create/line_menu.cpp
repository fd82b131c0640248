#include "editor/create/line_menu.h"

#include "editor/create/reopen.h"

#include "drawing/record_layout.h"
#include "editor/create/cursor.h"
#include "editor/create/element_menu.h"
#include "editor/create/snap.h"
#include "editor/pointer.h"
#include "kinds/line.h"
#include "kinds/two_point.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner = "****** LINE MENU ******* LINE MENU ******* LINE MENU ******* LINE MENU *********";
constexpr MenuLine kLines[] = {
    {7, "                  LINE TYPE:         (S=SOLID,D=DASHED)"},
    {9, "                 LINE WIDTH:         (1 TO 10)"},
    {11, "                  LINE FROM: X           Y"},
    {13, "                         TO: X           Y"},
};
// The width field's two columns hold -9 to 99.
constexpr ui::IntegerRange kWidthRange{-9, 99};
// Narrow and wide lines have the same file form for their ends.
constexpr ui::IntegerRange kEndRange = coordinate_range(layout::file::two_point::kPoints[0]);

enum Field { kType = 1, kWidth, kStartX, kStartY, kEndX, kEndY };

// The ends being edited, and the line type the next showing offers.
struct Working {
  DrawingPoint start, end;
  char type;
};

ui::FieldSet fields(const LineSettings& line, const Working& w) {
  ui::FieldSet set;
  set.fields = {text_field(7, 33, 1, std::string_view(&w.type, 1)),
                integer_field(9, 33, 2, line.width, kWidthRange),
                coordinate_field(11, 33, w.start.x, kEndRange),
                coordinate_field(11, 45, w.start.y, kEndRange),
                coordinate_field(13, 33, w.end.x, kEndRange),
                coordinate_field(13, 45, w.end.y, kEndRange)};
  return set;
}

// The typed type, "D" for dashed and "S" for anything else, is remembered
// only by a width-1 line; a wide line keeps the type as it was.
Record make_record(CreateState& c, const Working& w, char typed_type) {
  c.first = w.start;
  c.second = w.end;
  LineSettings& line = c.remembered<LineSettings>();
  if (line.width != 1) return wide_line_record(w.start, w.end, line.width);
  line.type = typed_type == 'D' || typed_type == 'd' ? 'D' : 'S';
  return line_record(w.start, w.end, line.type);
}

// The record made, with the type typed; none: the menu again (a blank record: quit).
using Row = MenuRow<std::optional<Record>, const Desk&, Working&, char>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 15, "                 F1 = POSITION THE LINE WITH THE CURSOR",
     [](const Desk& d, Working& w, char typed_type) -> std::optional<Record> {
       const PointingAt at(d.screen, "Line: you pull its end; its start stays");
       if (const auto ends = rubber_band_line(d.screen, d.state, {w.start, w.end}))
         return make_record(d.state, {ends->first, ends->second, w.type}, typed_type);
       w.type = typed_type;  // cancelled: the menu as it was
       return std::nullopt;
     }},
    {ui::FKey::kF4, 17, "                 F4 = SNAP START POINT",
     [](const Desk& d, Working& w, char) -> std::optional<Record> {
       if (const auto p = snap(d.document, d.screen, d.state)) w.start = *p;
       return std::nullopt;
     }},
    {ui::FKey::kF6, 19, "                 F6 = SNAP END POINT",
     [](const Desk& d, Working& w, char) -> std::optional<Record> {
       if (const auto p = snap(d.document, d.screen, d.state)) w.end = *p;
       return std::nullopt;
     }},
    {ui::FKey::kF9, 21, "                 F9 = DRAW THE LINE WITH THE CURRENT POSITION",
     [](const Desk& d, Working& w, char typed_type) -> std::optional<Record> {
       return make_record(d.state, w, typed_type);
     }},
    {ui::FKey::kF10, 23, "                 F10= QUIT", [](const Desk&, Working&, char) -> std::optional<Record> { return Record(); }},
};

}  // namespace

Record line_menu(const Desk& d) {
  CreateState& c = d.state;
  LineSettings& line = c.remembered<LineSettings>();
  Working w{c.first, c.second, line.type};
  for (;;) {
    show_menu(d.screen, 3, kBanner, kLines, kRows);
    ui::FieldSet set = fields(line, w);
    const ui::FieldKey key = enter(d.screen, set);
    line.width = set.field(kWidth).integer;
    const char typed_type = set.field(kType).text[0];
    // The typed type is offered again only after a cancelled F1.
    w = {point_of(set.field(kStartX), set.field(kStartY)), point_of(set.field(kEndX), set.field(kEndY)),
         line.type};
    if (auto made = act_on(kRows, ui::fkey_of(key), d, w, typed_type)) return *made;
  }
}

Reopened reopen_in_line_menu(const Desk& d, const Record& element, const Mapping& m) {
  const auto v = line_values(element);
  if (!v) return {};
  CreateState& c = d.state;
  LineSettings& line = c.remembered<LineSettings>();
  c.first = m.shown(v->start);
  c.second = m.shown(v->end);
  // The width shown decides what comes back: a narrow line is shown
  // narrow, whatever the last line made was.
  line.width = v->width ? static_cast<int>(*v->width) : 1;
  if (!v->width) line.type = dashed_line_type(v->type) ? 'D' : 'S';
  const auto back = menu_values(line_menu(d), line_values);
  if (!back) return {};
  LineValues now{m.stored(back->start, v->start), m.stored(back->end, v->end), back->type, back->width};
  // What the menu cannot tell apart stays: a type drawn alike, a width left
  // as shown (a wide line of width 1 too).
  if (dashed_line_type(now.type) == dashed_line_type(v->type)) now.type = v->type;
  if (v->width && line.width == *v->width) now.width = v->width;
  return settle(element, *v, now, [](const LineValues& l) { return line_record(l); }, line_values);
}

}  // namespace plv::create
