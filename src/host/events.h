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
};

struct Event {
  EventType type = EventType::kKey;
  Key key{};       // kKey only
  int x = 0;       // buttons and moves: plot coordinates in graphics mode,
  int y = 0;       // client pixels in text mode
  int button = 0;  // presses and releases: kLeftButton or kRightButton
};

}  // namespace plv::host
