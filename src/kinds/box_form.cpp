#include "kinds/box_form.h"

#include "drawing/record_layout.h"
#include "kinds/line.h"
#include "kinds/pick_geometry.h"
#include "kinds/two_point.h"

namespace plv {

namespace L = layout;
namespace B = layout::stored::box;

namespace {

void put_corners(Record& r, DrawingPoint first, DrawingPoint second) {
  r.put(B::kX1, first.x);
  r.put(B::kY1, first.y);
  r.put(B::kX2, second.x);
  r.put(B::kY2, second.y);
}

}  // namespace

StoredConversion BoxFormKind::to_stored(const Record& line) const {
  StoredConversion result;
  Record& out = result.record;
  out.put_text(L::kCode, line.code());
  if (copy_numbers(line, L::file::box::kPoints, B::kPoints, out, result.problem) && has_edge_flags()) {
    const auto flags = line.get(L::file::box::kEdgeFlags);
    if (flags) out.put(B::kEdgeFlags, *flags);
    else result.problem = unreadable("edge flags", L::file::box::kEdgeFlags.at);
  }
  // Reals read here may be larger than the file form holds: refuse what
  // could not be written back.
  if (result.ok()) {
    const FileConversion back = to_file(out);
    if (!back.ok()) result.problem = back.problem;
  }
  return result;
}

FileConversion BoxFormKind::to_file(const Record& stored) const {
  FileConversion result;
  Record& out = result.line;
  out.put_text(L::kCode, stored.code());
  if (!copy_numbers(stored, B::kPoints, L::file::box::kPoints, out, result.problem, &result.kind) || !has_edge_flags())
    return result;
  const auto flags = stored.get(B::kEdgeFlags);
  if (!flags) {
    result.problem = unreadable("edge flags", B::kEdgeFlags.at);
    result.kind = ConversionProblem::kUnreadable;
  } else if (!out.put(L::file::box::kEdgeFlags, *flags)) {
    result.problem = "the edge flags " + std::to_string(*flags) + " do not fit " + columns_text(L::file::box::kEdgeFlags.at);
    result.kind = ConversionProblem::kDoesNotFit;
  }
  return result;
}

void BoxFormKind::add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const {
  add_point_pairs(r, B::kPoints, layer, box);
}

std::vector<DrawingPoint> BoxFormKind::defining_points(const Record& r) const {
  const auto v = read_reals(r, B::kPoints);
  if (!v) return {};
  return {{(*v)[0], (*v)[1]}, {(*v)[2], (*v)[3]}};
}

namespace {

// The two corners after the layer transform.
std::optional<std::array<DrawingPoint, 2>> corners(const Record& r, const LayerTransform& layer) {
  const auto v = read_reals(r, B::kPoints);
  if (!v) return std::nullopt;
  return std::array{apply_layer(layer, {(*v)[0], (*v)[1]}), apply_layer(layer, {(*v)[2], (*v)[3]})};
}

}  // namespace

std::optional<double> BoxFormKind::distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const {
  const auto c = corners(r, layer);
  if (!c) return std::nullopt;
  return pick_distance(box_edges_distance(p, (*c)[0], (*c)[1]));
}

std::vector<DrawingPoint> BoxFormKind::test_points(const Record& r, const LayerTransform& layer) const {
  const auto c = corners(r, layer);
  if (!c) return {};
  return {(*c)[0], (*c)[1]};
}

Record BoxFormKind::transformed(const Record& r, const PastePlacement& placement) const {
  const auto v = read_reals(r, B::kPoints);
  if (!v) return r;
  Record out = r;
  put_corners(out, placement.place({(*v)[0], (*v)[1]}), placement.place({(*v)[2], (*v)[3]}));
  return out;
}

Record box_record_as_is(ElementKind kind, DrawingPoint first, DrawingPoint second) {
  if (kind == ElementKind::kBox) return two_point_record("BX", first, second);
  Record r;
  r.put_text(L::kCode, kind == ElementKind::kFilledRectangle ? "RF" : "RB");
  put_corners(r, first, second);
  if (kind == ElementKind::kFilledRectangle) r.put(B::kEdgeFlags, 0);
  return r;
}

Record box_record(ElementKind kind, DrawingPoint first, DrawingPoint second) {
  if (first.x == second.x || first.y == second.y) return line_record(first, second, ' ');
  return box_record_as_is(kind, first, second);
}

void draw_box_outline(const Record& r, const LayerTransform& layer, Painter& painter) {
  const auto c = corners(r, layer);
  if (!c) return;
  const auto [a, b] = *c;
  painter.move(a);
  painter.draw({b.x, a.y});
  painter.draw(b);
  painter.draw({a.x, b.y});
  painter.draw(a);
}

}  // namespace plv
