#pragma once
// The text screen's size and the display attributes the toolkit writes in.

#include <cstdint>

namespace plv::ui {

inline constexpr int kScreenColumns = 80;
inline constexpr int kScreenRows = 25;
// The caret steps and the entry fields stay above the last row.
inline constexpr int kLastCaretRow = 24;

// The attribute bytes of a PC colour text display.
namespace attr {
inline constexpr std::uint8_t kNormal = 7;
inline constexpr std::uint8_t kHighlighted = 112;
inline constexpr std::uint8_t kBright = 15;
inline constexpr std::uint8_t kAlert = 240;
inline constexpr std::uint8_t kGreen = 135;
}  // namespace attr

// A one-based text cell; rows and columns may lie off the screen when they
// come from a pointer in the window's margins.
struct TextCell {
  int row = 0;
  int column = 0;
  friend bool operator==(const TextCell&, const TextCell&) = default;
};

}  // namespace plv::ui
