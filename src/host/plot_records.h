#pragma once
// The plot buffer's record kinds and their sizes. A record is a kind byte
// followed by its fields: coordinates are signed 16-bit, low byte first;
// every other field is one unsigned byte. Records carry no length, so a
// reader must know each kind's size.

#include <cstddef>
#include <cstdint>

namespace plv::host {

enum class RecordKind : std::uint8_t {
  kLine = 3,            // x1 y1 x2 y2
  kRectangle = 4,       // x1 y1 x2 y2
  kFilledRectangle = 5, // x1 y1 x2 y2 insets
  kColour = 8,          // red blue green
  kColourGrey = 9,      // red blue green grey
  kColourIndex = 11,    // black-bg index, white-bg index, black-bg grey, white-bg darkness
  kPolygon = 12,        // n, then n pairs x y
};

inline constexpr std::size_t kLineRecordSize = 9;
inline constexpr std::size_t kRectangleRecordSize = 9;
inline constexpr std::size_t kFilledRectangleRecordSize = 10;
inline constexpr std::size_t kColourRecordSize = 4;
inline constexpr std::size_t kColourGreyRecordSize = 5;
inline constexpr std::size_t kColourIndexRecordSize = 5;
inline constexpr int kMaxPolygonVertices = 10;
inline constexpr std::size_t polygon_record_size(int n) { return 2 + 4 * static_cast<std::size_t>(n); }
inline constexpr std::size_t kLargestRecordSize = polygon_record_size(kMaxPolygonVertices);  // 42

// Inset flag bits of a filled rectangle record.
inline constexpr std::uint8_t kInsetLeft = 8;
inline constexpr std::uint8_t kInsetRight = 4;
inline constexpr std::uint8_t kInsetTop = 2;
inline constexpr std::uint8_t kInsetBottom = 1;

}  // namespace plv::host
