#pragma once
// Input as the editor asks for it: one event at a time, and key codes that
// fold function and arrow keys into the character range.

namespace plv::host {

enum class EventType {
  kButtonPress = 1,
  kKey = 2,
  kPointerMove = 5,
  kButtonRelease = 6,
  kClose = 7,
};

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

struct Event {
  EventType type = EventType::kKey;
  int key = 0;     // kKey only
  int x = 0;       // buttons and moves: plot coordinates in graphics mode,
  int y = 0;       // client pixels in text mode
  int button = 0;  // presses and releases: kLeftButton or kRightButton
};

namespace keys {
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kF1 = 129;
inline constexpr int kF10 = 138;
inline constexpr int kF12 = 140;
inline constexpr int kUp = 141;
inline constexpr int kDown = 142;
inline constexpr int kRight = 143;
inline constexpr int kLeft = 144;
// What the editor receives when the window is closed.
inline constexpr int kClose = -11;

// F1 to F12 by number.
inline constexpr int function_key(int n) { return kF1 - 1 + n; }
}  // namespace keys

}  // namespace plv::host
