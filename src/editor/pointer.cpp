#include "editor/pointer.h"

#include <algorithm>

#include "host/host.h"

namespace plv {

KernelPoint to_kernel(const Screen& e, DrawingPoint p) {
  const DrawingPoint v = apply_view(e.render.view, p);
  return {static_cast<float>(v.x), static_cast<float>(v.y * e.render.aspect)};
}

DrawingPoint from_kernel(const Screen& e, float x, float y) {
  const ViewTransform& v = e.render.view;
  return {(x - v.x_shift) / v.scale, (y / e.render.aspect - v.y_shift) / v.scale};
}

KernelPoint clamped(KernelPoint p, const kernel::UserLimits& limits) {
  return {std::clamp(p.x, limits.xmin, limits.xmax), std::clamp(p.y, limits.ymin, limits.ymax)};
}

PointingAt::PointingAt(Screen& screen, std::string subject)
    : host_(screen.kernel.host()), before_(host_.pointing_subject()) {
  host_.set_pointing_subject(std::move(subject));
}

PointingAt::~PointingAt() { host_.set_pointing_subject(std::move(before_)); }

PickedPoint pick_point(Screen& e, DrawingPoint from) {
  const KernelPoint k = to_kernel(e, from);
  const auto answer = on_picture(e, [&k](kernel::Kernel& kernel) { return kernel.gkpick(k.x, k.y, kPickLimits); });
  return {from_kernel(e, answer.x, answer.y), answer.key};
}

}  // namespace plv
