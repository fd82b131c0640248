#include "editor/create/undraw_edit.h"

#include "editor/create/arrow_menu.h"
#include "editor/create/box_menus.h"
#include "editor/create/bracket_menu.h"
#include "editor/create/circle_menus.h"
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

namespace plv::create {
namespace {

// Stored points as the menus show them, and back.
struct Mapping {
  LayerTransform layer;
  DrawingPoint shown(DrawingPoint p) const { return apply_layer(layer, p); }
  DrawingPoint stored(DrawingPoint p) const { return invert_layer(layer, p); }
};

// What a reopened menu made; nothing when the user quit it (a blank
// record, whose blank fields would otherwise read as zeros).
std::optional<Record> made_by_menu(Record record) {
  if (record.blank_in({1, 2})) return std::nullopt;
  return record;
}

template <size_t N>
std::array<DrawingPoint, N> stored(const Mapping& m, std::array<DrawingPoint, N> points) {
  for (DrawingPoint& p : points) p = m.stored(p);
  return points;
}

Record reopen_line(Editor& e, const Record& element, const Mapping& m) {
  const auto v = line_values(element);
  if (!v) return {};
  e.create.first = m.shown(v->start);
  e.create.second = m.shown(v->end);
  if (v->width) e.create.line_width = static_cast<int>(*v->width);
  else e.create.line_type = v->type;
  const auto record = made_by_menu(line_menu(e));
  const auto back = record ? line_values(*record) : std::nullopt;
  if (!back) return {};
  if (back->width) return wide_line_record(m.stored(back->start), m.stored(back->end), static_cast<int>(*back->width));
  return line_record(m.stored(back->start), m.stored(back->end), back->type);
}

Record reopen_arrow(Editor& e, const Record& element, const Mapping& m) {
  const auto v = arrow_values(element);
  if (!v) return {};
  e.create.first = m.shown(v->from);
  e.create.second = m.shown(v->to);
  e.create.arrow_flags = v->flags;
  const auto record = made_by_menu(arrow_menu(e));
  const auto back = record ? arrow_values(*record) : std::nullopt;
  if (!back) return {};
  return arrow_record(m.stored(back->from), m.stored(back->to), e.create.arrow_flags);
}

Record reopen_string(Editor& e, const Record& element, const Mapping& m) {
  const auto v = string_values(element);
  if (!v) return {};
  StringSettings& s = e.create.string;
  s = {text::padded(v->text, kStringTextLength), v->size, v->direction, v->key_point, m.shown(v->location)};
  if (!made_by_menu(string_menu(e))) return {};
  // All 80 characters of the text go back, not only those the menu shows.
  return string_record({m.stored(s.location), s.size, s.key_point, s.direction, s.text});
}

Record reopen_box(Editor& e, const Record& element, const Mapping& m, ElementKind kind) {
  const auto ends = two_point_ends(element);
  if (!ends) return {};
  e.create.first = m.shown((*ends)[0]);
  e.create.second = m.shown((*ends)[1]);
  const auto record = made_by_menu(box_menu(e, kind));
  const auto back = record ? two_point_ends(*record) : std::nullopt;
  if (!back) return {};
  // A reopened rectangle keeps its code, flat or not.
  const auto [a, b] = stored(m, *back);
  return box_record_as_is(kind, a, b);
}

Record reopen_circle(Editor& e, const Record& element, const Mapping& m) {
  const auto v = circle_points(element);
  if (!v) return {};
  e.create.circle_a = m.shown((*v)[0]);
  e.create.circle_b = m.shown((*v)[1]);
  e.create.circle_c = m.shown((*v)[2]);
  const auto record = made_by_menu(circle_menu(e));
  const auto back = record ? circle_points(*record) : std::nullopt;
  if (!back) return {};
  const auto [a, b, c] = stored(m, *back);
  return circle_record(a, b, c);
}

Record reopen_ellipse(Editor& e, const Record& element, const Mapping& m) {
  const auto v = ellipse_values(element);
  if (!v) return {};
  const DrawingPoint a = m.shown(v->centre);
  const double s = m.layer.scale;
  e.create.circle_a = a;
  e.create.circle_b = {s * v->semi_axis_x + a.x, a.y};
  e.create.circle_c = {a.x, s * v->semi_axis_y + a.y};
  const auto record = made_by_menu(ellipse_menu(e));
  const auto back = record ? ellipse_values(*record) : std::nullopt;
  if (!back) return {};
  return ellipse_record(m.stored(back->centre), back->semi_axis_x / s, back->semi_axis_y / s);
}

Record reopen_bracket(Editor& e, const Record& element, const Mapping& m) {
  const auto ends = two_point_ends(element);
  if (!ends) return {};
  // Facing left keeps the stored order of the points.
  e.create.bracket_facing = 'L';
  e.create.first = m.shown((*ends)[0]);
  e.create.second = m.shown((*ends)[1]);
  const auto record = made_by_menu(bracket_menu(e));
  const auto back = record ? two_point_ends(*record) : std::nullopt;
  if (!back) return {};
  const auto [first, second] = stored(m, *back);
  return bracket_record(first, second);
}

Record reopen_quad(Editor& e, const Record& element, const Mapping& m) {
  const auto c = quad_corners(element);
  if (!c) return {};
  e.create.first = m.shown((*c)[0]);
  e.create.second = m.shown((*c)[1]);
  e.create.quad_third = m.shown((*c)[2]);
  e.create.quad_fourth = m.shown((*c)[3]);
  const auto record = made_by_menu(quad_menu(e));
  const auto back = record ? quad_corners(*record) : std::nullopt;
  if (!back) return {};
  return quad_record(stored(m, *back));
}

// The element's own menu, opened on its values; blank when none is made.
Record reopen(Editor& e, const Record& element, const Mapping& m) {
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

}  // namespace

void undraw_edit_last(Editor& e, CreateSession& session, ColourMessages& messages) {
  if (session.element.blank_in({1, 2})) return;
  e.drawing.drop_last();
  if (kinds().kind_of(session.element).drawn_in_colour()) {
    e.kernel.gkpage(1);
    erase_element(session.element, e.render, e.kernel);
    e.kernel.tekflush(0);
  }
  session.element = undraw_and_edit(e, session.element, colour_of_new_elements(e), layer_of_new_elements(e), messages);
}

Record undraw_and_edit(Editor& e, Record element, const Record& colour, const Record& layer, ColourMessages& messages) {
  if (kinds().kind_of(element).is_deleted()) element = restore_deleted(element);
  const Mapping m{read_layer_record(layer).value_or(LayerTransform{})};
  Record made = reopen(e, element, m);
  if (made.blank_in({1, 1})) return {};
  // The element already left the drawing: an edit the file cannot hold
  // must not take it away for good.
  if (!fits_the_file(e, made, "THE EDITED ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT STAYS AS IT WAS.")) made = element;
  e.kernel.gkpage(1);
  e.render.layer = read_layer_record(layer).value_or(LayerTransform{});  // drawn where it will stand
  draw_element(made, colour, e.render, e.kernel, messages);
  e.kernel.tekflush(0);
  e.drawing.append(colour);
  e.drawing.append(layer);
  e.drawing.append(made);
  return made;
}

}  // namespace plv::create
