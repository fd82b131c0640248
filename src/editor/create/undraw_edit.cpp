#include "editor/create/undraw_edit.h"

#include <cmath>
#include <string_view>

#include "editor/create/arrow_menu.h"
#include "editor/create/box_menus.h"
#include "editor/create/bracket_menu.h"
#include "editor/create/circle_menus.h"
#include "editor/create/element_menu.h"
#include "editor/create/line_menu.h"
#include "editor/create/quad_menu.h"
#include "editor/create/string_menu.h"
#include "kernel/kernel.h"
#include "kinds/arrow.h"
#include "kinds/box_form.h"
#include "kinds/bracket.h"
#include "kinds/circle.h"
#include "kinds/deleted.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/registry.h"
#include "kinds/string.h"
#include "kinds/two_point.h"
#include "render/redraw.h"
#include "text/fixed_text.h"
#include "ui/messages.h"
#include "ui/screen_lines.h"
#include "ui/toolkit.h"

namespace plv::create {
namespace {

constexpr std::string_view kFlatLayer = "THIS GRAPHIC CANNOT BE EDITED: ITS LAYER HAS SCALE 0.";
constexpr std::string_view kTooLarge = "THE EDITED ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT STAYS AS IT WAS.";

// Stored values as the menus show them, and what a menu hands back, stored
// again. A value handed back just as its field showed it was left alone:
// it goes back exactly as it was stored, not through the field's
// truncation and the inverse transform.
struct Mapping {
  LayerTransform layer;

