// The rubber-band line and the point pick: one end of a line, or a single
// point, follows the pointer and the arrow keys under the crosshair.

#include <algorithm>

#include "host/host.h"
#include "host/pointing_hint.h"

namespace plv::host {
namespace {

struct Ends {
  int x[2];
  int y[2];
  friend bool operator==(const Ends&, const Ends&) = default;
};

class RubberBandLine {
 public:
  RubberBandLine(Host& host, Ends ends, const Limits& limits, LineBandMode mode)
      : host_(host), ends_(ends), limits_(limits), mode_(mode), active_(mode.first_end_active ? 0 : 1) {}

  LineResult run() {
    host_.set_crosshair(true);
    host_.set_pointer(ends_.x[active_], ends_.y[active_]);
    show();
    Key key;
    while (!finished(host_.wait_event(), key)) {
      if (ends_ != shown_) {
        hide();
        show();
      }
    }
    hide();
    host_.set_crosshair(false);
    return {ends_.x[0], ends_.y[0], ends_.x[1], ends_.y[1], key};
  }

 private:
  void draw(const Ends& e) {
    Picture& p = host_.picture();
    p.draw_feedback([&] { p.draw_line(e.x[0], e.y[0], e.x[1], e.y[1]); });
  }
  void show() {
    shown_ = ends_;
    host_.show_overlay([this] { draw(shown_); });
  }
  void hide() { host_.hide_overlay(); }

  void switch_ends() {
    if (!mode_.ends_switch) return;
    active_ = 1 - active_;
    host_.set_pointer(ends_.x[active_], ends_.y[active_]);
  }

  void move_to(int x, int y) {
    ends_.x[active_] = std::clamp(x, limits_.xmin, limits_.xmax);
    ends_.y[active_] = std::clamp(y, limits_.ymin, limits_.ymax);
  }

  bool finished(const Event& e, Key& key) {
    switch (e.type) {
      case EventType::kButtonPress:
        if (e.button == kRightButton) {
          key = Key::kEnter;
          return true;
        }
        switch_ends();
        return false;
      case EventType::kPointerMove: move_to(e.x, e.y); return false;
      case EventType::kButtonRelease: return false;
      case EventType::kKey: return !key_pressed(e.key, key);
      case EventType::kClose: key = Key::kClose; return true;
      case EventType::kWheel: return false;  // the host's own, never delivered
    }
    host_.report_unexpected(e);
    return false;
  }

  // False when the key ends the operation.
  bool key_pressed(Key pressed, Key& key) {
    const int x = ends_.x[active_];
    const int y = ends_.y[active_];
    if (pressed == Key::kUp) step_to(x, y + step_);
    else if (pressed == Key::kDown) step_to(x, y - step_);
    else if (pressed == Key::kRight) step_to(x + step_, y);
    else if (pressed == Key::kLeft) step_to(x - step_, y);
    else if (pressed.is_letter('c')) switch_ends();
    else if (pressed.is_letter('s')) step_ = 3;
    else if (pressed.is_letter('m')) step_ = 10;
    else if (pressed.is_letter('f')) step_ = 30;
    else {
      key = pressed;
      return false;
    }
    return true;
  }

  void step_to(int x, int y) {
    move_to(x, y);
    host_.set_pointer(ends_.x[active_], ends_.y[active_]);
  }

  Host& host_;
  Ends ends_;
  Ends shown_{};
  Limits limits_;
  LineBandMode mode_;
  int active_;
  int step_ = 30;
};

}  // namespace

LineResult Host::rubber_band_line(int x1, int y1, int x2, int y2, const Limits& limits, LineBandMode mode) {
  const PointingHint hint(*this, mode.ends_switch ? kLineHint : kFixedLineHint);
  return RubberBandLine(*this, {{x1, x2}, {y1, y2}}, limits, mode).run();
}

PickResult Host::pick_point(int x, int y) {
  // What was drawn since the last pick (a graphic just erased) shows while picking.
  show_picture();
  const PointingHint hint(*this, kPickHint);
  set_crosshair(true);
  set_pointer(x, y);
  PickResult result{x, y, Key::kNone};
  for (;;) {
    const Event e = wait_event();
    if (e.type == EventType::kButtonPress) {
      result = {e.x, e.y, Key::pointer_press(e.button)};
      break;
    }
    if (e.type == EventType::kKey) {
      result.key = e.key;
      break;
    }
    if (e.type == EventType::kClose) {
      result.key = Key::kClose;
      break;
    }
  }
  set_crosshair(false);
  return result;
}

}  // namespace plv::host
