#include "kinds/two_point.h"

#include "drawing/record_layout.h"

namespace plv {

namespace L = layout;
namespace TP = layout::stored::two_point;

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
