#include "host/transforms.h"

#include <utility>

namespace plv::host {
namespace {

// n / d rounded half away from zero, d > 0.
int round_div(std::int64_t n, std::int64_t d) {
  const std::int64_t half = d / 2;
  return static_cast<int>((n >= 0 ? n + half : n - half) / d);
}

// The same in 32 bits, for the common case where nothing can overflow;
// replay converts millions of points and 64-bit division is slow.
int round_div32(int n, int d) {
  const int half = d / 2;
  return (n >= 0 ? n + half : n - half) / d;
}

// A 16-bit coordinate times a multiplier below this, plus half a divisor,
// stays within 32 bits.
constexpr int kSmallMultiplier = 60000;

}  // namespace

WindowTransform WindowTransform::for_client(int width, int height) {
  WindowTransform t;
  if (std::int64_t{height} * kPlotWidth < std::int64_t{width} * kPlotHeight) {
    t.multiplier_ = height;
    t.divisor_ = kPlotHeight;
  } else {
    t.multiplier_ = width;
    t.divisor_ = kPlotWidth;
  }
  // An empty client area would make the inverse divide by zero.
  if (t.multiplier_ < 1) t.multiplier_ = 1;
  t.centre_ = {width / 2, height / 2};
  return t;
}

Point WindowTransform::to_pixel(int a, int b) const {
  const bool small = multiplier_ < kSmallMultiplier && a >= -32768 && a <= 32767 && b >= -32768 && b <= 32767;
  const Point pixel = small ? Point{centre_.x + round_div32(a * multiplier_, divisor_),
                                    centre_.y + round_div32(-b * multiplier_, divisor_)}
                            : Point{centre_.x + round_div(std::int64_t{a} * multiplier_, divisor_),
                                    centre_.y + round_div(-std::int64_t{b} * multiplier_, divisor_)};
  cached_plot_ = {a, b};
  cached_pixel_ = pixel;
  return pixel;
}

Point WindowTransform::to_plot(int x, int y) const {
  if (Point{x, y} == cached_pixel_) return cached_plot_;
  return {round_div(std::int64_t{x - centre_.x} * divisor_, multiplier_),
          round_div(-std::int64_t{y - centre_.y} * divisor_, multiplier_)};
}

Point OutputTransform::to_device(int a, int b) const {
  Point p{static_cast<int>(std::int64_t{a} * width / width_divisor) + centre.x,
          static_cast<int>(std::int64_t{b} * height / -height_divisor) + centre.y};
  if (landscape) std::swap(p.x, p.y);
  return p;
}

}  // namespace plv::host
