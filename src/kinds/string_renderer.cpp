#include "kinds/string_renderer.h"

#include <cmath>

#include "drawing/record_layout.h"
#include "kernel/kernel.h"

namespace plv {
namespace {

namespace S = layout::stored::string;
constexpr double kPitch = 6.0;                   // per character per size unit
constexpr double kCellHeight = 6.4285712;        // 45 / 7
constexpr double kCellWidth = 4.2857142;         // 30 / 7
constexpr double kStartOffsetDivisor = 1.4;
constexpr Columns kNewText{S::kText.first, kRecordLength - S::kText.first + 1};  // up to 88 characters
constexpr std::array<Vec, 4> kAlong{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
constexpr std::array<Vec, 4> kUp{{{0, 1}, {-1, 0}, {0, -1}, {1, 0}}};

int last_non_blank(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? 0 : static_cast<int>(last) + 1;
}

}  // namespace

std::optional<StringPlacement> place_string(const Record& r, const LayerTransform& layer) {
  const bool old = r.has_code("ST");
  const auto x = r.get(S::kX), y = r.get(S::kY);
  const auto size = r.get(S::kSize);
  if (!x || !y || !size) return std::nullopt;
  StringPlacement p;
  p.direction = 0;
  if (!old) {
    const auto d = r.get(S::kDirection);
    p.direction = (d && *d >= 0 && *d <= 3) ? static_cast<int>(*d) : 0;
  }
  p.text = r.text(old ? layout::stored::old_string::kText : kNewText);
  p.length = last_non_blank(p.text);
  p.height = static_cast<double>(*size) * layer.scale;
  if (old) p.height = std::trunc(p.height);
  const std::string_view key = r.text(S::kKeyPoint);
  double offset = 0;
  if (key == "M") offset = p.length / 2.0 * kPitch * p.height;
  else if (key == "E") offset = p.length * p.height * kPitch;
  p.start = apply_layer(layer, {*x, *y}) - offset * kAlong[static_cast<size_t>(p.direction)];
  return p;
}

void render_string(const Record& r, ElementPainter& painter) {
  const auto p = place_string(r, painter.state().layer);
  if (!p) return;
  const RenderState& state = painter.state();
  const double h = state.view.scale * p->height;
  const size_t d = static_cast<size_t>(p->direction);
  kernel::Kernel& k = painter.kernel();
  k.set_char_size(static_cast<float>(kCellWidth * h), static_cast<float>(kCellHeight * h));
  k.set_advance(static_cast<float>(kCellHeight * h * kAlong[d].x), static_cast<float>(kCellHeight * h * kAlong[d].y));
  k.set_rotation(static_cast<float>(kUp[d].x), static_cast<float>(kUp[d].y));
  const DrawingPoint screen = apply_view(state.view, p->start) + (h / kStartOffsetDivisor) * kAlong[d];
  k.move(static_cast<float>(screen.x), static_cast<float>(screen.y * state.aspect));
  k.draw_string(p->length, p->text);
}

}  // namespace plv
