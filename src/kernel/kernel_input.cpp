// Keys and the pointer operations, with their coordinate conversions.

#include "kernel/kernel.h"

#include <algorithm>

namespace plv::kernel {

host::Key Kernel::gkkey() {
  host_.show_picture();
  return host_.wait_key();
}

host::Key Kernel::gkpeek() { return host_.peek_key(); }

host::Limits Kernel::to_plot_limits(const UserLimits& l) const {
  const DevicePoint a = slots_[0].to_device(l.xmin, l.ymin * aspect_);
  const DevicePoint b = slots_[0].to_device(l.xmax, l.ymax * aspect_);
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

// A coordinate the user left where it was comes back exactly as given.
float Kernel::x_back(int device_x, float given, int given_device) const {
  return device_x == given_device ? given : static_cast<float>(slots_[0].x_to_user(device_x));
}

float Kernel::y_back(int device_y, float given, int given_device) const {
  return device_y == given_device ? given : static_cast<float>(slots_[0].y_to_user(device_y) / aspect_);
}

BoxAnswer Kernel::gkrbox(float x1, float y1, float x2, float y2, const UserLimits& limits) {
  ensure_graphics_mode();
  const DevicePoint a = slots_[0].to_device(x1, y1 * aspect_), b = slots_[0].to_device(x2, y2 * aspect_);
  const host::BoxResult r = host_.rubber_band_rectangle(a.x, a.y, b.x, b.y, to_plot_limits(limits));
  auto bx = [&](int d) { return d == a.x ? x1 : x_back(d, x2, b.x); };
  auto by = [&](int d) { return d == a.y ? y1 : y_back(d, y2, b.y); };
  return {bx(r.xlow), by(r.ylow), bx(r.xhigh), by(r.yhigh), r.key};
}

PointAnswer Kernel::gkpick(float x, float y, const UserLimits&) {
  ensure_graphics_mode();
  const DevicePoint p = slots_[0].to_device(x, y * aspect_);
  const host::PickResult r = host_.pick_point(p.x, p.y);
  return {x_back(r.x, x, p.x), y_back(r.y, y, p.y), r.key};
}

LineAnswer Kernel::gkrline(float x1, float y1, float x2, float y2, const UserLimits& limits, int mode) {
  ensure_graphics_mode();
  const DevicePoint a = slots_[0].to_device(x1, y1 * aspect_), b = slots_[0].to_device(x2, y2 * aspect_);
  const host::LineResult r = host_.rubber_band_line(a.x, a.y, b.x, b.y, to_plot_limits(limits), host::LineBandMode::from_code(mode));
  return {x_back(r.x1, x1, a.x), y_back(r.y1, y1, a.y), x_back(r.x2, x2, b.x), y_back(r.y2, y2, b.y), r.key};
}

}  // namespace plv::kernel
