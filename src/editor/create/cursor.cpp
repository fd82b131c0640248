#include "editor/create/cursor.h"

#include <algorithm>

#include "kernel/kernel.h"
#include "ui/close_requested.h"

namespace plv::create {
namespace {

constexpr int kPointerColour = 7;
constexpr kernel::UserLimits kLimits{-1650, 1650, -1250, 1250};
constexpr float kCrossHalf = 10;

// Drawing units to the kernel's units: through the view, then the aspect.
struct KernelPoint {
  float x, y;
};
KernelPoint to_kernel(const Editor& e, DrawingPoint p) {
  const DrawingPoint v = apply_view(e.render.view, p);
  return {static_cast<float>(v.x), static_cast<float>(v.y * e.render.aspect)};
}
DrawingPoint from_kernel(const Editor& e, float x, float y) {
  const ViewTransform& v = e.render.view;
  return {(x - v.x_shift) / v.scale, (y / e.render.aspect - v.y_shift) / v.scale};
}

KernelPoint clamped(KernelPoint p) {
  return {std::clamp(p.x, kLimits.xmin, kLimits.xmax), std::clamp(p.y, kLimits.ymin, kLimits.ymax)};
}

// Runs a pointer operation on the picture in the pointer colour; the
// window closed during it ends the program.
template <typename Operation>
auto on_picture(Editor& e, Operation operation) {
  e.kernel.gkcolor(kPointerColour);
  e.kernel.gkgraph();
  const auto answer = operation(e.kernel);
  e.kernel.gkalpha();
  if (answer.key.is_close()) throw ui::CloseRequested{};
  return answer;
}

DrawingPoint pick_from(Editor& e, DrawingPoint from) {
  const KernelPoint k = to_kernel(e, from);
  const auto answer = on_picture(e, [&k](kernel::Kernel& kernel) { return kernel.gkpick(k.x, k.y, kLimits); });
  return from_kernel(e, answer.x, answer.y);
}

double squared_distance(DrawingPoint a, DrawingPoint b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

}  // namespace

DrawingPoint pick_one_point(Editor& e) {
  const DrawingPoint picked = pick_from(e, e.create.first);
  e.create.second = e.create.first;
  e.create.first = picked;
  return picked;
}

PointPair rubber_band_line(Editor& e) {
  const KernelPoint a = clamped(to_kernel(e, e.create.first)), b = clamped(to_kernel(e, e.create.second));
  const auto answer =
      on_picture(e, [&](kernel::Kernel& kernel) { return kernel.gkrline(a.x, a.y, b.x, b.y, kLimits, 2); });
  const DrawingPoint p = from_kernel(e, answer.x1, answer.y1), q = from_kernel(e, answer.x2, answer.y2);
  // The end that moved away from the old first point is the new second one.
  if (squared_distance(p, e.create.first) >= squared_distance(p, e.create.second)) {
    e.create.second = p;
    e.create.first = q;
  } else {
    e.create.first = p;
    e.create.second = q;
  }
  return {p, q};
}

PointPair rubber_band_box(Editor& e) {
  const KernelPoint a = clamped(to_kernel(e, e.create.first)), b = clamped(to_kernel(e, e.create.second));
  const auto answer = on_picture(e, [&](kernel::Kernel& kernel) { return kernel.gkrbox(a.x, a.y, b.x, b.y, kLimits); });
  const DrawingPoint p = from_kernel(e, answer.x1, answer.y1), q = from_kernel(e, answer.x2, answer.y2);
  e.create.first = {std::min(p.x, q.x), std::min(p.y, q.y)};
  e.create.second = {std::max(p.x, q.x), std::max(p.y, q.y)};
  return {e.create.first, e.create.second};
}

std::array<DrawingPoint, 3> pick_three_points(Editor& e) {
  std::array<DrawingPoint, 3> picks{};
  DrawingPoint from = e.create.first;
  for (DrawingPoint& pick : picks) {
    pick = pick_from(e, from);
    mark_point(e, pick);
    from = pick;
  }
  e.create.second = e.create.first;
  e.create.first = picks[2];
  return picks;
}

DrawingPoint pick_corner(Editor& e, DrawingPoint from) {
  const ViewTransform& v = e.render.view;
  const float kx = static_cast<float>(from.x * v.scale + v.x_shift), ky = static_cast<float>(from.y * v.scale + v.y_shift);
  const auto answer = on_picture(e, [&](kernel::Kernel& kernel) { return kernel.gkpick(kx, ky, kLimits); });
  const DrawingPoint picked{(answer.x - v.x_shift) / v.scale, (answer.y - v.y_shift) / v.scale};
  mark_point(e, picked);
  return picked;
}

void mark_point(Editor& e, DrawingPoint point) {
  const DrawingPoint v = apply_view(e.render.view, point);
  const float x = static_cast<float>(v.x), y = static_cast<float>(v.y);
  e.kernel.gkpage(1);
  e.kernel.gkcolor(kPointerColour);
  e.kernel.gkmove(x - kCrossHalf, y);
  e.kernel.gkdraw(x + kCrossHalf, y);
  e.kernel.gkmove(x, y - kCrossHalf);
  e.kernel.gkdraw(x, y + kCrossHalf);
  e.kernel.tekflush(0);
}

}  // namespace plv::create
