// "BR": a brace between two points, its profile stretched to their distance.

#include "kinds/bracket.h"
#include "kinds/bracket_profile.h"
#include "kinds/kind_list.h"
#include "kinds/render_state.h"
#include "kinds/two_point.h"

namespace plv {
namespace {

class BracketKind final : public TwoPointKind {
 public:
  ElementKind element() const override { return ElementKind::kBracket; }
  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto s = two_points(r, state.layer);
    if (!s) return;
    const double f = s->length / kBracketBaseLength;
    painter.move(s->p1);
    for (int k = 1; k < 58; ++k)
      painter.draw(s->p1 + f * kBracketX[static_cast<size_t>(k)] * s->u + f * bracket_y(k) * s->n);
    painter.draw(s->p2);
  }
};

}  // namespace

Record bracket_record(DrawingPoint first, DrawingPoint second) { return two_point_record("BR", first, second); }

const Kind& bracket_kind() {
  static const BracketKind kind;
  return kind;
}

}  // namespace plv
