#include "host/event_queue.h"

#include <algorithm>

namespace plv::host {

void EventQueue::push(const Event& event) {
  if (event.type == EventType::kPointerMove && !events_.empty() &&
      events_.back().type == EventType::kPointerMove) {
    events_.back() = event;
    return;
  }
  events_.push_back(event);
}

std::optional<Event> EventQueue::pop() {
  if (events_.empty()) return std::nullopt;
  const Event event = events_.front();
  events_.pop_front();
  return event;
}

bool EventQueue::key_waiting() const {
  return std::any_of(events_.begin(), events_.end(), [](const Event& e) { return e.type == EventType::kKey; });
}

}  // namespace plv::host
