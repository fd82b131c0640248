#pragma once
// Rectangular boxes and filled rectangles ("RB", "RF") share one layout:
// two corners, reals without decimals in the file form, and the filled
// rectangle's edge flags.

#include "kinds/kind.h"
#include "kinds/painter.h"

namespace plv {

class BoxFormKind : public Kind {
 public:
  StoredConversion to_stored(const Record& file_line) const override;
  FileConversion to_file(const Record& stored) const override;
  void add_extent(const Record& r, const LayerTransform& layer, ExtentBox& box) const override;

 protected:
  virtual bool has_edge_flags() const { return false; }
};

// The outline of the box whose corners stand in columns 3-50 (the box and
// rectangular box records alike).
void draw_box_outline(const Record& r, const LayerTransform& layer, Painter& painter);

}  // namespace plv
