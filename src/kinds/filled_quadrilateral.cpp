// "QF": a quadrilateral filled in the current colour, corners in drawing
// order; the same layout in both forms.

#include "kinds/filled_quadrilateral.h"

#include <algorithm>

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/painter.h"
#include "kinds/pick_geometry.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace Q = layout::stored::quad;

// Whole units: the fields round.
void put_corners(Record& r, const QuadCorners& corners) {
  for (size_t k = 0; k < 4; ++k) {
    r.put(Q::kCorners[2 * k], corners[k].x);
    r.put(Q::kCorners[2 * k + 1], corners[k].y);
  }
}

// A corner too far out for its six columns shows as asterisks.
std::optional<int> overflowing_corner(const Record& r) {
  for (size_t k = 0; k < Q::kCorners.size(); ++k)
    if (r.text(Q::kCorners[k].at).find('*') != std::string_view::npos) return static_cast<int>(k);
  return std::nullopt;
}

std::optional<QuadCorners> placed_corners(const Record& r, const LayerTransform& layer) {
  auto c = quad_corners(r);
  if (c)
    for (DrawingPoint& p : *c) p = apply_layer(layer, p);
  return c;
}

class FilledQuadrilateralKind final : public Kind {
 public:
  ElementKind element() const override { return ElementKind::kFilledQuadrilateral; }
  // The same columns in both forms; a value past them is no value: read,
  // the line is kept as it stood, and such a record is never written.
  StoredConversion to_stored(const Record& line) const override {
    StoredConversion result{line, {}};
    if (const auto k = overflowing_corner(line)) result.problem = unreadable("corner", Q::kCorners[static_cast<size_t>(*k)].at);
    return result;
  }
  FileConversion to_file(const Record& stored) const override {
    FileConversion result{stored, ConversionProblem::kNone, {}};
    if (const auto k = overflowing_corner(stored)) {
      result.kind = ConversionProblem::kDoesNotFit;
      result.problem = "a corner does not fit " + columns_text(Q::kCorners[static_cast<size_t>(*k)].at);
    }
    return result;
  }
  std::vector<DrawingPoint> defining_points(const Record& r) const override {
    const auto c = quad_corners(r);
    return c ? std::vector<DrawingPoint>(c->begin(), c->end()) : std::vector<DrawingPoint>{};
  }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto c = placed_corners(r, state.layer);
    if (!c) return;
    DrawingPoint corners[4];
    std::copy(c->begin(), c->end(), corners);
    painter.filled_quad(corners);
  }
  // Picked by its outline, as the filled rectangle is.
  std::optional<double> distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const override {
    const auto c = placed_corners(r, layer);
    if (!c) return std::nullopt;
    return pick_distance(outline_distance(p, *c));
  }
  std::vector<DrawingPoint> test_points(const Record& r, const LayerTransform& layer) const override {
    const auto c = placed_corners(r, layer);
    if (!c) return {};
    const auto [low, high] = bounding_corners(*c);
    return {low, high};
  }
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override {
    add_point_pairs(r, Q::kCorners, layer, box);
  }
  Record transformed(const Record& r, const PastePlacement& placement) const override {
    auto c = quad_corners(r);
    if (!c) return r;
    for (DrawingPoint& p : *c) p = placement.place(p);
    Record out = r;
    put_corners(out, *c);
    return out;
  }
};

}  // namespace

Record quad_record(const QuadCorners& corners) {
  Record r;
  r.put_text(layout::kCode, "QF");
  put_corners(r, corners);
  return r;
}

std::optional<QuadCorners> quad_corners(const Record& r) {
  const auto v = read_reals(r, Q::kCorners);
  if (!v) return std::nullopt;
  QuadCorners c;
  for (size_t k = 0; k < 4; ++k) c[k] = {(*v)[2 * k], (*v)[2 * k + 1]};
  return c;
}

const Kind& filled_quadrilateral_kind() {
  static const FilledQuadrilateralKind kind;
  return kind;
}

}  // namespace plv
