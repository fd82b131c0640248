#include "kernel/device_transform.h"

#include <algorithm>
#include <cmath>

namespace plv::kernel {

DeviceTransform DeviceTransform::for_chain(const Rect& user, const Rect& viewport, const Rect& raster) {
  const double view_w = viewport.xmax - viewport.xmin, view_h = viewport.ymax - viewport.ymin;
  const double raster_w = raster.xmax - raster.xmin, raster_h = raster.ymax - raster.ymin;
  // Per-axis device units per viewport unit; the smaller magnitude serves
  // both so the shape is kept, each axis keeping its own direction.
  const double fit = std::min(std::fabs(raster_w / view_w), std::fabs(raster_h / view_h));
  const double to_view_x = view_w / (user.xmax - user.xmin), to_view_y = view_h / (user.ymax - user.ymin);
  DeviceTransform t;
  t.x_scale = to_view_x * std::copysign(fit, raster_w);
  t.y_scale = to_view_y * std::copysign(fit, raster_h);
  const double user_cx = (user.xmin + user.xmax) / 2, user_cy = (user.ymin + user.ymax) / 2;
  const double raster_cx = (raster.xmin + raster.xmax) / 2, raster_cy = (raster.ymin + raster.ymax) / 2;
  t.x_offset = static_cast<std::int16_t>(std::trunc(raster_cx - t.x_scale * user_cx));
  t.y_offset = static_cast<std::int16_t>(std::trunc(raster_cy - t.y_scale * user_cy));
  return t;
}


}  // namespace plv::kernel
