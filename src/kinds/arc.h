#pragma once
// Circular arcs, for circles and bent arrows.

#include <algorithm>
#include <optional>

#include "kinds/painter.h"

namespace plv {

// An arc counter-clockwise from `start` round `centre`; `end` only gives
// the direction at which it stops. Points are in drawing units, after the
// layer transform; an arc ending where it starts is a full circle.
void draw_arc(Painter& painter, DrawingPoint centre, DrawingPoint start, DrawingPoint end);

// The chords an arc is drawn with: a step of (r - 5) / 10 + 5 units along
// the circle, the last step cut short at the sweep.
struct ArcSteps {
  DrawingPoint centre;
  double radius;
  Vec u, m;      // towards the start, and a quarter turn on from it
  double sweep;  // counter-clockwise from the start, in (0, 2 pi]
  double step;   // angle of one chord

  DrawingPoint at(double angle) const;
};
// Nothing when the arc has no radius or its values are beyond numbers.
// An end at the centre or in the start's direction makes a full circle.
std::optional<ArcSteps> arc_steps(DrawingPoint centre, DrawingPoint start, DrawingPoint end);

// Visits every chord's far end in turn, from the start on; the last is at
// the sweep.
template <typename Visit>
void for_each_arc_point(const ArcSteps& arc, Visit&& visit) {
  for (int k = 1;; ++k) {
    const double angle = std::min(k * arc.step, arc.sweep);
    visit(arc.at(angle));
    if (angle == arc.sweep) return;
  }
}

}  // namespace plv
