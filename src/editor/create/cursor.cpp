#include "editor/create/cursor.h"

#include <algorithm>

#include "editor/pointer.h"

namespace plv::create {
namespace {

constexpr int kPointerColour = 7;
constexpr float kCrossHalf = 10;

std::optional<DrawingPoint> pick_from(Editor& e, DrawingPoint from) {
  const PickedPoint picked = pick_point(e, from);
  if (cancels_pointing(picked.key)) return std::nullopt;
  return picked.point;
}

double squared_distance(DrawingPoint a, DrawingPoint b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

}  // namespace

std::optional<DrawingPoint> pick_one_point(Editor& e) {
  const auto picked = pick_from(e, e.create.first);
  if (!picked) return std::nullopt;
  e.create.second = e.create.first;
  e.create.first = *picked;
  return picked;
}

std::optional<PointPair> rubber_band_line(Editor& e) {
  const KernelPoint a = clamped(to_kernel(e, e.create.first), kPickLimits);
  const KernelPoint b = clamped(to_kernel(e, e.create.second), kPickLimits);
  const auto answer =
      on_picture(e, [&](kernel::Kernel& kernel) { return kernel.gkrline(a.x, a.y, b.x, b.y, kPickLimits, 2); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  const DrawingPoint p = from_kernel(e, answer.x1, answer.y1), q = from_kernel(e, answer.x2, answer.y2);
  // The end that moved away from the old first point is the new second one.
  if (squared_distance(p, e.create.first) >= squared_distance(p, e.create.second)) {
    e.create.second = p;
    e.create.first = q;
  } else {
    e.create.first = p;
    e.create.second = q;
  }
  return PointPair{p, q};
}

std::optional<PointPair> rubber_band_line(Editor& e, PointPair ends) {
  const PointPair kept{e.create.first, e.create.second};
  e.create.first = ends.first;
  e.create.second = ends.second;
  const auto pulled = rubber_band_line(e);
  if (!pulled) {
    e.create.first = kept.first;
    e.create.second = kept.second;
  }
  return pulled;
}

std::optional<PointPair> rubber_band_box(Editor& e) {
  const KernelPoint a = clamped(to_kernel(e, e.create.first), kPickLimits);
  const KernelPoint b = clamped(to_kernel(e, e.create.second), kPickLimits);
  const auto answer = on_picture(e, [&](kernel::Kernel& kernel) { return kernel.gkrbox(a.x, a.y, b.x, b.y, kPickLimits); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  const DrawingPoint p = from_kernel(e, answer.x1, answer.y1), q = from_kernel(e, answer.x2, answer.y2);
  e.create.first = {std::min(p.x, q.x), std::min(p.y, q.y)};
  e.create.second = {std::max(p.x, q.x), std::max(p.y, q.y)};
  return PointPair{e.create.first, e.create.second};
}

std::optional<std::array<DrawingPoint, 3>> pick_three_points(Editor& e) {
  std::array<DrawingPoint, 3> picks{};
  DrawingPoint from = e.create.first;
  for (DrawingPoint& pick : picks) {
    const auto picked = pick_from(e, from);
    if (!picked) return std::nullopt;
    pick = *picked;
    if (cancels_pointing(mark_point(e, pick))) return std::nullopt;
    from = pick;
  }
  e.create.second = e.create.first;
  e.create.first = picks[2];
  return picks;
}

std::optional<DrawingPoint> pick_corner(Editor& e, DrawingPoint from) {
  const ViewTransform& v = e.render.view;
  const float kx = static_cast<float>(from.x * v.scale + v.x_shift), ky = static_cast<float>(from.y * v.scale + v.y_shift);
  const auto answer = on_picture(e, [&](kernel::Kernel& kernel) { return kernel.gkpick(kx, ky, kPickLimits); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  const DrawingPoint picked{(answer.x - v.x_shift) / v.scale, (answer.y - v.y_shift) / v.scale};
  if (cancels_pointing(mark_point(e, picked))) return std::nullopt;
  return picked;
}

host::Key mark_point(Editor& e, DrawingPoint point) {
  const DrawingPoint v = apply_view(e.render.view, point);
  const float x = static_cast<float>(v.x), y = static_cast<float>(v.y);
  e.kernel.gkpage(kernel::PageStart::kKept);
  e.kernel.gkcolor(kPointerColour);
  e.kernel.gkmove(x - kCrossHalf, y);
  e.kernel.gkdraw(x + kCrossHalf, y);
  e.kernel.gkmove(x, y - kCrossHalf);
  e.kernel.gkdraw(x, y + kCrossHalf);
  return e.kernel.show_page_and_wait();
}

}  // namespace plv::create
