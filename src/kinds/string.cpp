#include "kinds/string.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/record_layout.h"
#include "kinds/kind_list.h"
#include "kinds/painter.h"
#include "kinds/pick_geometry.h"
#include "kinds/render_state.h"
#include "text/fixed_text.h"

namespace plv {
namespace {

namespace L = layout;
namespace S = layout::stored::string;
constexpr double kPitch = 6.0;                   // per character per size unit
constexpr double kCellHeight = 6.4285712;        // 45 / 7
constexpr double kCellWidth = 4.2857142;         // 30 / 7
constexpr double kStartOffsetDivisor = 1.4;
// A pasted string's size is rounded up from a hundredth past a whole size,
// and kept large enough to read.
constexpr double kPastedSizeRoundUp = 0.49;
constexpr double kSmallestPastedSize = 3;
constexpr Columns kNewText{S::kText.first, kRecordLength - S::kText.first + 1};  // up to 88 characters
constexpr std::array<Vec, 4> kAlong{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
constexpr std::array<Vec, 4> kUp{{{0, 1}, {-1, 0}, {0, -1}, {1, 0}}};

}  // namespace

int string_size_for_capitals(double capital_height) {
  constexpr double kLargestSize = 99;  // I2
  return static_cast<int>(std::clamp(std::round(capital_height / kCellHeight), 1.0, kLargestSize));
}

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
  p.length = static_cast<int>(text::trimmed_right(p.text).size());
  p.height = static_cast<double>(*size) * layer.scale;
  if (old) p.height = std::trunc(p.height);
  const char key = key_point_meant(r.text(S::kKeyPoint)[0]);
  p.anchor = key == 'M' ? 0.5 : key == 'E' ? 1.0 : 0.0;
  p.key = apply_layer(layer, {*x, *y});
  double offset = 0;
  if (key == 'M') offset = p.length / 2.0 * kPitch * p.height;
  else if (key == 'E') offset = p.length * p.height * kPitch;
  p.start = p.key - offset * kAlong[static_cast<size_t>(p.direction)];
  return p;
}

namespace {

// Two opposite corners of the box a string is picked by: the size scaled
// and cut to whole units, 6 units along and 6.2 across per unit of size for
// each character up to the last non-blank one. Middle strings stand back by
// the whole characters of half their length. Old "ST" records are not
// picked.
std::optional<std::array<DrawingPoint, 2>> string_box(const Record& r, const LayerTransform& layer) {
  constexpr double kBoxHeight = 6.2;
  const auto x = r.get(S::kX), y = r.get(S::kY);
  const auto size = r.get(S::kSize);
  if (r.has_code("ST") || !x || !y || !size) return std::nullopt;
  const auto d = r.get(S::kDirection);
  // A direction out of range runs along +x, as the letters are drawn.
  const size_t direction = (d && *d >= 0 && *d <= 3) ? static_cast<size_t>(*d) : 0;
  const double h = std::trunc(static_cast<double>(*size) * layer.scale);
  const int n = static_cast<int>(text::trimmed_right(r.text(S::kText)).size());
  const char key = key_point_meant(r.text(S::kKeyPoint)[0]);
  double offset = 0;
  if (key == 'M') offset = h * (n / 2) * kPitch;
  else if (key == 'E') offset = h * n * kPitch;
  const DrawingPoint start = apply_layer(layer, {*x, *y}) - offset * kAlong[direction];
  const DrawingPoint far = start + h * n * kPitch * kAlong[direction] + h * kBoxHeight * kUp[direction];
  return std::array{start, far};
}

// The "ST" tail rearranged as a "CH" tail: direction 0, text two columns on.
std::string old_string_tail_as_new(std::string_view tail) {
  namespace T = L::old_string_tail;
  Record t(tail);  // a scratch line holding the 88 tail characters from column 1
  const std::string kept(t.text(T::kTextKept));
  t.put_text(T::kTextKeptTo, kept);
  t.put_text(T::kDirection, "0");
  t.blank_out(T::kBlanked);
  return std::string(t.text(T::kWhole));
}

class StringKind final : public Kind {
 public:
  ElementKind element() const override { return ElementKind::kString; }
  // An "ST" line becomes a "CH" record; its first 30 characters move to
  // the new text columns.
  StoredConversion to_stored(const Record& line) const override {
    StoredConversion result;
    Record& out = result.record;
    const bool old = line.has_code("ST");
    out.put_text(L::kCode, "CH");
    const std::array<IntField, 2> from{L::file::string::kX, L::file::string::kY};
    const std::array<RealField, 2> to{S::kX, S::kY};
    if (copy_numbers(line, from, to, out, result.problem)) {
      const std::string_view tail = line.text(L::file::string::kTail);
      out.put_text(S::kTail, old ? old_string_tail_as_new(tail) : std::string(tail));
    }
    return result;
  }

