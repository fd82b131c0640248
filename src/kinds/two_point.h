#pragma once
// Lines, wide lines, arrows, brackets and boxes share one layout: two
// points and a style tail, whole units in the file form.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "drawing/record_layout.h"
#include "kinds/kind.h"
#include "kinds/painter.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace two_point {  // LI, AR, BR, BX, LW
inline constexpr RealField kX1 = e12(3), kY1 = e12(15), kX2 = e12(27), kY2 = e12(39);
inline constexpr std::array<RealField, 4> kPoints{kX1, kY1, kX2, kY2};
inline constexpr std::array<Columns, 5> kFlags{{{52, 1}, {54, 1}, {56, 1}, {58, 1}, {60, 1}}};
inline constexpr Columns kLineType = kFlags[0];  // LI: "D" or "Y" dashed
inline constexpr RealField kBend{{62, 5}, RealField::Fixed, 3};  // AR
inline constexpr IntField kHalfWidth{{51, 6}};                    // LW
inline constexpr Columns kTail{51, 30};  // carried whole to and from the file form
}  // namespace two_point
}  // namespace stored

namespace file {
namespace two_point {  // LI, AR, BR, BX, LW
inline constexpr std::array<IntField, 4> kPoints{i6(3), i6(9), i6(15), i6(21)};
inline constexpr Columns kTail{27, 30};
}  // namespace two_point
}  // namespace file

}  // namespace plv::layout

namespace plv {

class TwoPointKind : public Kind {
 public:
  StoredConversion to_stored(const Record& file_line) const override;
  FileConversion to_file(const Record& stored) const override;
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override;
  std::vector<DrawingPoint> defining_points(const Record& r) const override;
  // Picked by the segment between the points, whatever is drawn along it.
  std::optional<double> distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const override;
  std::vector<DrawingPoint> test_points(const Record& r, const LayerTransform& layer) const override;
  // Both points placed; the style tail as it was.
  Record transformed(const Record& r, const PastePlacement& placement) const override;
};

// The two points as stored; nothing when one cannot be read.
std::optional<std::array<DrawingPoint, 2>> two_point_ends(const Record& r);
// A record of this layout: the code, the two points, the rest blank.
Record two_point_record(std::string_view code, DrawingPoint p1, DrawingPoint p2);

// The two points after the layer transform, with the direction between them.
struct Segment {
  DrawingPoint p1, p2;
  double length;
  Vec u, n;  // unit vector from p1 to p2 and its left normal
};
std::optional<Segment> two_points(const Record& r, const LayerTransform& layer);

// Flag k (1 to 5) of the style tail holds "Y".
bool flag_on(const Record& r, int k);

}  // namespace plv
