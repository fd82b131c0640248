// "LW": a wide line, drawn as strokes one drawing unit apart.

#include "drawing/record_layout.h"
#include "kinds/line.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"
#include "kinds/two_point.h"

namespace plv {
namespace {

class WideLineKind final : public TwoPointKind {
 public:
  ElementKind element() const override { return ElementKind::kWideLine; }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto s = two_points(r, state.layer);
    const auto w = r.get(layout::stored::two_point::kHalfWidth);
    if (!s || !w || *w < 0) return;
    if (*w <= 1) return painter.line(s->p1, s->p2);
    if (s->length == 0) return;  // no direction to offset the strokes along
    if (painter.band(s->p1, s->p2, 2.0 * static_cast<double>(*w))) return;
    for (long long k = -*w; k <= *w; ++k) {
      const Vec offset = static_cast<double>(k) * s->n;
      painter.line(s->p1 + offset, s->p2 + offset);
    }
  }
  // The width follows the paste scale across the line: y for a horizontal
  // line, x for a vertical one, their mean for any other. Judged on the
  // points as stored, before any turn.
  Record transformed(const Record& r, const PastePlacement& placement) const override {
    const auto v = line_values(r);
    if (!v) return r;
    const PasteTransform& paste = placement.paste;
    const double across = v->start.y == v->end.y   ? paste.scale_y
                          : v->start.x == v->end.x ? paste.scale_x
                                                   : (paste.scale_x + paste.scale_y) / 2;
    Record out = TwoPointKind::transformed(r, placement);
    constexpr auto kWidth = layout::stored::two_point::kHalfWidth;
    out.put_rounded(kWidth, static_cast<double>(*v->width) * across);  // too wide: the paste is refused
    return out;
  }
};

}  // namespace

Record wide_line_record(DrawingPoint start, DrawingPoint end, int width) {
  Record r = two_point_record("LW", start, end);
  r.put(layout::stored::two_point::kHalfWidth, width);
  return r;
}

const Kind& wide_line_kind() {
  static const WideLineKind kind;
  return kind;
}

}  // namespace plv
