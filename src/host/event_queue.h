#pragma once
// Input waiting for the editor, in arrival order. A drag sends many
// pointer moves; only the latest of consecutive moves matters, so a move
// replaces a move that is still waiting at the end of the queue.

#include <deque>
#include <optional>

#include "host/events.h"

namespace plv::host {

class EventQueue {
 public:
  void push(const Event& event);
  std::optional<Event> pop();
  bool empty() const { return events_.empty(); }
  // True when a key is waiting anywhere in the queue.
  bool key_waiting() const;

 private:
  std::deque<Event> events_;
};

}  // namespace plv::host