  // A string with nothing after its point is not written.
  FileConversion to_file(const Record& stored) const override {
    FileConversion result;
    if (stored.blank_in(S::kWholeTail)) return result;
    result.line.put_text(L::kCode, stored.code());
    const std::array<RealField, 2> from{S::kX, S::kY};
    const std::array<IntField, 2> to{L::file::string::kX, L::file::string::kY};
    copy_numbers(stored, from, to, result.line, result.problem, &result.kind);
    result.line.put_text(L::file::string::kWholeTail, stored.text(S::kWholeTail));
    // A size scaled past its columns shows as asterisks: no size to read back.
    if (result.ok() && stored.text(S::kSize.at).find('*') != std::string_view::npos) {
      result.kind = ConversionProblem::kDoesNotFit;
      result.problem = "the size does not fit " + columns_text(S::kSize.at);
    }
    return result;
  }

  void draw(const Record& r, const RenderState& state, Painter& painter) const override {
    const auto p = place_string(r, state.layer);
    if (!p) return;
    if (painter.typeset({p->key, p->anchor, p->height, p->direction, p->text.substr(0, static_cast<size_t>(p->length))}))
      return;
    const double h = painter.view_scale() * p->height;
    const size_t d = static_cast<size_t>(p->direction);
    const TextStyle style{static_cast<float>(kCellWidth * h),
                          static_cast<float>(kCellHeight * h),
                          static_cast<float>(kCellHeight * h * kAlong[d].x),
                          static_cast<float>(kCellHeight * h * kAlong[d].y),
                          static_cast<float>(kUp[d].x),
                          static_cast<float>(kUp[d].y)};
    painter.text(p->start, (h / kStartOffsetDivisor) * kAlong[d], style, p->text, p->length);
  }

  // The box a string's letters take, in the proportions the extent has
  // always used.
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override {
    const auto p = place_string(r, layer);
    if (!p) return;
    box.add(p->start);
    const double h = p->height, n = p->length;
    const Vec far = p->direction == 0 ? Vec{n * 82 / 16 * h, 6.875 * h} : Vec{6.875 * h, n * 102 / 16 * h};
    box.add(p->start + far);
  }

  // Picked by the edges of the box its letters are taken to fill.
  std::optional<double> distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const override {
    const auto box = string_box(r, layer);
    if (!box) return std::nullopt;
    return pick_distance(box_edges_distance(p, (*box)[0], (*box)[1]));
  }

  std::vector<DrawingPoint> test_points(const Record& r, const LayerTransform& layer) const override {
    const auto x = r.get(S::kX), y = r.get(S::kY);
    if (r.has_code("ST") || !x || !y) return {};
    return {apply_layer(layer, {*x, *y})};
  }

  // The key point is placed; the size follows the paste's scale along the
  // text as stored (x for directions 0 and 2, y for 1 and 3). Of all turns
  // only a quarter turn left changes the direction: every string then runs
  // up. An "ST" record has no direction to turn and runs along x.
  Record transformed(const Record& r, const PastePlacement& placement) const override {
    const bool old = r.has_code("ST");
    const auto x = r.get(S::kX), y = r.get(S::kY);
    const auto size = r.get(S::kSize);
    const auto direction = old ? std::optional<long long>(0) : r.get(S::kDirection);
    if (!x || !y || !size || !direction) return r;
    const PasteTransform& paste = placement.paste;
    const double along = (*direction == 1 || *direction == 3) ? paste.scale_y : paste.scale_x;
    const double scaled = std::max(static_cast<double>(*size) * along + kPastedSizeRoundUp, kSmallestPastedSize);
    const DrawingPoint at = placement.place({*x, *y});
    Record out = r;
    out.put(S::kX, at.x);
    out.put(S::kY, at.y);
    out.put_rounded(S::kSize, scaled);  // too large: the paste is refused
    if (!old && (paste.rotation == 90 || paste.rotation == -270)) out.put(S::kDirection, 1);
    return out;
  }
};

}  // namespace

char key_point_meant(char key_point) { return key_point == 'M' || key_point == 'E' ? key_point : 'S'; }

Record string_record(const StringValues& v) {
  Record r;
  r.put_text(L::kCode, "CH");
  r.put(S::kX, v.location.x);
  r.put(S::kY, v.location.y);
  r.put(S::kSize, v.size);
  r.put_text(S::kKeyPoint, std::string_view(&v.key_point, 1));
  r.put(S::kDirection, v.direction);
  r.put_text(S::kText, v.text);
  return r;
}

std::optional<StringValues> string_values(const Record& r) {
  const auto x = r.get(S::kX), y = r.get(S::kY);
  const auto size = r.get(S::kSize), direction = r.get(S::kDirection);
  if (!x || !y || !size || !direction) return std::nullopt;
  return StringValues{{*x, *y}, static_cast<int>(*size), r.text(S::kKeyPoint)[0], static_cast<int>(*direction),
                      std::string(r.text(S::kText))};
}

const Kind& string_kind() {
  static const StringKind kind;
  return kind;
}

}  // namespace plv
