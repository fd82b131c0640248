// "EL": an ellipse with axes along x and y; the same layout in both forms.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "kinds/ellipse.h"

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/painter.h"
#include "kinds/pick_geometry.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace E = layout::stored::ellipse;

void put_values(Record& r, DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  r.put(E::kCentreX, centre.x);
  r.put(E::kCentreY, centre.y);
  r.put(E::kSemiAxisX, semi_axis_x);
  r.put(E::kSemiAxisY, semi_axis_y);
}

constexpr double kPi = std::numbers::pi;
constexpr double kEllipseStep = 10.0;
// Enormous ellipses would take millions of steps; past this many the
// points are closer than any screen can show.
constexpr double kSmallestEllipseTurn = 2 * kPi / 65536;

// The centre after the layer transform and the semi-axes times its scale;
// nothing when they are not all finite numbers.
struct PlacedEllipse {
  DrawingPoint centre;
  double p, q;
};

std::optional<PlacedEllipse> placed(const Record& r, const LayerTransform& layer) {
  const auto v = read_reals(r, std::array{E::kCentreX, E::kCentreY, E::kSemiAxisX, E::kSemiAxisY});
  if (!v) return std::nullopt;
  const auto [xc, yc, sp, sq] = *v;
  const PlacedEllipse e{apply_layer(layer, {xc, yc}), layer.scale * sp, layer.scale * sq};
  if (!std::isfinite(e.p) || !std::isfinite(e.q) || !std::isfinite(e.centre.x) || !std::isfinite(e.centre.y))
    return std::nullopt;
  return e;
}

// Visits the points of the ellipse counter-clockwise from its end at
// centre + (p, 0), each about 10 units on from the last, and then that
// first point again to close it. Both semi-axes must be above zero.
template <typename Visit>
void walk_ellipse(const PlacedEllipse& e, Visit&& visit) {
  const double p = e.p, q = e.q;
  double x = p, y = 0, theta = 0;
  do {
    theta += std::max(kEllipseStep / std::hypot(x, y), kSmallestEllipseTurn);
    if (std::cos(theta) == 0) {
      x = 0;
    } else {
      const double t = std::tan(theta);
      x = 1 / std::sqrt(1 / (p * p) + (t / q) * (t / q));
      if (theta > kPi / 2) x = -x;
      if (theta > 3 * kPi / 2) x = -x;
    }
    y = x * x / (p * p) >= 1 ? 0 : q * std::sqrt(1 - x * x / (p * p));
    if (theta > kPi) y = -y;
    visit(DrawingPoint{e.centre.x + x, e.centre.y + y});
  } while (theta < 2 * kPi);
  visit(DrawingPoint{e.centre.x + p, e.centre.y});
}

class EllipseKind final : public Kind {
 public:
  ElementKind element() const override { return ElementKind::kEllipse; }
  std::vector<DrawingPoint> defining_points(const Record& r) const override {
    const auto v = ellipse_values(r);
    return v ? std::vector<DrawingPoint>{v->centre} : std::vector<DrawingPoint>{};
  }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto v = placed(r, state.layer);
    if (!v || !(v->p > 0 && v->q > 0)) return;
    if (painter.true_ellipse(v->centre, v->p, v->q)) return;
    painter.move(v->centre + Vec{v->p, 0});
    walk_ellipse(*v, [&](DrawingPoint q) { painter.draw(q); });
  }

  // Measured to the chords it is drawn with. Semi-axes of either sign make
  // the same ellipse; one without width or height is the segment it shrinks
  // to.
  std::optional<double> distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const override {
    auto v = placed(r, layer);
    if (!v) return std::nullopt;
    v->p = std::fabs(v->p);
    v->q = std::fabs(v->q);
    if (v->p == 0 || v->q == 0)
      return pick_distance(segment_distance(p, v->centre - Vec{v->p, v->q}, v->centre + Vec{v->p, v->q}));
    NearestChord nearest(p, v->centre + Vec{v->p, 0});
    walk_ellipse(*v, [&](DrawingPoint q) { nearest.to(q); });
    return nearest.distance();
  }

  std::vector<DrawingPoint> test_points(const Record& r, const LayerTransform& layer) const override {
    const auto v = placed(r, layer);
    if (!v) return {};
    const Vec half{v->p, v->q};
    return {v->centre - half, v->centre + half};
  }

  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override {
    const auto v = read_reals(r, std::array{E::kCentreX, E::kCentreY, E::kSemiAxisX, E::kSemiAxisY});
    if (!v) return;
    const auto [xc, yc, p, q] = *v;
    const DrawingPoint c = apply_layer(layer, {xc, yc});
    const Vec half{layer.scale * p, layer.scale * q};
    box.add(c + half);
    box.add(c - half);
  }

  // The centre is placed; the semi-axes take the paste's scales only, not
  // the buffer layer's.
  Record transformed(const Record& r, const PastePlacement& placement) const override {
    const auto v = ellipse_values(r);
    if (!v) return r;
    Record out = r;
    put_values(out, placement.place(v->centre), v->semi_axis_x * placement.paste.scale_x,
               v->semi_axis_y * placement.paste.scale_y);
    return out;
  }
};

}  // namespace

Record ellipse_record(DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  Record r;
  r.put_text(layout::kCode, "EL");
  put_values(r, centre, semi_axis_x, semi_axis_y);
  return r;
}

std::optional<EllipseValues> ellipse_values(const Record& r) {
  const auto v = read_reals(r, std::array{E::kCentreX, E::kCentreY, E::kSemiAxisX, E::kSemiAxisY});
  if (!v) return std::nullopt;
  return EllipseValues{{(*v)[0], (*v)[1]}, (*v)[2], (*v)[3]};
}

const Kind& ellipse_kind() {
  static const EllipseKind kind;
  return kind;
}

}  // namespace plv