  DrawingPoint shown(DrawingPoint p) const { return apply_layer(layer, p); }
  DrawingPoint stored(DrawingPoint back, DrawingPoint original) const {
    const DrawingPoint was = shown(original), fresh = invert_layer(layer, back);
    return {back.x == shown_coordinate(was.x) ? original.x : fresh.x,
            back.y == shown_coordinate(was.y) ? original.y : fresh.y};
  }
  template <size_t N>
  std::array<DrawingPoint, N> stored(const std::array<DrawingPoint, N>& back,
                                     const std::array<DrawingPoint, N>& original) const {
    std::array<DrawingPoint, N> out{};
    for (size_t k = 0; k < N; ++k) out[k] = stored(back[k], original[k]);
    return out;
  }
  // A length shown as the distance between two fields along one axis, the
  // first showing `from`.
  double stored_length(double back, double original, double from) const {
    const double to = layer.scale * original + from;
    const double was = std::fabs(static_cast<double>(shown_coordinate(to)) - shown_coordinate(from));
    return back == was ? original : back / layer.scale;
  }
};

// What a reopened menu came to: a blank record when the user quit it (or
// no menu makes such records); `fits` false when a value came back that
// the record's columns cannot hold.
struct Reopened {
  Record record;
  bool fits = true;
};

// The values of what a menu made; nothing when the user quit it (a blank
// record, whose blank fields would otherwise read as zeros).
template <class Read>
auto menu_values(const Record& made, Read read) -> decltype(read(made)) {
  if (made.blank_in({1, 2})) return std::nullopt;
  return read(made);
}

// The element itself when the values came back as it had them, so that
// its own spelling of them stays; otherwise the record of the new values,
// which must read back as it was made.
template <class Values, class Build, class Read>
Reopened settle(const Record& element, const Values& was, const Values& now, Build build, Read read) {
  const Record made = build(now);
  if (made == build(was)) return {element};
  const auto again = read(made);
  return {made, again && build(*again) == made};
}

Reopened reopen_line(Editor& e, const Record& element, const Mapping& m) {
  const auto v = line_values(element);
  if (!v) return {};
  CreateState& c = e.create;
  c.first = m.shown(v->start);
  c.second = m.shown(v->end);
  // The width shown decides what comes back: a narrow line is shown
  // narrow, whatever the last line made was.
  c.line_width = v->width ? static_cast<int>(*v->width) : 1;
  if (!v->width) c.line_type = dashed_line_type(v->type) ? 'D' : 'S';
  const auto back = menu_values(line_menu(e), line_values);
  if (!back) return {};
  LineValues now{m.stored(back->start, v->start), m.stored(back->end, v->end), back->type, back->width};
  // What the menu cannot tell apart stays: a type drawn alike, a width left
  // as shown (a wide line of width 1 too).
  if (dashed_line_type(now.type) == dashed_line_type(v->type)) now.type = v->type;
  if (v->width && c.line_width == *v->width) now.width = v->width;
  return settle(element, *v, now, [](const LineValues& l) { return line_record(l); }, line_values);
}

Reopened reopen_arrow(Editor& e, const Record& element, const Mapping& m) {
  const auto v = arrow_values(element);
  if (!v) return {};
  e.create.first = m.shown(v->from);
  e.create.second = m.shown(v->to);
  // The menu offers Y and N: each switch shows whether its flag is on.
  for (size_t k = 0; k < v->flags.size(); ++k) e.create.arrow_flags[k] = arrow_flag_on(v->flags[k]) ? 'Y' : 'N';
  const auto back = menu_values(arrow_menu(e), arrow_values);
  if (!back) return {};
  // The menu bends every arrow alike; this one keeps its own bend.
  ArrowValues now{m.stored(back->from, v->from), m.stored(back->to, v->to), back->flags, v->bend};
  for (size_t k = 0; k < now.flags.size(); ++k)
    if (arrow_flag_on(now.flags[k]) == arrow_flag_on(v->flags[k])) now.flags[k] = v->flags[k];
  return settle(element, *v, now, [](const ArrowValues& a) { return arrow_record(a); }, arrow_values);
}

Reopened reopen_string(Editor& e, const Record& element, const Mapping& m) {
  const auto v = string_values(element);
  if (!v) return {};
  StringSettings& s = e.create.string;
  s = {text::padded(v->text, kStringTextLength), v->size, v->direction, key_point_meant(v->key_point),
       m.shown(v->location)};
  if (!menu_values(string_menu(e), string_values)) return {};
  // All 80 characters of the text go back, not only those the menu shows.
  StringValues now{m.stored(s.location, v->location), s.size, s.key_point, s.direction, s.text};
  if (key_point_meant(now.key_point) == key_point_meant(v->key_point)) now.key_point = v->key_point;
  if (now.text == text_as_kept(v->text)) now.text = v->text;
  return settle(element, *v, now, string_record, string_values);
}

Reopened reopen_box(Editor& e, const Record& element, const Mapping& m, ElementKind kind) {
  const auto ends = two_point_ends(element);
  if (!ends) return {};
  e.create.first = m.shown((*ends)[0]);
  e.create.second = m.shown((*ends)[1]);
  const auto back = menu_values(box_menu(e, kind), two_point_ends);
  if (!back) return {};
  // A reopened rectangle keeps its code, flat or not.
  const auto build = [kind](const std::array<DrawingPoint, 2>& c) { return box_record_as_is(kind, c[0], c[1]); };
  return settle(element, *ends, m.stored(*back, *ends), build, two_point_ends);
}

Reopened reopen_circle(Editor& e, const Record& element, const Mapping& m) {
  const auto v = circle_points(element);
  if (!v) return {};
  e.create.circle_a = m.shown((*v)[0]);
  e.create.circle_b = m.shown((*v)[1]);
  e.create.circle_c = m.shown((*v)[2]);
  const auto back = menu_values(circle_menu(e), circle_points);
  if (!back) return {};
  const auto build = [](const std::array<DrawingPoint, 3>& p) { return circle_record(p[0], p[1], p[2]); };
  return settle(element, *v, m.stored(*back, *v), build, circle_points);
}

Reopened reopen_ellipse(Editor& e, const Record& element, const Mapping& m) {
  const auto v = ellipse_values(element);
  if (!v) return {};
  const DrawingPoint a = m.shown(v->centre);
  const double s = m.layer.scale;
  e.create.circle_a = a;
  e.create.circle_b = {s * v->semi_axis_x + a.x, a.y};
  e.create.circle_c = {a.x, s * v->semi_axis_y + a.y};
  const auto back = menu_values(ellipse_menu(e), ellipse_values);
  if (!back) return {};
  const EllipseValues now{m.stored(back->centre, v->centre), m.stored_length(back->semi_axis_x, v->semi_axis_x, a.x),
                          m.stored_length(back->semi_axis_y, v->semi_axis_y, a.y)};
  const auto build = [](const EllipseValues& l) { return ellipse_record(l.centre, l.semi_axis_x, l.semi_axis_y); };
  return settle(element, *v, now, build, ellipse_values);
}

Reopened reopen_bracket(Editor& e, const Record& element, const Mapping& m) {
  const auto ends = two_point_ends(element);
  if (!ends) return {};
  // Facing left keeps the stored order of the points.
  e.create.bracket_facing = 'L';
  e.create.first = m.shown((*ends)[0]);
  e.create.second = m.shown((*ends)[1]);
  const auto back = menu_values(bracket_menu(e), two_point_ends);
  if (!back) return {};
  const auto build = [](const std::array<DrawingPoint, 2>& p) { return bracket_record(p[0], p[1]); };
  return settle(element, *ends, m.stored(*back, *ends), build, two_point_ends);
}

Reopened reopen_quad(Editor& e, const Record& element, const Mapping& m) {
  const auto c = quad_corners(element);
  if (!c) return {};
  e.create.first = m.shown((*c)[0]);
  e.create.second = m.shown((*c)[1]);
  e.create.quad_third = m.shown((*c)[2]);
  e.create.quad_fourth = m.shown((*c)[3]);
  const auto back = menu_values(quad_menu(e), quad_corners);
  if (!back) return {};
  return settle(element, *c, m.stored(*back, *c), quad_record, quad_corners);
}

// The element's own menu, opened on its values.
Reopened reopen(Editor& e, const Record& element, const Mapping& m) {
  switch (kinds().kind_of(element).element()) {
    case ElementKind::kLine:
    case ElementKind::kWideLine: return reopen_line(e, element, m);
    case ElementKind::kArrow: return reopen_arrow(e, element, m);
    case ElementKind::kString: return reopen_string(e, element, m);
    case ElementKind::kBox: return reopen_box(e, element, m, ElementKind::kBox);
    case ElementKind::kRectangularBox: return reopen_box(e, element, m, ElementKind::kRectangularBox);
    case ElementKind::kFilledRectangle: return reopen_box(e, element, m, ElementKind::kFilledRectangle);
    case ElementKind::kCircle: return reopen_circle(e, element, m);
    case ElementKind::kEllipse: return reopen_ellipse(e, element, m);
    case ElementKind::kBracket: return reopen_bracket(e, element, m);
    case ElementKind::kFilledQuadrilateral: return reopen_quad(e, element, m);
    default: return {};  // comments and the rest have no menu to reopen in
  }
}

// After telling the user why the edit is refused: the element back where
// it stood, as it stood (still marked when it was a deleted graphic), and
// on the picture again.
Undrawn put_back(Editor& e, const Record& stored, long place, const Record& colour, const LayerTransform& layer,
                 std::string_view why, ColourProblems& messages) {
  e.ui.lines().set_message(why);
  ui::error_and_wait(e.ui);
  if (place > e.drawing.count()) e.drawing.append(stored);
  else e.drawing.write(place, stored);
  const Kind& kind = kinds().kind_of(stored);
  e.kernel.gkgraph();
  e.render.layer = layer;
  draw_element(kind.is_deleted() ? restore_deleted(stored) : stored, colour, e.render, e.kernel, messages);
  e.kernel.tekflush(1);
  return {stored, place};
}

}  // namespace

void undraw_edit_last(Editor& e, CreateSession& session, ColourProblems& messages) {
  if (session.element.blank_in({1, 2})) return;
  e.drawing.drop_last();
  if (kinds().kind_of(session.element).drawn_in_colour()) {
    e.kernel.gkpage(1);
    erase_element(session.element, e.render, e.kernel);
    e.kernel.tekflush(0);
  }
  session.element = undraw_and_edit(e, session.element, e.drawing.count() + 1, colour_of_new_elements(e),
                                    layer_of_new_elements(e), messages)
                        .record;
}

Undrawn undraw_and_edit(Editor& e, const Record& stored, long place, const Record& colour, const Record& layer,
                        ColourProblems& messages) {
  const Record element = kinds().kind_of(stored).is_deleted() ? restore_deleted(stored) : stored;
  const LayerTransform transform = read_layer_record(layer).value_or(LayerTransform{});
  // Every point of such a layer stands at one place: nothing shown could
  // be carried back.
  if (transform.scale == 0) return put_back(e, stored, place, colour, transform, kFlatLayer, messages);
  const Reopened made = reopen(e, element, Mapping{transform});
  if (made.record.blank_in({1, 2})) return {};
  if (!made.fits || kinds().to_file(made.record).kind == ConversionProblem::kDoesNotFit)
    return put_back(e, stored, place, colour, transform, kTooLarge, messages);
  // What was changed is held, and shown, as the file will hold it.
  const Record record = made.record == element ? made.record : as_written(made.record);
  e.kernel.gkpage(1);
  e.render.layer = transform;  // drawn where it will stand
  draw_element(record, colour, e.render, e.kernel, messages);
  e.kernel.tekflush(0);
  e.drawing.append(colour);
  e.drawing.append(layer);
  e.drawing.append(record);
  return {record, e.drawing.count()};
}

}  // namespace plv::create
