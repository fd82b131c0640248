#pragma once
// Reads plot buffer records back in order, for replay and for listing.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "host/plot_records.h"

namespace plv::host {

struct PlotRecord {
  RecordKind kind{};
  // Lines and rectangles: x[0], y[0], x[1], y[1]. Polygons: n points.
  std::array<std::int16_t, kMaxPolygonVertices> x{};
  std::array<std::int16_t, kMaxPolygonVertices> y{};
  int n = 0;
  // Filled rectangle: inset flags in bytes[0]. Colour: red, blue, green as
  // stored. Colour and grey: red, blue, green, grey. Colour index: its four fields.
  std::array<std::uint8_t, 4> bytes{};
};

class PlotReader {
 public:
  explicit PlotReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // False at the end, or at a record that is unknown or cut short.
  bool next(PlotRecord& record);
  std::size_t position() const { return pos_; }

 private:
  bool has(std::size_t n) const { return bytes_.size() - pos_ >= n; }
  std::int16_t coordinate();

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace plv::host
