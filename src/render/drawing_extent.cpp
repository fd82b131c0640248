#include <algorithm>

#include "drawing/record_layout.h"
#include "render/redraw.h"
#include "kinds/string_renderer.h"

namespace plv {
namespace {

namespace L = layout::stored;

class Box {
 public:
  void add(DrawingPoint p) {
    e_.xmin = std::min(e_.xmin, p.x);
    e_.xmax = std::max(e_.xmax, p.x);
    e_.ymin = std::min(e_.ymin, p.y);
    e_.ymax = std::max(e_.ymax, p.y);
  }
  Extent result() const {
    if (e_ == kEmpty) return {-1650, 1650, -1250, 1250};
    return e_;
  }

 private:
  static constexpr Extent kEmpty{100000, -100000, 100000, -100000};
  Extent e_ = kEmpty;
};

template <size_t N>
void add_pairs(Box& box, const Record& r, const std::array<RealField, N>& fields, const LayerTransform& layer) {
  for (size_t i = 0; i + 1 < N; i += 2) {
    const auto x = r.get(fields[i]), y = r.get(fields[i + 1]);
    if (x && y) box.add(apply_layer(layer, {*x, *y}));
  }
}

void add_string(Box& box, const Record& r, const LayerTransform& layer) {
  const auto p = place_string(r, layer);
  if (!p) return;
  box.add(p->start);
  const double h = p->height, n = p->length;
  const Vec far = p->direction == 0 ? Vec{n * 82 / 16 * h, 6.875 * h} : Vec{6.875 * h, n * 102 / 16 * h};
  box.add(p->start + far);
}

void add_ellipse(Box& box, const Record& r, const LayerTransform& layer) {
  const auto xc = r.get(L::ellipse::kCentreX), yc = r.get(L::ellipse::kCentreY);
  const auto p = r.get(L::ellipse::kSemiAxisX), q = r.get(L::ellipse::kSemiAxisY);
  if (!xc || !yc || !p || !q) return;
  const DrawingPoint c = apply_layer(layer, {*xc, *yc});
  const Vec half{layer.scale * *p, layer.scale * *q};
  box.add(c + half);
  box.add(c - half);
}

}  // namespace

Extent drawing_extent(const RecordStore& store, const RenderState& state) {
  RenderState scan = state;
  scan.layer = LayerTransform{};
  Box box;
  for (long n = 1; n <= store.count(); ++n) {
    const Record& r = store.read(n);
    if (r.has_code("CM") || r.has_code("SC")) continue;
    if (r.has_code("LA")) read_layer_record(r, scan.layer);
    if (!layer_shown(scan)) continue;
    const std::string_view code = r.code();
    if (code == "LI" || code == "LW" || code == "AR" || code == "BR") add_pairs(box, r, L::two_point::kPoints, scan.layer);
    else if (code == "RF" || code == "BX" || code == "RB") add_pairs(box, r, L::box::kPoints, scan.layer);
    else if (code == "QF") add_pairs(box, r, L::quad::kCorners, scan.layer);
    else if (code == "CI") add_pairs(box, r, L::circle::kValues, scan.layer);
    else if (code == "EL") add_ellipse(box, r, scan.layer);
    else if (code == "CH" || code == "ST") add_string(box, r, scan.layer);
  }
  return box.result();
}

}  // namespace plv
