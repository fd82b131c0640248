// "CI": a circle or an arc from its centre, start and end points.

#include "kinds/circle.h"

#include "drawing/record_layout.h"
#include "kinds/arc.h"
#include "kinds/kind_list.h"
#include "kinds/pick_geometry.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace L = layout;
namespace C = layout::stored::circle;

void put_points(Record& r, DrawingPoint centre, DrawingPoint start, DrawingPoint end) {
  const double values[6] = {centre.x, centre.y, start.x, start.y, end.x, end.y};
  for (size_t k = 0; k < 6; ++k) r.put(C::kValues[k], values[k]);
}

// Centre, start and end after the layer transform.
std::optional<std::array<DrawingPoint, 3>> placed_points(const Record& r, const LayerTransform& layer) {
  auto p = circle_points(r);
  if (p)
    for (DrawingPoint& q : *p) q = apply_layer(layer, q);
  return p;
}

class CircleKind final : public Kind {
 public:
  ElementKind element() const override { return ElementKind::kCircle; }
  std::vector<DrawingPoint> defining_points(const Record& r) const override {
    const auto p = circle_points(r);
    return p ? std::vector<DrawingPoint>(p->begin(), p->end()) : std::vector<DrawingPoint>{};
  }
  StoredConversion to_stored(const Record& line) const override {
    StoredConversion result;
    result.record.put_text(L::kCode, line.code());
    copy_numbers(line, L::file::circle::kValues, C::kValues, result.record, result.problem);
    return result;
  }
  FileConversion to_file(const Record& stored) const override {
    FileConversion result;
    result.line.put_text(L::kCode, stored.code());
    copy_numbers(stored, C::kValues, L::file::circle::kValues, result.line, result.problem, &result.kind);
    return result;
  }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto v = read_reals(r, C::kValues);
    if (!v) return;
    const auto& c = *v;
    if (c[2] == c[0] && c[3] == c[1]) return;  // the arc starts at its centre
    const LayerTransform& layer = state.layer;
    draw_arc(painter, apply_layer(layer, {c[0], c[1]}), apply_layer(layer, {c[2], c[3]}),
             apply_layer(layer, {c[4], c[5]}));
  }
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override {
    add_point_pairs(r, C::kValues, layer, box);
  }
  // Measured to the chords the arc is drawn with, so a press on the open
  // side of an arc does not pick it.
  std::optional<double> distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const override {
    const auto v = placed_points(r, layer);
    if (!v) return std::nullopt;
    const auto [centre, start, end] = *v;
    const auto arc = arc_steps(centre, start, end);
    // An arc starting at its centre is only that point.
    if (!arc) return start == centre ? pick_distance(length(p - centre)) : std::nullopt;
    NearestChord nearest(p, start);
    for_each_arc_point(*arc, [&](DrawingPoint q) { nearest.to(q); });
    return nearest.distance();
  }
  std::vector<DrawingPoint> test_points(const Record& r, const LayerTransform& layer) const override {
    const auto v = placed_points(r, layer);
    return v ? std::vector<DrawingPoint>(v->begin(), v->end()) : std::vector<DrawingPoint>{};
  }
  // Ends that land on one point make a full circle; the end is written one
  // unit below the start, as a full circle is drawn.
  Record transformed(const Record& r, const PastePlacement& placement) const override {
    const auto v = circle_points(r);
    if (!v) return r;
    const DrawingPoint centre = placement.place((*v)[0]), start = placement.place((*v)[1]);
    DrawingPoint end = placement.place((*v)[2]);
    if (end == start) end.y -= 1.0;
    Record out = r;
    put_points(out, centre, start, end);
    return out;
  }
};

}  // namespace

Record circle_record(DrawingPoint centre, DrawingPoint start, DrawingPoint end) {
  Record r;
  r.put_text(L::kCode, "CI");
  put_points(r, centre, start, end);
  return r;
}

std::optional<std::array<DrawingPoint, 3>> circle_points(const Record& r) {
  const auto v = read_reals(r, C::kValues);
  if (!v) return std::nullopt;
  return std::array<DrawingPoint, 3>{DrawingPoint{(*v)[0], (*v)[1]}, DrawingPoint{(*v)[2], (*v)[3]},
                                     DrawingPoint{(*v)[4], (*v)[5]}};
}

const Kind& circle_kind() {
  static const CircleKind kind;
  return kind;
}

}  // namespace plv
