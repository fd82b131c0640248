// The rubber-band rectangle: the user drags its edges with the pointer or
// steps its active corner with the arrow keys; the outline follows as
// inverted feedback on the picture.

#include <algorithm>
#include <cstdlib>

#include "host/host.h"
#include "host/pointing_hint.h"

namespace plv::host {
namespace {

constexpr int kGrabDistance = 2;
constexpr int kCornerStroke = 25;

// Where p lies between edges a and b: 0 beyond a (as seen from b), 2
// beyond b (as seen from a), 1 between them, the edges counting as between.
int part(int p, int a, int b) {
  if (a <= b) return p < a ? 0 : (p > b ? 2 : 1);
  return p > a ? 0 : (p < b ? 2 : 1);
}

struct Box {
  int x1, y1, x2, y2;
  bool second_active;
  friend bool operator==(const Box&, const Box&) = default;
};

class RubberBandRectangle {
 public:
  RubberBandRectangle(Host& host, Box box, const Limits& limits) : host_(host), box_(box), limits_(limits) {}

  BoxResult run() {
    show();
    Key key;
    while (!finished(host_.wait_event(), key)) {
      if (box_ != shown_) {
        hide();
        show();
      }
    }
    hide();
    return {std::min(box_.x1, box_.x2), std::min(box_.y1, box_.y2), std::max(box_.x1, box_.x2),
            std::max(box_.y1, box_.y2), key};
  }

 private:
  void draw(const Box& b) {
    Picture& p = host_.picture();
    p.draw_feedback([&] {
      p.draw_rectangle(b.x1, b.y1, b.x2, b.y2);
      if (b.second_active) {
        p.draw_line(b.x2, b.y2, b.x2 + kCornerStroke, b.y2);
        p.draw_line(b.x2, b.y2, b.x2, b.y2 + kCornerStroke);
      } else {
        p.draw_line(b.x1, b.y1, b.x1 - kCornerStroke, b.y1);
        p.draw_line(b.x1, b.y1, b.x1, b.y1 - kCornerStroke);
      }
    });
  }
  void show() {
    shown_ = box_;
    host_.show_overlay([this] { draw(shown_); });
  }
  void hide() { host_.hide_overlay(); }

  int region(int x, int y) const { return part(x, box_.x1, box_.x2) + 4 * part(y, box_.y1, box_.y2); }

  // True when the event ends the operation, with its key.
  bool finished(const Event& e, Key& key) {
    switch (e.type) {
      case EventType::kButtonPress:
        if (e.button == kRightButton || e.x > limits_.xmax) {
          key = Key::kEnter;
          return true;
        }
        press(e.x, e.y);
        return false;
      case EventType::kPointerMove:
        if (dragging_) drag(e.x, e.y);
        return false;
      case EventType::kButtonRelease:
        dragging_ = hold_x1_ = hold_x2_ = hold_y1_ = hold_y2_ = false;
        return false;
      case EventType::kKey: return !key_pressed(e.key, key);
      case EventType::kClose: key = Key::kClose; return true;
      case EventType::kWheel: return false;  // the host's own, never delivered
    }
    host_.report_unexpected(e);
    return false;
  }

  // An edge within reach of the pointer, and not nearer the opposite one,
  // is grabbed and jumps to the pointer.
  void press(int x, int y) {
    dragging_ = true;
    auto grab = [&](int& edge, int other, int p, bool& hold) {
      const int d = std::abs(p - edge);
      if (d <= kGrabDistance && d <= std::abs(p - other)) {
        edge = p;
        hold = true;
      }
    };
    grab(box_.x1, box_.x2, x, hold_x1_);
    grab(box_.x2, box_.x1, x, hold_x2_);
    grab(box_.y1, box_.y2, y, hold_y1_);
    grab(box_.y2, box_.y1, y, hold_y2_);
    region_ = region(x, y);
  }

  // Crossing an edge while the button is held grabs it; held edges follow.
  void drag(int x, int y) {
    const int now = region(x, y);
    const int old = region_;
    const int x_part = now % 4;
    const int y_part = now - x_part;
    if (!hold_x1_ && !hold_x2_) {
      if ((now == 5 && old == 4) || (old == 5 && x_part == 0) || (old == 4 && now == 6)) {
        hold_x1_ = true;
      } else if ((now == 5 && old == 6) || (old == 5 && x_part == 2) || (old == 6 && now == 4)) {
        hold_x2_ = true;
      }
    }
    if (!hold_y1_ && !hold_y2_) {
      if ((now == 5 && old == 1) || (old == 5 && y_part == 0) || (old == 1 && now == 9)) {
        hold_y1_ = true;
      } else if ((now == 5 && old == 9) || (old == 5 && y_part == 8) || (old == 9 && now == 1)) {
        hold_y2_ = true;
      }
    }
    const int cx = std::clamp(x, limits_.xmin, limits_.xmax);
    const int cy = std::clamp(y, limits_.ymin, limits_.ymax);
    if (hold_x1_) box_.x1 = cx;
    if (hold_x2_) box_.x2 = cx;
    if (hold_y1_) box_.y1 = cy;
    if (hold_y2_) box_.y2 = cy;
    region_ = 5;
  }

  // False when the key ends the operation.
  bool key_pressed(Key pressed, Key& key) {
    int& x = box_.second_active ? box_.x2 : box_.x1;
    int& y = box_.second_active ? box_.y2 : box_.y1;
    if (pressed == Key::kUp) y = std::min(y + step_, limits_.ymax);
    else if (pressed == Key::kDown) y = std::max(y - step_, limits_.ymin);
    else if (pressed == Key::kRight) x = std::min(x + step_, limits_.xmax);
    else if (pressed == Key::kLeft) x = std::max(x - step_, limits_.xmin);
    else if (pressed.is_letter('c')) box_.second_active = !box_.second_active;
    else if (pressed.is_letter('s')) step_ = 1;
    else if (pressed.is_letter('m')) step_ = 6;
    else if (pressed.is_letter('f')) step_ = 20;
    else {
      key = pressed;
      return false;
    }
    return true;
  }

  Host& host_;
  Box box_;
  Box shown_{};
  Limits limits_;
  int step_ = 20;
  bool dragging_ = false;
  bool hold_x1_ = false, hold_x2_ = false, hold_y1_ = false, hold_y2_ = false;
  int region_ = 5;
};

}  // namespace

BoxResult Host::rubber_band_rectangle(int x1, int y1, int x2, int y2, const Limits& limits) {
  const PointingHint hint(*this, kBoxHint);
  return RubberBandRectangle(*this, {x1, y1, x2, y2, false}, limits).run();
}

}  // namespace plv::host
