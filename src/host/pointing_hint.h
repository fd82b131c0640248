#pragma once
// The status line's words while one pointing runs; the words before it
// come back when it ends.

#include <string>
#include <utility>

#include "host/host.h"

namespace plv::host {

class PointingHint {
 public:
  PointingHint(Host& host, std::string hint) : host_(host), before_(std::move(host.pointing_hint_)) {
    host_.pointing_hint_ = std::move(hint);
  }
  ~PointingHint() { host_.pointing_hint_ = std::move(before_); }
  PointingHint(const PointingHint&) = delete;
  PointingHint& operator=(const PointingHint&) = delete;

 private:
  Host& host_;
  std::string before_;
};

}  // namespace plv::host
