#include "sessions/generator.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "editor/edit_delete/pick_graphic.h"
#include "kinds/colour_in_force.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/record_context.h"
#include "kinds/registry.h"
#include "render/redraw.h"

namespace plv::sessions {
namespace {

std::string n(int v) { return std::to_string(v); }

Point plot_of(const Editor& e, DrawingPoint p) {
  const ViewTransform& v = e.render.view;
  return {static_cast<int>(std::trunc(p.x * v.scale + v.x_shift)), static_cast<int>(std::trunc(p.y * v.scale + v.y_shift))};
}

DrawingPoint drawing_of(const Editor& e, Point p) {
  const ViewTransform& v = e.render.view;
  return {(p.x - v.x_shift) / v.scale, (p.y - v.y_shift) / v.scale};
}

Point on_grid(Point p);

Point corner(float x, float y) { return on_grid({static_cast<int>(x), static_cast<int>(y)}); }

Point on_grid(Point p) {
  auto five = [](int v, int limit) { return std::clamp(5 * static_cast<int>(std::lround(v / 5.0)), -limit, limit); };
  return {five(p.x, 1600), five(p.y, 1200)};
}

// A corner dragged to `to` must not land on an edge the other corner's
// drag then grabs as well, or the box would keep no width or height.
Point clear_of(Point to, Point other) {
  if (std::abs(to.x - other.x) <= 5) to.x -= 10;
  if (std::abs(to.y - other.y) <= 5) to.y -= 10;
  return to;
}

// The defining points of the graphics a pick or a box can reach.
std::vector<Point> reachable_points(const Editor& e, const RenderState& render) {
  std::vector<Point> out;
  LayerTransform layer{};
  for (long i = 1; i <= e.drawing.count(); ++i) {
    Record r = e.drawing.read(i);
    if (kinds().kind_of(r).is_deleted()) {
      if (!render.show_deleted) continue;
      r = restore_deleted(r);
    }
    const Kind& kind = kinds().kind_of(r);
    if (const auto l = kind.layer_of(r)) {
      layer = *l;
      continue;
    }
    if (render.work_layer != 0 && render.work_layer != layer.layer) continue;
    for (const DrawingPoint& p : kind.test_points(r, layer)) out.push_back(on_grid(plot_of(e, p)));
  }
  return out;
}

// The menu a graphic of this kind reopens in, as the element that menu makes.
Element menu_of(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLine: return Element::kLine;
    case ElementKind::kWideLine: return Element::kWideLine;
    case ElementKind::kArrow: return Element::kArrow;
    case ElementKind::kString: return Element::kString;
    case ElementKind::kBox: case ElementKind::kRectangularBox: return Element::kBox;
    case ElementKind::kFilledRectangle: return Element::kFilledRectangle;
    case ElementKind::kCircle: return Element::kCircle;
    case ElementKind::kEllipse: return Element::kEllipse;
    case ElementKind::kBracket: return Element::kBracket;
    case ElementKind::kFilledQuadrilateral: return Element::kQuadrilateral;
    default: return Element::kNone;
  }
}

constexpr std::array<const char*, 6> kTexts = {"NOTE", "PEAK 3", "A-B", "LEVEL 12.5", "X", "SEE FIG. 2"};

std::string fixed(double v, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

}  // namespace

// A form's values in field order: the options, the coordinates, or both
// (the rest left as they are shown). Circles keep a radius and ellipses
// both axes, or their menus would make nothing or stay open.
std::vector<std::string> Generator::fields(Element e, bool options, bool coordinates) {
  std::vector<std::string> f;
  auto opt = [&](std::string v) { f.push_back(options ? std::move(v) : ""); };
  auto at = [&](Point p) {
    f.push_back(coordinates ? n(p.x) : "");
    f.push_back(coordinates ? n(p.y) : "");
  };
  auto away = [&](int v) { return v + (rng_.chance(50) ? 1 : -1) * rng_.step5(20, 400); };
  auto text = [&] { return std::string(kTexts[static_cast<size_t>(rng_.between(0, static_cast<int>(kTexts.size()) - 1))]); };
  const Point c = rng_.point();
  switch (e) {
    case Element::kLine: case Element::kDashedLine: case Element::kWideLine:
      opt(e == Element::kDashedLine ? "D" : "S");
      opt(e == Element::kWideLine ? n(rng_.between(2, 10)) : "1");
      at(rng_.near(c, 400)), at(rng_.near(c, 400));
      break;
    case Element::kArrow:
      for (int i = 0; i < 5; ++i) opt(rng_.chance(50) ? "Y" : "N");
      at(rng_.near(c, 400)), at(rng_.near(c, 400));
      break;
    case Element::kString:
      opt(text());
      opt(n(rng_.between(4, 16))), opt(n(rng_.between(0, 3))), opt(std::string(1, "SME"[rng_.between(0, 2)]));
      at(c);
      break;
    case Element::kCircle: at(c), at({away(c.x), c.y + rng_.step5(-400, 400)}), at(rng_.near(c, 400)); break;
    case Element::kEllipse: at(c), at({away(c.x), rng_.near(c, 400).y}), at({rng_.near(c, 400).x, away(c.y)}); break;
    case Element::kBracket: at(rng_.near(c, 400)), at(rng_.near(c, 400)), opt(rng_.chance(50) ? "L" : "R"); break;
    case Element::kQuadrilateral: for (int i = 0; i < 4; ++i) at(rng_.near(c, 400)); break;
    case Element::kComment: opt(text()); break;
    default: at(rng_.near(c, 400)), at(rng_.near(c, 400));  // boxes
  }
  return f;
}

Point Generator::target(const Editor& e, const RenderState& render) {
  const std::vector<Point> points = reachable_points(e, render);
  if (points.empty()) return rng_.point();
  return points[static_cast<size_t>(rng_.between(0, static_cast<int>(points.size()) - 1))];
}

// Two corner drags taking a rubber-band box from its corners to a box near a graphic.
std::vector<Point> Generator::box_drags(const Editor& e, Point from1, Point from2) {
  const Point t = target(e, e.render);
  const Point low = on_grid({t.x - rng_.step5(20, 400), t.y - rng_.step5(20, 400)});
  const Point high = on_grid({t.x + rng_.step5(20, 400), t.y + rng_.step5(20, 400)});
  return {from1, clear_of(low, from2), from2, high};
}

std::vector<Point> Generator::selection_drags(const Editor& e, const editing::SelectionBox& s) {
  return box_drags(e, corner(s.x1, s.y1), corner(s.x2, s.y2));
}

Action Generator::create(const Editor& e) {
  Action a{.act = Act::kCreate, .element = static_cast<Element>(rng_.between(0, 11))};
  const ViewTransform& v = e.render.view;
  const bool whole_view = v.scale == 1 && v.x_shift == std::trunc(v.x_shift) && v.y_shift == std::trunc(v.y_shift);
  a.by_pointer = a.element != Element::kComment && (whole_view || !faults_.fractions_kept) && rng_.chance(40);
  a.colour = rng_.chance(30) ? rng_.between(1, 15) : rng_.chance(5) ? rng_.between(16, 99) : 0;
  a.fields = fields(a.element, true, !a.by_pointer);
  if (a.by_pointer) {
    const Point c = rng_.point();
    auto away = [&](int v) { return v + (rng_.chance(50) ? 1 : -1) * rng_.step5(20, 400); };
    switch (a.element) {
      case Element::kString: a.points = {c}; break;
      case Element::kCircle: a.points = {c, on_grid({away(c.x), c.y}), rng_.near(c, 400)}; break;
      case Element::kEllipse:
        a.points = {c, on_grid({away(c.x), rng_.near(c, 400).y}), on_grid({rng_.near(c, 400).x, away(c.y)})};
        break;
      case Element::kQuadrilateral: a.points = {rng_.near(c, 400), rng_.near(c, 400), rng_.near(c, 400), rng_.near(c, 400)}; break;
      case Element::kBox:
      case Element::kFilledRectangle:
        a.points = box_drags(e, plot_of(e, e.create.first), plot_of(e, e.create.second));
        break;
      default: a.points = rng_.chance(50) ? std::vector{c} : std::vector{c, rng_.near(c, 400)};
    }
  }
  a.undraws = rng_.chance(20) ? rng_.between(1, 2) : 0;
  if (a.undraws && rng_.chance(50) && a.element != Element::kComment) a.edit_fields = fields(a.element, false, true);
  a.undo_first = rng_.chance(10) ? rng_.between(1, 2) : 0;
  a.escape = rng_.chance(15);
  return a;
}

Action Generator::edit_delete(const Editor& e, Act act) {
  Action a{.act = act, .toggle_deleted = rng_.chance(15)};
  RenderState render = e.render;
  render.show_deleted ^= a.toggle_deleted;
  if (act == Act::kDeleteBox) {
    a.points = selection_drags(e, e.editing.selection_box);
    return a;
  }
  for (int i = act == Act::kDeletePointed ? rng_.between(1, 3) : 1; i > 0; --i) a.points.push_back(target(e, render));
  a.undelete = act == Act::kDeletePointed && rng_.chance(40);
  if (act != Act::kEditGraphic) return a;
  if (const auto picked = editing::nearest_graphic(e.drawing, render, drawing_of(e, a.points[0]))) {
    const auto layer = read_layer_record(layer_record_before(e.drawing, *picked));
    if (faults_.fractions_kept && layer && layer->scale != 1.0) return edit_delete(e, Act::kDeletePointed);
    Record r = e.drawing.read(*picked);
    if (kinds().kind_of(r).is_deleted()) r = restore_deleted(r);
    a.element = menu_of(kinds().kind_of(r).element());
    if (a.element != Element::kNone && rng_.chance(60)) a.edit_fields = fields(a.element, false, true);
    a.edit_again = a.element != Element::kNone && rng_.chance(25);
  }
  return a;
}

Action Generator::colour_edit(const Editor& e) {
  Action a{.act = Act::kColourEdit, .palette = takes_palette_colours(e.drawing)};
  editing::SelectionBox s = e.editing.selection_box;
  for (int i = rng_.between(1, 3); i > 0; --i) {
    const int colour = rng_.chance(80) ? rng_.between(1, 15) : rng_.chance(50) ? 0 : rng_.between(-9, 99);
    ColourOp op{.how = static_cast<Recolour>(rng_.between(0, 2)), .colour = colour};
    if (op.how == Recolour::kRegion) {
      op.points = selection_drags(e, s);
      const Point a1 = op.points[1], a2 = op.points[3];  // the box as the next region starts from it
      s = {1.0f * std::min(a1.x, a2.x), 1.0f * std::min(a1.y, a2.y), 1.0f * std::max(a1.x, a2.x), 1.0f * std::max(a1.y, a2.y)};
    } else if (op.how == Recolour::kOne) {
      op.points = {target(e, e.render)};
    }
    a.colour_ops.push_back(op);
  }
  return a;
}

Action Generator::paste(const Editor& e) {
  Action a{.act = Act::kPaste};
  const Extent extent = drawing_extent(e.buffer, e.render);
  const double width = extent.xmax - extent.xmin, height = extent.ymax - extent.ymin;
  a.by_pointer = !e.buffer.empty() && (width > 0 || height > 0) && rng_.chance(40);
  if (a.by_pointer) {
    // A box that scales the buffer at most twice, so that every value still fits its field.
    int w = rng_.step5(100, 800), h = rng_.step5(100, 800);
    if (width > 0) w = std::max(10, 5 * static_cast<int>(std::min<double>(w, 2 * width) / 5));
    if (height > 0) h = std::max(10, 5 * static_cast<int>(std::min<double>(h, 2 * height) / 5));
    const Point low = {rng_.step5(-1500, 1500 - w), rng_.step5(-1100, 1100 - h)};
    const PlotBox& b = e.paste_box;
    const Point from2 = corner(static_cast<float>(b.x2), static_cast<float>(b.y2));
    const Point to1 = clear_of(low, from2);
    a.points = {corner(static_cast<float>(b.x1), static_cast<float>(b.y1)), to1, from2, {to1.x + w, to1.y + h}};
    return a;
  }
  const bool general = !faults_.general_paste_under_last_layer && !faults_.fractions_kept && rng_.chance(50);
  const double scale = 0.25 * rng_.between(1, 8);
  const double other = general && rng_.chance(50) ? 0.25 * rng_.between(1, 8) : scale;
  const int rotation = general && (other == scale || rng_.chance(50)) ? 15 * rng_.between(-12, 12) : 0;
  a.fields = {n(rng_.step5(-500, 500)), n(rng_.step5(-500, 500)), fixed(scale, 3), fixed(other, 3), fixed(rotation, 1)};
  return a;
}

Act Generator::choose_act(const Editor& e) {
  if (!history_.empty() && history_.back() == Act::kUndoAll) return Act::kRedoAll;
  struct Weighted {
    Act act;
    int weight;
  };
  static constexpr Weighted kWeights[] = {
      {Act::kCreate, 30}, {Act::kDeletePointed, 7}, {Act::kDeleteBox, 4}, {Act::kEditGraphic, 8},
      {Act::kColourEdit, 6}, {Act::kCut, 4}, {Act::kCopy, 6}, {Act::kClearBuffer, 1}, {Act::kPaste, 10},
      {Act::kUndo, 7}, {Act::kRedo, 4}, {Act::kUndoAll, 1}, {Act::kSetLayers, 3}, {Act::kWrite, 3},
      {Act::kRemoveDeleted, 2}, {Act::kReopen, 2}, {Act::kCrash, 2}, {Act::kDrawAll, 2}};
  int total = 0;
  for (const Weighted& w : kWeights) total += w.weight;
  int roll = rng_.between(1, total);
  for (const Weighted& w : kWeights)
    if ((roll -= w.weight) <= 0) return w.act == Act::kCrash && faults_.recovery_after_write && written_since_open_ ? Act::kCreate : w.act;
  (void)e;
  return Act::kCreate;
}

Action Generator::next(const Editor& e) {
  const Act act = choose_act(e);
  Action a{.act = act};
  switch (act) {
    case Act::kCreate: a = create(e); break;
    case Act::kDeletePointed: case Act::kDeleteBox: case Act::kEditGraphic: a = edit_delete(e, act); break;
    case Act::kColourEdit: a = colour_edit(e); break;
    case Act::kPaste: a = paste(e); break;
    case Act::kCut: case Act::kCopy: a.points = selection_drags(e, e.editing.selection_box); break;
    case Act::kUndo: case Act::kRedo: a.count = rng_.between(1, 3); break;
    case Act::kSetLayers:
      a.count = rng_.chance(50) ? 0 : rng_.between(faults_.new_element_on_layer_one ? 2 : 1, 3);
      a.also = rng_.chance(70) ? 0 : rng_.between(1, 3);
      break;
    default: break;
  }
  // Undo and redo on the menus of their own, and boxes ended with Escape.
  const bool own_menu = a.act == Act::kCreate || a.act == Act::kPaste || a.act == Act::kDeletePointed ||
                        a.act == Act::kDeleteBox || a.act == Act::kEditGraphic;
  if (own_menu && rng_.chance(15)) a.undo_after = rng_.between(1, 2), a.redo_after = rng_.between(0, 2);
  a.escape_box = (act == Act::kCut || act == Act::kCopy || act == Act::kDeleteBox) && rng_.chance(10);
  history_.push_back(a.act);
  if (a.act == Act::kWrite || a.act == Act::kReopen || a.act == Act::kCrash) written_since_open_ = a.act == Act::kWrite;
  return a;
}

}  // namespace plv::sessions
