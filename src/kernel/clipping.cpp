#include "kernel/clipping.h"

namespace plv::kernel {
namespace {

// Moves (x, y) along the segment towards (ox, oy) until x reaches `edge`.
void onto_x_edge(double& x, double& y, double ox, double oy, double edge) {
  if (ox == x) return;  // parallel to the edge: the window check below drops it
  y = y + (oy - y) * (edge - x) / (ox - x);
  x = edge;
}

void onto_y_edge(double& x, double& y, double ox, double oy, double edge) {
  if (oy == y) return;
  x = x + (ox - x) * (edge - y) / (oy - y);
  y = edge;
}

bool both_beyond_one_edge(const UserSegment& s, const Rect& w) {
  return (s.x1 < w.xmin && s.x2 < w.xmin) || (s.x1 > w.xmax && s.x2 > w.xmax) ||
         (s.y1 < w.ymin && s.y2 < w.ymin) || (s.y1 > w.ymax && s.y2 > w.ymax);
}

void clip_x(double& x, double& y, double ox, double oy, const Rect& w) {
  if (x < w.xmin) onto_x_edge(x, y, ox, oy, w.xmin);
  else if (x > w.xmax) onto_x_edge(x, y, ox, oy, w.xmax);
}

void clip_y(double& x, double& y, double ox, double oy, const Rect& w) {
  if (y < w.ymin) onto_y_edge(x, y, ox, oy, w.ymin);
  else if (y > w.ymax) onto_y_edge(x, y, ox, oy, w.ymax);
}

}  // namespace

std::optional<UserSegment> clip_segment(UserSegment s, const Rect& w) {
  if (both_beyond_one_edge(s, w)) return std::nullopt;
  const UserSegment original = s;
  clip_x(s.x1, s.y1, original.x2, original.y2, w);
  clip_x(s.x2, s.y2, original.x1, original.y1, w);
  const UserSegment after_x = s;
  clip_y(s.x1, s.y1, after_x.x2, after_x.y2, w);
  clip_y(s.x2, s.y2, after_x.x1, after_x.y1, w);
  // A segment passing outside a corner lands beyond an edge after both
  // steps; it shows nothing.
  const double sx = 1e-6 * (w.xmax - w.xmin), sy = 1e-6 * (w.ymax - w.ymin);
  auto outside = [&](double x, double y) {
    return x < w.xmin - sx || x > w.xmax + sx || y < w.ymin - sy || y > w.ymax + sy;
  };
  if (outside(s.x1, s.y1) || outside(s.x2, s.y2)) return std::nullopt;
  return s;
}

}  // namespace plv::kernel
