#pragma once
// Input as the editor asks for it: one event at a time.

#include "host/key.h"

namespace plv::host {

enum class EventType {
  kButtonPress = 1,
  kKey = 2,
  kPointerMove = 5,
  kButtonRelease = 6,
  kClose = 7,
  kWheel = 8,  // zooms the shown picture; never reaches the editor
};

struct Event {
  EventType type = EventType::kKey;
  Key key{};       // kKey only
  int x = 0;       // buttons and moves: plot coordinates in graphics mode,
  int y = 0;       // client pixels in text mode
  int button = 0;  // presses and releases: kLeftButton, kRightButton or kMiddleButton
  int steps = 0;   // kWheel: notches turned, positive away from the user
};

}  // namespace plv::host
