#pragma once
// What the editor knows of one kind of record: its forms, how it draws,
// where it lies, and how the menus that pick, select, snap and paste treat
// it. Each kind's module owns its columns (named in its header) and
// everything it does with them; the registry finds the kind of a record.

#include <optional>
#include <vector>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_forms.h"

namespace plv {

class Painter;
class ColourHandler;
struct RenderState;

// The box round what has been added to it.
class ExtentBox {
 public:
  void add(DrawingPoint p);
  bool empty() const { return e_ == kEmpty; }
  const Extent& extent() const { return e_; }

 private:
  static constexpr Extent kEmpty{100000, -100000, 100000, -100000};
  Extent e_ = kEmpty;
};

// Where a redraw stands while it goes through the records.
struct RedrawContext {
  RenderState& state;
  Painter& painter;
  ColourHandler& colours;
};

// Which element a record makes, for the menus that make and reopen them.
enum class ElementKind {
  kNone,
  kLine,
  kWideLine,
  kArrow,
  kString,
  kBox,
  kRectangularBox,
  kFilledRectangle,
  kCircle,
  kEllipse,
  kBracket,
  kFilledQuadrilateral,
  kComment,
};

class Kind {
 public:
  virtual ~Kind() = default;
  virtual ElementKind element() const { return ElementKind::kNone; }
  // Elements are drawn in the colour in force where they stand; comments
  // are the element never drawn.
  virtual bool drawn_in_colour() const { return element() != ElementKind::kNone; }

  // Forms: by default the record is the same in both.
  virtual StoredConversion to_stored(const Record& file_line) const;
  virtual FileConversion to_file(const Record& stored) const;
  virtual FileRole file_role(const Record&) const { return FileRole::kConverted; }

  // Redraw: comments take no part at all; deleted records may be shown
  // restored; state records act on the redraw before anything is drawn
  // and may end the record's turn (true).
  virtual bool takes_part_in_redraw() const { return true; }
  virtual bool is_deleted() const { return false; }
  virtual bool act_on_redraw(const Record&, RedrawContext&) const { return false; }
  virtual void draw(const Record&, const RenderState&, Painter&) const {}

  // The layer a layer record starts; nothing for any other record, or one
  // whose fields cannot be read.
  virtual std::optional<LayerTransform> layer_of(const Record&) const { return std::nullopt; }
  // Adds the element's points, after the layer transform, to the box.
  virtual void add_extent(const Record&, const LayerTransform&, ExtentBox&) const {}

  // The points the pointer snaps to, as stored (before the layer
  // transform); the distance from a point after the layer transform
  // (nothing: cannot be picked); the points, after the layer transform, a
  // selecting box must hold (none: never selected); and the record moved
  // by the paste transform.
  virtual std::vector<DrawingPoint> defining_points(const Record&) const { return {}; }
  virtual std::optional<double> distance_to(const Record&, const LayerTransform&, DrawingPoint) const {
    return std::nullopt;
  }
  virtual std::vector<DrawingPoint> test_points(const Record&, const LayerTransform&) const { return {}; }
  virtual Record transformed(const Record& record, const PastePlacement&) const { return record; }
};

// The record's numeric fields, or nothing when one cannot be read.
template <size_t N>
std::optional<std::array<double, N>> read_reals(const Record& r, const std::array<RealField, N>& fields) {
  std::array<double, N> out{};
  for (size_t i = 0; i < N; ++i) {
    const auto v = r.get(fields[i]);
    if (!v) return std::nullopt;
    out[i] = *v;
  }
  return out;
}

// Adds points given as x, y pairs of fields to the box, after the layer.
template <size_t N>
void add_point_pairs(const Record& r, const std::array<RealField, N>& fields, const LayerTransform& layer,
                     ExtentBox& box) {
  for (size_t i = 0; i + 1 < N; i += 2) {
    const auto x = r.get(fields[i]), y = r.get(fields[i + 1]);
    if (x && y) box.add(apply_layer(layer, {*x, *y}));
  }
}

}  // namespace plv
