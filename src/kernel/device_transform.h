#pragma once
// User coordinates to device points: the window chain (user window,
// normalised viewport, device raster) folded into one scale and offset per
// axis, applied with truncation toward zero.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace plv::kernel {

struct Rect {
  double xmin, xmax, ymin, ymax;
};

inline constexpr Rect kUserWindow{-1750, 1750, -1250, 1250};
inline constexpr Rect kPlotRange{-32768, 32767, -32768, 32767};
inline constexpr Rect kNormalisedViewport{-1, 1, -1250.0 / 1750.0, 1250.0 / 1750.0};
// Device rasters: (x from, x to, y from, y to); the second runs y downwards.
inline constexpr Rect kWindowRaster{-1750, 1750, -1250, 1250};
inline constexpr Rect kSecondDeviceRaster{0, 639, 479, 0};

struct DevicePoint {
  int x = 0, y = 0;
  friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

struct DeviceTransform {
  double x_scale = 1, y_scale = 1;
  std::int16_t x_offset = 0, y_offset = 0;

  // The viewport fills the raster without distortion, centres on centres.
  static DeviceTransform for_chain(const Rect& user, const Rect& viewport, const Rect& raster);

  DevicePoint to_device(double x, double y) const;
  double x_to_user(int device_x) const { return (device_x - x_offset) / x_scale; }
  double y_to_user(int device_y) const { return (device_y - y_offset) / y_scale; }
};

// Plot coordinates are 16-bit: far-away points are held at the edge.
inline int clamp_to_plot(double device_value) {
  if (std::isnan(device_value)) return 0;  // no place at all; never a cast of NaN
  return static_cast<int>(std::clamp(device_value, -32768.0, 32767.0));
}

// Inline: every point of every element drawn passes through it.
inline DevicePoint DeviceTransform::to_device(double x, double y) const {
  return {clamp_to_plot(std::trunc(x_scale * x) + x_offset), clamp_to_plot(std::trunc(y_scale * y) + y_offset)};
}

}  // namespace plv::kernel
