#include "kinds/box_form.h"

#include "drawing/record_layout.h"

namespace plv {

namespace L = layout;
namespace B = layout::stored::box;

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

void draw_box_outline(const Record& r, const LayerTransform& layer, Painter& painter) {
  const auto v = read_reals(r, B::kPoints);
  if (!v) return;
  const DrawingPoint a = apply_layer(layer, {(*v)[0], (*v)[1]}), b = apply_layer(layer, {(*v)[2], (*v)[3]});
  painter.move(a);
  painter.draw({b.x, a.y});
  painter.draw(b);
  painter.draw({a.x, b.y});
  painter.draw(a);
}

}  // namespace plv
