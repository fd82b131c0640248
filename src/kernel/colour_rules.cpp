#include "kernel/colour_rules.h"

#include <algorithm>
#include <cmath>

namespace plv::kernel {
namespace {
int trunc_clamped(double v, int low, int high) {
  const double t = std::trunc(v);
  if (!(t >= low)) return low;  // also NaN
  if (t > high) return high;
  return static_cast<int>(t);
}
}  // namespace

int palette_for_mode(KernelMode mode) {
  if (mode == KernelMode::kScale3) return 3;
  if (mode == KernelMode::kScale1 || mode == KernelMode::kScale2) return 2;
  return 1;
}

std::optional<KernelMode> mode_for_lcmode(int imode) {
  if (imode >= 1 && imode <= 5) return static_cast<KernelMode>(imode);
  if (imode == 6) return KernelMode::kScale2;
  if (imode == 7) return KernelMode::kScale3;
  return std::nullopt;
}

KernelMode scale_mode(int scale) { return static_cast<KernelMode>(static_cast<int>(KernelMode::kScale1) + scale - 1); }

int clamp_palette_index(int index) { return index < 0 || index > 15 ? 8 : index; }

int grey_for_index(int index) {
  if (index == 0) return 0;
  return index <= 7 ? 255 : 191;
}

int rgb_component(double fraction) { return trunc_clamped(fraction * 256, 0, 255); }

ScaleColour scale_colour(int scale, double v) {
  switch (scale) {
    case 1:
      return {2, 43 + trunc_clamped((v + 1) * 90, 0, 180), trunc_clamped((v + 1) * 128, 0, 255), false};
    case 2:
      return {2, 103 + trunc_clamped(v * 120, 0, 120), trunc_clamped(v * 256, 0, 255), false};
    default: {
      const int entry = 32 + trunc_clamped(v * 193, 0, 192);
      const int grey = trunc_clamped(v * 256, 0, 255);
      return {3, entry, grey, entry == 32 || grey == 0};
    }
  }
}

}  // namespace plv::kernel
