#pragma once
// Rectangular boxes and filled rectangles ("RB", "RF") share one layout:
// two corners, reals without decimals in the file form, and the filled
// rectangle's edge flags.

#include "drawing/record_layout.h"
#include "kinds/kind.h"
#include "kinds/painter.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace box {  // RB, RF
inline constexpr RealField kX1 = e12(3), kY1 = e12(15), kX2 = e12(27), kY2 = e12(39);
inline constexpr std::array<RealField, 4> kPoints{kX1, kY1, kX2, kY2};
inline constexpr IntField kEdgeFlags{{51, 3}};  // RF
}  // namespace box
}  // namespace stored

namespace file {
namespace box {  // RB, RF
inline constexpr std::array<RealField, 4> kPoints{f6(3), f6(9), f6(15), f6(21)};
inline constexpr IntField kEdgeFlags{{27, 3}};
}  // namespace box
}  // namespace file

}  // namespace plv::layout

namespace plv {

class BoxFormKind : public Kind {
 public:
  StoredConversion to_stored(const Record& file_line) const override;
  FileConversion to_file(const Record& stored) const override;
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override;
  std::vector<DrawingPoint> defining_points(const Record& r) const override;
  // Picked by its edges (a filled rectangle too: its inside is not a hit).
  std::optional<double> distance_to(const Record& r, const LayerTransform& layer, DrawingPoint p) const override;
  std::vector<DrawingPoint> test_points(const Record& r, const LayerTransform& layer) const override;
  // Both corners placed; the edge flags as they were.
  Record transformed(const Record& r, const PastePlacement& placement) const override;

 protected:
  virtual bool has_edge_flags() const { return false; }
};

// A box ("BX"), rectangular box ("RB") or filled rectangle ("RF", edge
// flags 0) from two corners, in the order given; a rectangle without width
// or height is made a plain line instead.
Record box_record(ElementKind kind, DrawingPoint first, DrawingPoint second);
// The same, flat or not: a reopened rectangle keeps its code.
Record box_record_as_is(ElementKind kind, DrawingPoint first, DrawingPoint second);

// The outline of the box whose corners stand in columns 3-50 (the box and
// rectangular box records alike).
void draw_box_outline(const Record& r, const LayerTransform& layer, Painter& painter);

}  // namespace plv
