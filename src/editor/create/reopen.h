#pragma once
// Reopening an element in its own menu: its stored values shown as the
// menu shows them (under the layer it stands on), and what the menu hands
// back stored again. Each element menu reopens its own records.

#include <array>
#include <cmath>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "editor/create/desk.h"
#include "editor/create/element_menu.h"

namespace plv::create {

// Stored values as the menus show them, and what a menu hands back, stored
// again. A value handed back just as its field showed it was left alone:
// it goes back exactly as it was stored, not through the field's
// truncation and the inverse transform.
struct Mapping {
  LayerTransform layer;

  DrawingPoint shown(DrawingPoint p) const { return apply_layer(layer, p); }
  DrawingPoint stored(DrawingPoint back, DrawingPoint original) const {
    const DrawingPoint was = shown(original), fresh = invert_layer(layer, back);
    return {back.x == shown_coordinate(was.x) ? original.x : fresh.x,
            back.y == shown_coordinate(was.y) ? original.y : fresh.y};
  }
  template <size_t N>
  std::array<DrawingPoint, N> stored(const std::array<DrawingPoint, N>& back,
                                     const std::array<DrawingPoint, N>& original) const {
    std::array<DrawingPoint, N> out{};
    for (size_t k = 0; k < N; ++k) out[k] = stored(back[k], original[k]);
    return out;
  }
  // A length shown as the distance between two fields along one axis, the
  // first showing `from`.
  double stored_length(double back, double original, double from) const {
    const double to = layer.scale * original + from;
    const double was = std::fabs(static_cast<double>(shown_coordinate(to)) - shown_coordinate(from));
    return back == was ? original : back / layer.scale;
  }
};

// What a reopened menu came to: a blank record when the user quit it (or
// no menu makes such records); `fits` false when a value came back that
// the record's columns cannot hold.
struct Reopened {
  Record record;
  bool fits = true;
};

// The values of what a menu made; nothing when the user quit it (a blank
// record, whose blank fields would otherwise read as zeros).
template <class Read>
auto menu_values(const Record& made, Read read) -> decltype(read(made)) {
  if (made.blank_in({1, 2})) return std::nullopt;
  return read(made);
}

// The element itself when the values came back as it had them, so that
// its own spelling of them stays; otherwise the record of the new values,
// which must read back as it was made.
template <class Values, class Build, class Read>
Reopened settle(const Record& element, const Values& was, const Values& now, Build build, Read read) {
  const Record made = build(now);
  if (made == build(was)) return {element};
  const auto again = read(made);
  return {made, again && build(*again) == made};
}

// Each menu's reopening: the element reopened in it, on its values.
using Reopen = Reopened (*)(const Desk& desk, const Record& element, const Mapping& mapping);

}  // namespace plv::create
