#include "sessions/generator.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "drawing/command_file.h"
#include "drawing/translation_setup.h"
#include "editor/edit_delete/pick_graphic.h"
#include "kinds/arrow.h"
#include "kinds/box_form.h"
#include "kinds/bracket.h"
#include "kinds/circle.h"
#include "kinds/colour.h"
#include "kinds/colour_in_force.h"
#include "kinds/comment.h"
#include "kinds/deleted.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/registry.h"
#include "kinds/string.h"
#include "render/redraw.h"
#include "support/temp_dir.h"

namespace plv::sessions {
namespace {

std::string n(int v) { return std::to_string(v); }

// The nearest multiple of 5 inside the window.
Point on_grid(float x, float y) {
  auto five = [](float v, int limit) { return std::clamp(5 * static_cast<int>(std::lround(v / 5)), -limit, limit); };
  return {five(x, 1600), five(y, 1200)};
}

// A corner dragged to `to` must not land on an edge that the other
// corner's drag grabs as well, or the box would keep no width or height.
Point clear_of(Point to, Point other) {
  if (std::abs(to.x - other.x) <= 5) to.x -= 10;
  if (std::abs(to.y - other.y) <= 5) to.y -= 10;
  return to;
}

Point plot_of(const ViewTransform& v, DrawingPoint p) {
  return on_grid(static_cast<float>(p.x * v.scale + v.x_shift), static_cast<float>(p.y * v.scale + v.y_shift));
}

// The defining points of the graphics a pick or a box can reach.
std::vector<Point> reachable_points(const Editor& e, const RenderState& render) {
  std::vector<Point> out;
  LayerTransform layer{};
  for (long i = 1; i <= e.drawing.count(); ++i) {
    Record r = e.drawing.read(i);
    if (kinds().kind_of(r).is_deleted() && !render.show_deleted) continue;
    if (kinds().kind_of(r).is_deleted()) r = restore_deleted(r);
    const Kind& kind = kinds().kind_of(r);
    if (const auto l = kind.layer_of(r)) layer = *l;
    if (kind.layer_of(r) || (render.work_layer != 0 && render.work_layer != layer.layer)) continue;
    for (const DrawingPoint& p : kind.test_points(r, layer)) out.push_back(plot_of(e.render.view, p));
  }
  return out;
}

// The menu a graphic of each kind reopens in, as the element that menu
// makes, in the order of ElementKind.
constexpr Element kMenuOf[] = {Element::kNone, Element::kLine, Element::kWideLine, Element::kArrow,
                               Element::kString, Element::kBox, Element::kBox, Element::kFilledRectangle,
                               Element::kCircle, Element::kEllipse, Element::kBracket, Element::kQuadrilateral,
                               Element::kNone};

constexpr std::array<const char*, 6> kTexts = {"NOTE", "PEAK 3", "A-B", "LEVEL 12.5", "X", "SEE FIG. 2"};

std::string fixed(double v, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

enum class Mode { kBar, kGrey, kRgb };

Record from_file_line(const char* line) {
  const StoredConversion c = to_stored_form(line);
  if (!c.ok()) throw std::logic_error(std::string("start drawing line not read: ") + line);
  return c.record;
}

Record colour(Rng& rng, Mode mode) {
  char line[40];
  if (mode == Mode::kBar) return palette_colour_record(rng.between(1, 15));
  if (mode == Mode::kGrey) std::snprintf(line, sizeof line, "SC GREY%3d", rng.between(0, 15));
  else std::snprintf(line, sizeof line, "SC RGB%4d%3d%3d", rng.between(0, 63), rng.between(0, 63), rng.between(0, 63));
  return from_file_line(line);
}

Record element(Rng& rng) {
  const Point c = rng.point();
  auto at = [](Point p) { return DrawingPoint{1.0 * p.x, 1.0 * p.y}; };
  auto near = [&] { return at(rng.near(c, 300)); };
  switch (rng.between(0, 10)) {
    case 0: return line_record(near(), near(), rng.chance(50) ? 'S' : 'D');
    case 1: return wide_line_record(near(), near(), rng.between(2, 6));
    case 2: return arrow_record(near(), near(), ArrowFlags{'N', 'Y', 'Y', 'N', rng.chance(50) ? 'Y' : 'N'});
    case 3: return string_record({at(c), rng.between(4, 16), "SME"[rng.between(0, 2)], rng.between(0, 3), "LABEL"});
    case 4: return box_record(ElementKind::kBox, near(), near());
    case 5: return circle_record(at(c), at({rng.away(c.x), c.y}), near());
    case 6: return ellipse_record(at(c), rng.step5(20, 300), rng.step5(20, 300));
    case 7: return bracket_record(near(), near());
    case 8: return box_record(ElementKind::kFilledRectangle, near(), near());
    case 9: return quad_record({near(), near(), near(), near()});
    default: return comment_record("A COMMENT");
  }
}

}  // namespace

std::string write_start_drawing(Rng& rng, const std::string& path) {
  const int roll = rng.between(1, 100);
  const Mode mode = roll <= 60 ? Mode::kBar : roll <= 80 ? Mode::kGrey : Mode::kRgb;
  constexpr std::array<const char*, 3> kModes = {"SC MODE BAR", "SC MODE GREY", "SC MODE RGB"};
  RecordStore drawing;
  drawing.append(from_file_line(kModes[static_cast<size_t>(mode)]));
  for (int i = rng.between(2, 8); i > 0; --i) {
    if (rng.chance(30)) drawing.append(colour(rng, mode));
    if (rng.chance(15)) drawing.append(layer_record({rng.between(1, 3), 1.0, 1.0 * rng.step5(-300, 300), 0.0}));
    drawing.append(element(rng));
  }
  if (rng.chance(30)) drawing.append(layer_record({1, 2.0, 500.0, 0.0}));
  const CommandFileHeader header{"d.plv", std::string(kDefaultSetupLine), " 1-JAN-26"};
  if (!write_command_file(path, header, drawing, kinds()).ok()) throw std::runtime_error("cannot write " + path);
  return testing::read_file(path);
}

namespace {

// A form's values in field order: its options, its coordinates, or both
// (the rest left as shown). Circles keep a radius and ellipses both axes,
// or their menus would make nothing or stay open.
std::vector<std::string> fields(Rng& rng, Element e, bool options, bool coordinates) {
  std::vector<std::string> f;
  auto opt = [&](std::string v) { f.push_back(options ? std::move(v) : ""); };
  auto at = [&](Point p) { f.push_back(coordinates ? n(p.x) : ""), f.push_back(coordinates ? n(p.y) : ""); };
  auto text = [&] { return std::string(kTexts[static_cast<size_t>(rng.between(0, std::ssize(kTexts) - 1))]); };
  const Point c = rng.point();
  const int reach = 400;
  switch (e) {
    case Element::kLine: case Element::kDashedLine: case Element::kWideLine:
      opt(e == Element::kDashedLine ? "D" : "S"), opt(e == Element::kWideLine ? n(rng.between(2, 10)) : "1");
      at(rng.near(c, reach)), at(rng.near(c, reach));
      break;
    case Element::kArrow:
      for (int i = 0; i < 5; ++i) opt(rng.chance(50) ? "Y" : "N");
      at(rng.near(c, reach)), at(rng.near(c, reach));
      break;
    case Element::kString:
      opt(text()), opt(n(rng.between(4, 16))), opt(n(rng.between(0, 3)));
      opt(std::string(1, "SME"[rng.between(0, 2)]));
      at(c);
      break;
    case Element::kCircle: at(c), at({rng.away(c.x), c.y}), at(rng.near(c, reach)); break;
    case Element::kEllipse: at(c), at({rng.away(c.x), c.y}), at({c.x, rng.away(c.y)}); break;
    case Element::kBracket: at(rng.near(c, reach)), at(rng.near(c, reach)), opt(rng.chance(50) ? "L" : "R"); break;
    case Element::kQuadrilateral: for (int i = 0; i < 4; ++i) at(rng.near(c, reach)); break;
    case Element::kComment: opt(text()); break;
    default: at(rng.near(c, reach)), at(rng.near(c, reach));  // boxes
  }
  return f;
}

Point target(Rng& rng, const Editor& e, const RenderState& render) {
  const std::vector<Point> points = reachable_points(e, render);
  if (points.empty()) return rng.point();
  return points[static_cast<size_t>(rng.between(0, static_cast<int>(points.size()) - 1))];
}

// Two corner drags taking a rubber-band box from its corners to a box near a graphic.
std::vector<Point> box_drags(Rng& rng, const Editor& e, const SelectionBox& from) {
  const Point t = target(rng, e, e.render), from1 = on_grid(from.x1, from.y1), from2 = on_grid(from.x2, from.y2);
  const Point low = on_grid(t.x - rng.step5(20, 400), t.y - rng.step5(20, 400));
  return {from1, clear_of(low, from2), from2, on_grid(t.x + rng.step5(20, 400), t.y + rng.step5(20, 400))};
}

// Where the pointer goes to make the element.
std::vector<Point> pointed(Rng& rng, const Editor& e, const CreateState& remembered, Element element) {
  const Point c = rng.point();
  switch (element) {
    case Element::kString: return {c};
    case Element::kCircle: return {c, on_grid(rng.away(c.x), c.y), rng.near(c, 400)};
    case Element::kEllipse: return {c, on_grid(rng.away(c.x), c.y), on_grid(c.x, rng.away(c.y))};
    case Element::kQuadrilateral: return {rng.near(c, 400), rng.near(c, 400), rng.near(c, 400), rng.near(c, 400)};
    case Element::kBox: case Element::kFilledRectangle: {
      const Point a = plot_of(e.render.view, remembered.first), b = plot_of(e.render.view, remembered.second);
      return box_drags(rng, e, {1.0f * a.x, 1.0f * a.y, 1.0f * b.x, 1.0f * b.y});
    }
    default: return rng.chance(50) ? std::vector{c} : std::vector{c, rng.near(c, 400)};
  }
}

Action create(Rng& rng, const Editor& e, const CreateState& remembered) {
  Action a{.act = Act::kCreate, .element = static_cast<Element>(rng.between(0, 11))};
  a.by_pointer = a.element != Element::kComment && rng.chance(40);
  a.colour = rng.chance(30) ? rng.between(1, 15) : rng.chance(5) ? rng.between(16, 99) : 0;
  a.fields = fields(rng, a.element, true, !a.by_pointer);
  if (a.by_pointer) a.points = pointed(rng, e, remembered, a.element);
  a.undraws = rng.chance(20) ? rng.between(1, 2) : 0;
  if (a.undraws && rng.chance(50) && a.element != Element::kComment)
    a.edit_fields = fields(rng, a.element, false, true);
  a.undo_first = rng.chance(10) ? rng.between(1, 2) : 0;
  a.escape = rng.chance(15);
  return a;
}

Action edit_delete(Rng& rng, const Editor& e, Act act) {
  Action a{.act = act, .toggle_deleted = rng.chance(15)};
  if (act == Act::kDeleteBox) return a.points = box_drags(rng, e, e.selection_box), a;
  RenderState render = e.render;
  render.show_deleted ^= a.toggle_deleted;
  for (int i = act == Act::kDeletePointed ? rng.between(1, 3) : 1; i > 0; --i)
    a.points.push_back(target(rng, e, render));
  a.undelete = act == Act::kDeletePointed && rng.chance(40);
  const ViewTransform& v = e.render.view;
  const DrawingPoint at{(a.points[0].x - v.x_shift) / v.scale, (a.points[0].y - v.y_shift) / v.scale};
  const auto picked = act == Act::kEditGraphic ? editing::nearest_graphic(e.drawing, render, at) : std::nullopt;
  if (!picked) return a;
  const Record stored = e.drawing.read(*picked);
  const Record r = kinds().kind_of(stored).is_deleted() ? restore_deleted(stored) : stored;
  a.element = kMenuOf[static_cast<size_t>(kinds().kind_of(r).element())];
  if (a.element != Element::kNone && rng.chance(60)) a.edit_fields = fields(rng, a.element, false, true);
  a.edit_again = a.element != Element::kNone && rng.chance(25);
  return a;
}

Action colour_edit(Rng& rng, const Editor& e, const editing::EditState& state) {
  Action a{.act = Act::kColourEdit, .palette = takes_palette_colours(e.drawing)};
  SelectionBox s = e.selection_box;
  int field = state.colour_menu_colour;  // what the colour field shows
  for (int i = rng.between(1, 3); i > 0; --i) {
    const int colour = rng.chance(80) ? rng.between(1, 15) : rng.chance(50) ? 0 : rng.between(-9, 99);
    const int typed = colour != 0 ? colour : field;
    const bool in_palette = typed >= 1 && typed <= 15;
    field = in_palette ? typed : 7;  // the menu keeps 7 for a colour outside the palette
    ColourOp op{.how = static_cast<Recolour>(rng.between(0, 2)), .colour = colour, .recolours = a.palette && in_palette};
    if (op.how == Recolour::kOne) op.points = {target(rng, e, e.render)};
    if (op.how == Recolour::kRegion && op.recolours) {
      op.points = box_drags(rng, e, s);
      const Point p = op.points[1], q = op.points[3];  // where the next region starts from
      s = {1.0f * std::min(p.x, q.x), 1.0f * std::min(p.y, q.y), 1.0f * std::max(p.x, q.x), 1.0f * std::max(p.y, q.y)};
    }
    a.colour_ops.push_back(op);
  }
  return a;
}

Action paste(Rng& rng, const Editor& e, const PlotBox& last_box) {
  Action a{.act = Act::kPaste};
  const Extent extent = drawing_extent(e.buffer, e.render);
  const double width = extent.xmax - extent.xmin, height = extent.ymax - extent.ymin;
  a.by_pointer = !e.buffer.empty() && (width > 0 || height > 0) && rng.chance(40);
  if (a.by_pointer) {
    // A box that scales the buffer at most twice, so that every value still fits its field.
    int w = rng.step5(100, 800), h = rng.step5(100, 800);
    if (width > 0) w = std::max(10, 5 * static_cast<int>(std::min<double>(w, 2 * width) / 5));
    if (height > 0) h = std::max(10, 5 * static_cast<int>(std::min<double>(h, 2 * height) / 5));
    const PlotBox& b = last_box;
    const Point from2 = on_grid(static_cast<float>(b.x2), static_cast<float>(b.y2));
    const Point to1 = clear_of({rng.step5(-1500, 1500 - w), rng.step5(-1100, 1100 - h)}, from2);
    a.points = {on_grid(static_cast<float>(b.x1), static_cast<float>(b.y1)), to1, from2, {to1.x + w, to1.y + h}};
    return a;
  }
  const bool general = rng.chance(50);
  const double scale = 0.25 * rng.between(1, 8);
  const double other = general && rng.chance(50) ? 0.25 * rng.between(1, 8) : scale;
  const int rotation = general && (other == scale || rng.chance(50)) ? 15 * rng.between(-12, 12) : 0;
  a.fields = {n(rng.step5(-500, 500)), n(rng.step5(-500, 500)), fixed(scale, 3), fixed(other, 3), fixed(rotation, 1)};
  return a;
}

}  // namespace

void Generator::plan_kill(int actions) {
  int at = rng_.between(1, actions / 3);
  for (const Act act : {Act::kWrite, Act::kUndo, Act::kRemoveDeleted}) plan_.push_back({at++, act});
  constexpr Act kSecond[] = {Act::kSecondCloses, Act::kSecondQuits, Act::kSecondWrites};
  if (rng_.chance(50)) plan_.push_back({at++, kSecond[rng_.between(0, 2)]});
  plan_.push_back({at + rng_.between(0, 5), Act::kCrash});
}

Act Generator::choose_act(const Editor& e) {
  if (last_ == Act::kUndoAll) return Act::kRedoAll;
  if (!plan_.empty() && made_ >= plan_.front().first) {
    const Act act = plan_.front().second;
    // A second plivet comes while this one keeps a recovery copy of changes.
    const bool second = act >= Act::kSecondCloses && act <= Act::kSecondWrites;
    if (!second || std::filesystem::exists(e.recovery.file())) {
      plan_.pop_front();
      if (act != Act::kCrash) return act;
      killing_ = true;
    }
  }
  static constexpr std::pair<Act, int> kWeights[] = {
      {Act::kCreate, 28}, {Act::kDeletePointed, 7}, {Act::kDeleteBox, 4}, {Act::kEditGraphic, 8},
      {Act::kColourEdit, 6}, {Act::kCut, 4}, {Act::kCopy, 6}, {Act::kClearBuffer, 1}, {Act::kPaste, 10},
      {Act::kUndo, 7}, {Act::kRedo, 4}, {Act::kUndoAll, 1}, {Act::kSetLayers, 3}, {Act::kDrawAll, 2},
      {Act::kWrite, 3}, {Act::kRemoveDeleted, 2}, {Act::kReopen, 2}, {Act::kCrash, 2}};
  int roll = rng_.between(1, 100);
  for (const auto& [act, weight] : kWeights)
    if ((roll -= weight) <= 0) return act;
  return Act::kCreate;
}

Action Generator::next(const Editor& e, const MenuStates& states) {
  const Act act = choose_act(e);
  Action a{.act = act};
  if (act == Act::kCreate) a = create(rng_, e, states.create);
  if (act == Act::kDeletePointed || act == Act::kDeleteBox || act == Act::kEditGraphic) a = edit_delete(rng_, e, act);
  if (act == Act::kColourEdit) a = colour_edit(rng_, e, states.editing);
  if (act == Act::kPaste) a = paste(rng_, e, states.paste_box);
  if (act == Act::kCut || act == Act::kCopy) a.points = box_drags(rng_, e, e.selection_box);
  if (act == Act::kUndo || act == Act::kRedo) a.count = rng_.between(1, 3);
  if (act == Act::kSetLayers) {
    a.count = rng_.chance(50) ? 0 : rng_.between(1, 3);
    a.also = rng_.chance(70) ? 0 : rng_.between(1, 3);
  }
  // Undo and redo on the menus that take them, and boxes ended with Escape.
  if (a.act == Act::kCreate || a.act == Act::kPaste || a.act == Act::kDeletePointed || a.act == Act::kDeleteBox ||
      a.act == Act::kEditGraphic)
    if (rng_.chance(15)) a.undo_after = rng_.between(1, 2), a.redo_after = rng_.between(0, 2);
  a.escape_box = (act == Act::kCut || act == Act::kCopy || act == Act::kDeleteBox) && rng_.chance(10);
  if (a.act == Act::kCrash) a.kill = 0;
  if (std::exchange(killing_, false) && a.kill < 0) a.kill = rng_.between(0, static_cast<int>(steps_of(a).size()));
  last_ = a.act;
  ++made_;
  return a;
}

}  // namespace plv::sessions
