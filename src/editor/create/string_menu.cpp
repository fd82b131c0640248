#include "editor/create/string_menu.h"

#include "editor/create/reopen.h"

#include <optional>
#include <span>
#include <string>

#include "drawing/record_layout.h"
#include "editor/create/cursor.h"
#include "editor/create/element_menu.h"
#include "editor/pointer.h"
#include "kinds/string.h"
#include "text/fixed_text.h"
#include "ui/left_justify.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner = "  **** STRING MENU ***** STRING MENU ***** STRING MENU ***** STRING MENU *******";
constexpr MenuLine kLines[] = {
    {7, "         STRING:"},
    {10, "         SIZE:          (4 TO 30)"},
    {12, "         DIRECTION:     (0=+X,1=+Y,2=-X,3=-Y)"},
    {14, "         KEY POINT:      (S=START,M=MIDDLE,E=END)"},
    {16, "         LOCATION: X           Y           (POINT WITH F1)"},
};

// The menu edits and writes only the first 78 of the 80 characters kept.
constexpr std::size_t kShownTextLength = 78;
// What the size field's two columns and the direction's one column hold.
constexpr ui::IntegerRange kSizeRange{-9, 99};
constexpr ui::IntegerRange kDirectionRange{0, 9};
constexpr ui::IntegerRange kLocationRange = coordinate_range(layout::file::string::kX);

enum Field { kText = 1, kSize, kDirection, kKeyPoint, kLocationX, kLocationY };

ui::FieldSet fields(const StringSettings& s) {
  ui::FieldSet set;
  set.fields = {text_field(8, 1, kShownTextLength, std::string_view(s.text).substr(0, kShownTextLength)),
                integer_field(10, 22, 2, s.size, kSizeRange),
                integer_field(12, 22, 2, s.direction, kDirectionRange),
                text_field(14, 23, 1, std::string_view(&s.key_point, 1)),
                coordinate_field(16, 22, s.location.x, kLocationRange),
                coordinate_field(16, 35, s.location.y, kLocationRange)};
  return set;
}

char key_point_value(char typed) {
  if (typed == 's') return 'S';
  if (typed == 'm') return 'M';
  if (typed == 'e') return 'E';
  return typed;
}

// Everything typed is remembered after every pass, also when the menu is
// then quit; the text starts at its first non-blank character.
void take_settings(const ui::FieldSet& set, StringSettings& s) {
  const std::string kept_end = text::padded(s.text, kStringTextLength).substr(kShownTextLength);
  s.text = text_as_kept(text::padded(set.field(kText).text, kShownTextLength) + kept_end);
  s.size = set.field(kSize).integer;
  s.direction = set.field(kDirection).integer;
  s.key_point = key_point_value(set.field(kKeyPoint).text[0]);
  s.location = point_of(set.field(kLocationX), set.field(kLocationY));
}

// The pick starts at the location, which becomes the first point when a
// point is picked; cancelled, the shared points stay as they were.
std::optional<DrawingPoint> pick_from(Screen& screen, SharedPoints& shared, DrawingPoint location) {
  const DrawingPoint first = shared.first;
  shared.first = location;
  const PointingAt at(screen, "String: pick where its key point goes");
  const auto picked = pick_one_point(screen, shared);
  if (!picked) shared.first = first;
  return picked;
}

Record make_record(const StringSettings& s) {
  return string_record({s.location, s.size, s.key_point, s.direction, s.text.substr(0, kShownTextLength)});
}

// The record made; none: the menu again (a blank record: quit).
using Row = MenuRow<std::optional<Record>, Screen&, CreateState&>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 18, "         F1 = POINT TO STRING POSITION",
     [](Screen& screen, CreateState& c) -> std::optional<Record> {
       StringSettings& s = c.remembered<StringSettings>();
       const auto picked = pick_from(screen, c, s.location);
       if (!picked) return std::nullopt;  // cancelled: the menu as it was
       s.location = *picked;
       return make_record(s);
     }},
    {ui::FKey::kF9, 20, "         F9 = DRAW THE STRING WITH THE CURRENT POSITION",
     [](Screen&, CreateState& c) -> std::optional<Record> { return make_record(c.remembered<StringSettings>()); }},
    {ui::FKey::kF10, 22, "         F10= QUIT", [](Screen&, CreateState&) -> std::optional<Record> { return Record(); }},
};

}  // namespace

std::string text_as_kept(std::string_view text) {
  std::string kept = text::padded(text, kStringTextLength);
  ui::left_justify(std::span<char>(kept.data(), kShownTextLength));
  return kept;
}

Record string_menu(Screen& screen, CreateState& state) {
  for (;;) {
    show_menu(screen, 3, kBanner, kLines, kRows);
    StringSettings& settings = state.remembered<StringSettings>();
    ui::FieldSet set = fields(settings);
    const ui::FieldKey key = enter(screen, set);
    take_settings(set, settings);
    if (auto made = act_on(kRows, ui::fkey_of(key), screen, state)) return *made;
  }
}

Reopened reopen_in_string_menu(const Desk& d, const Record& element, const Mapping& m) {
  const auto v = string_values(element);
  if (!v) return {};
  StringSettings& s = d.state.remembered<StringSettings>();
  s = {text::padded(v->text, kStringTextLength), v->size, v->direction, key_point_meant(v->key_point),
       m.shown(v->location)};
  if (!menu_values(string_menu(d.screen, d.state), string_values)) return {};
  // All 80 characters of the text go back, not only those the menu shows.
  StringValues now{m.stored(s.location, v->location), s.size, s.key_point, s.direction, s.text};
  if (key_point_meant(now.key_point) == key_point_meant(v->key_point)) now.key_point = v->key_point;
  if (now.text == text_as_kept(v->text)) now.text = v->text;
  return settle(element, *v, now, string_record, string_values);
}

}  // namespace plv::create
