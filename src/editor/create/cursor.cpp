#include "editor/create/cursor.h"

#include <algorithm>

#include "editor/pointer.h"

namespace plv::create {
namespace {

constexpr int kPointerColour = 7;
constexpr float kCrossHalf = 10;

std::optional<DrawingPoint> pick_from(Screen& screen, DrawingPoint from) {
  const PickedPoint picked = pick_point(screen, from);
  if (cancels_pointing(picked.key)) return std::nullopt;
  return picked.point;
}

double squared_distance(DrawingPoint a, DrawingPoint b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

}  // namespace

std::optional<DrawingPoint> pick_one_point(Screen& screen, SharedPoints& shared) {
  const auto picked = pick_from(screen, shared.first);
  if (!picked) return std::nullopt;
  shared.second = shared.first;
  shared.first = *picked;
  return picked;
}

std::optional<PointPair> rubber_band_line(Screen& screen, SharedPoints& shared) {
  const KernelPoint a = clamped(to_kernel(screen, shared.first), kPickLimits);
  const KernelPoint b = clamped(to_kernel(screen, shared.second), kPickLimits);
  const auto answer =
      on_picture(screen, [&](kernel::Kernel& kernel) { return kernel.gkrline(a.x, a.y, b.x, b.y, kPickLimits, 2); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  const DrawingPoint p = from_kernel(screen, answer.x1, answer.y1), q = from_kernel(screen, answer.x2, answer.y2);
  // The end that moved away from the old first point is the new second one.
  if (squared_distance(p, shared.first) >= squared_distance(p, shared.second)) {
    shared.second = p;
    shared.first = q;
  } else {
    shared.first = p;
    shared.second = q;
  }
  return PointPair{p, q};
}

std::optional<PointPair> rubber_band_line(Screen& screen, SharedPoints& shared, PointPair ends) {
  const SharedPoints kept = shared;
  shared = {ends.first, ends.second};
  const auto pulled = rubber_band_line(screen, shared);
  if (!pulled) shared = kept;
  return pulled;
}

std::optional<PointPair> rubber_band_box(Screen& screen, SharedPoints& shared) {
  const KernelPoint a = clamped(to_kernel(screen, shared.first), kPickLimits);
  const KernelPoint b = clamped(to_kernel(screen, shared.second), kPickLimits);
  const auto answer = on_picture(screen, [&](kernel::Kernel& kernel) { return kernel.gkrbox(a.x, a.y, b.x, b.y, kPickLimits); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  const DrawingPoint p = from_kernel(screen, answer.x1, answer.y1), q = from_kernel(screen, answer.x2, answer.y2);
  shared.first = {std::min(p.x, q.x), std::min(p.y, q.y)};
  shared.second = {std::max(p.x, q.x), std::max(p.y, q.y)};
  return PointPair{shared.first, shared.second};
}

std::optional<std::array<DrawingPoint, 3>> pick_three_points(Screen& screen, SharedPoints& shared,
                                                            const std::array<std::string_view, 3>& subjects) {
  std::array<DrawingPoint, 3> picks{};
  DrawingPoint from = shared.first;
  for (size_t k = 0; k < picks.size(); ++k) {
    DrawingPoint& pick = picks[k];
    const PointingAt at(screen, std::string(subjects[k]));
    const auto picked = pick_from(screen, from);
    if (!picked) return std::nullopt;
    pick = *picked;
    if (cancels_pointing(mark_point(screen, pick))) return std::nullopt;
    from = pick;
  }
  shared.second = shared.first;
  shared.first = picks[2];
  return picks;
}

std::optional<DrawingPoint> pick_corner(Screen& screen, DrawingPoint from) {
  const ViewTransform& v = screen.render.view;
  const float kx = static_cast<float>(from.x * v.scale + v.x_shift), ky = static_cast<float>(from.y * v.scale + v.y_shift);
  const auto answer = on_picture(screen, [&](kernel::Kernel& kernel) { return kernel.gkpick(kx, ky, kPickLimits); });
  if (cancels_pointing(answer.key)) return std::nullopt;
  const DrawingPoint picked{(answer.x - v.x_shift) / v.scale, (answer.y - v.y_shift) / v.scale};
  if (cancels_pointing(mark_point(screen, picked))) return std::nullopt;
  return picked;
}

host::Key mark_point(Screen& screen, DrawingPoint point) {
  const DrawingPoint v = apply_view(screen.render.view, point);
  const float x = static_cast<float>(v.x), y = static_cast<float>(v.y);
  screen.kernel.gkpage(kernel::PageStart::kKept);
  screen.kernel.gkcolor(kPointerColour);
  screen.kernel.gkmove(x - kCrossHalf, y);
  screen.kernel.gkdraw(x + kCrossHalf, y);
  screen.kernel.gkmove(x, y - kCrossHalf);
  screen.kernel.gkdraw(x, y + kCrossHalf);
  return screen.kernel.show_page_and_wait();
}

}  // namespace plv::create
