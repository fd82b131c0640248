// "EL": an ellipse with axes along x and y; the same layout in both forms.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "kinds/ellipse.h"

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/painter.h"
#include "kinds/render_state.h"

namespace plv {
namespace {

namespace E = layout::stored::ellipse;

constexpr double kPi = std::numbers::pi;
constexpr double kEllipseStep = 10.0;
// Enormous ellipses would take millions of steps; past this many the
// points are closer than any screen can show.
constexpr double kSmallestEllipseTurn = 2 * kPi / 65536;

class EllipseKind final : public Kind {
 public:
  ElementKind element() const override { return ElementKind::kEllipse; }
  std::vector<DrawingPoint> defining_points(const Record& r) const override {
    const auto v = ellipse_values(r);
    return v ? std::vector<DrawingPoint>{v->centre} : std::vector<DrawingPoint>{};
  }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto v = read_reals(r, std::array{E::kCentreX, E::kCentreY, E::kSemiAxisX, E::kSemiAxisY});
    if (!v) return;
    const auto [xc, yc, sp, sq] = *v;
    const DrawingPoint centre = apply_layer(state.layer, {xc, yc});
    const double p = state.layer.scale * sp, q = state.layer.scale * sq;
    if (!(p > 0 && q > 0) || !std::isfinite(p) || !std::isfinite(q) || !std::isfinite(centre.x) ||
        !std::isfinite(centre.y))
      return;
    double x = p, y = 0, theta = 0;
    painter.move({centre.x + p, centre.y});
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
      painter.draw({centre.x + x, centre.y + y});
    } while (theta < 2 * kPi);
    painter.draw({centre.x + p, centre.y});
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
};

}  // namespace

Record ellipse_record(DrawingPoint centre, double semi_axis_x, double semi_axis_y) {
  Record r;
  r.put_text(layout::kCode, "EL");
  r.put(E::kCentreX, centre.x);
  r.put(E::kCentreY, centre.y);
  r.put(E::kSemiAxisX, semi_axis_x);
  r.put(E::kSemiAxisY, semi_axis_y);
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
