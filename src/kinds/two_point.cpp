#include "kinds/two_point.h"

#include "drawing/record_layout.h"
#include "kinds/pick_geometry.h"

namespace plv {

namespace L = layout;
namespace TP = layout::stored::two_point;

namespace {

void put_ends(Record& r, DrawingPoint p1, DrawingPoint p2) {
  r.put(TP::kX1, p1.x);
  r.put(TP::kY1, p1.y);
  r.put(TP::kX2, p2.x);
  r.put(TP::kY2, p2.y);
}

}  // namespace

StoredConversion TwoPointKind::to_stored(const Record& line) const {
  StoredConversion result;
  result.record.put_text(L::kCode, line.code());
  if (copy_numbers(line, L::file::two_point::kPoints, TP::kPoints, result.record, result.problem))
    result.record.put_text(TP::kTail, line.text(L::file::two_point::kTail));
  return result;
}

FileConversion TwoPointKind::to_file(const Record& stored) const {
  FileConversion result;
  result.line.put_text(L::kCode, stored.code());
  copy_numbers(stored, TP::kPoints, L::file::two_point::kPoints, result.line, result.problem, &result.kind);
  result.line.put_text(L::file::two_point::kTail, stored.text(TP::kTail));
  return result;
}

void TwoPointKind::add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const {
  add_point_pairs(r, TP::kPoints, layer, box);
}

std::vector<DrawingPoint> TwoPointKind::defining_points(const Record& r) const {
  const auto ends = two_point_ends(r);
  if (!ends) return {};
  return {(*ends)[0], (*ends)[1]};
}

std::optional<double> TwoPointKind::distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const {
  const auto s = two_points(r, layer);
  if (!s) return std::nullopt;
  return pick_distance(segment_distance(p, s->p1, s->p2));
}

std::vector<DrawingPoint> TwoPointKind::test_points(const Record& r, const LayerTransform& layer) const {
  const auto s = two_points(r, layer);
  if (!s) return {};
  return {s->p1, s->p2};
}

Record TwoPointKind::transformed(const Record& r, const PastePlacement& placement) const {
  const auto ends = two_point_ends(r);
  if (!ends) return r;
  Record out = r;
  put_ends(out, placement.place((*ends)[0]), placement.place((*ends)[1]));
  return out;
}

std::optional<std::array<DrawingPoint, 2>> two_point_ends(const Record& r) {
  const auto v = read_reals(r, TP::kPoints);
  if (!v) return std::nullopt;
  return std::array<DrawingPoint, 2>{DrawingPoint{(*v)[0], (*v)[1]}, DrawingPoint{(*v)[2], (*v)[3]}};
}

Record two_point_record(std::string_view code, DrawingPoint p1, DrawingPoint p2) {
  Record r;
  r.put_text(L::kCode, code);
  put_ends(r, p1, p2);
  return r;
}

std::optional<Segment> two_points(const Record& r, const LayerTransform& layer) {
  const auto v = read_reals(r, TP::kPoints);
  if (!v) return std::nullopt;
  Segment s{apply_layer(layer, {(*v)[0], (*v)[1]}), apply_layer(layer, {(*v)[2], (*v)[3]}), 0, {}, {}};
  s.length = length(s.p2 - s.p1);
  s.u = unit(s.p2 - s.p1);
  s.n = left_normal(s.u);
  return s;
}

bool flag_on(const Record& r, int k) { return r.text(TP::kFlags[static_cast<size_t>(k - 1)]) == "Y"; }

}  // namespace plv
