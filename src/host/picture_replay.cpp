// Replay: the plot buffer drawn again, record by record, through the same
// primitives with recording switched off.

#include <algorithm>

#include "host/picture.h"
#include "host/plot_reader.h"

namespace plv::host {

void Picture::replay_records() {
  PlotReader reader(buffer_.bytes());
  PlotRecord r;
  // The buffer starts in the colour that was current when it was cleared;
  // afterwards drawing goes on in the colour it had before the replay.
  const ColourState live = colour_;
  colour_ = colour_at_clear_;
  apply_colour();
  while (reader.next(r)) {
    switch (r.kind) {
      case RecordKind::kLine: draw_line(r.x[0], r.y[0], r.x[1], r.y[1]); break;
      case RecordKind::kRectangle: draw_rectangle(r.x[0], r.y[0], r.x[1], r.y[1]); break;
      case RecordKind::kFilledRectangle:
        draw_filled_rectangle(r.x[0], r.y[0], r.x[1], r.y[1], r.bytes[0] & kInsetLeft, r.bytes[0] & kInsetRight,
                              r.bytes[0] & kInsetTop, r.bytes[0] & kInsetBottom);
        break;
      case RecordKind::kColour: set_colour(r.bytes[0], r.bytes[2], r.bytes[1]); break;
      case RecordKind::kColourGrey: set_colour_grey(r.bytes[0], r.bytes[2], r.bytes[1], r.bytes[3]); break;
      case RecordKind::kColourIndex: set_colour_index(r.bytes[0], r.bytes[1], r.bytes[2], r.bytes[3]); break;
      case RecordKind::kPolygon: draw_polygon(r.x.data(), r.y.data(), r.n); break;
    }
  }
  colour_ = live;
}

void Picture::reset_switches() {
  draw_window_ = true;
  draw_bitmap_ = true;
  output_.reset();
  recording_ = true;
  pen_width_ = window_pen_width_;
  forget_tools();
  apply_colour();
}

void Picture::replay_to_window() {
  recording_ = false;
  draw_window_ = true;
  draw_bitmap_ = !bitmap_valid_;
  output_.reset();
  pen_width_ = window_pen_width_;
  forget_tools();
  replay_records();
  reset_switches();
  bitmap_valid_ = true;
}

void Picture::only_to_output(const OutputTarget& target) {
  recording_ = false;
  draw_window_ = false;
  draw_bitmap_ = false;
  output_ = target;
  pen_width_ = std::max(target.pen_width, 1);
  forget_tools();
}

void Picture::replay_to_output(const OutputTarget& target) {
  if (target.surface == nullptr) return;
  only_to_output(target);
  replay_records();
  reset_switches();
}

void Picture::draw_to_output(const OutputTarget& target, const std::function<void()>& draw) {
  if (target.surface == nullptr) return;
  const bool was_recording = recording_;
  only_to_output(target);
  apply_colour();
  // The switches go back even when drawing is given up half-way.
  struct Restore {
    Picture& picture;
    bool recording;
    ~Restore() {
      picture.reset_switches();
      picture.recording_ = recording;
    }
  } restore{*this, was_recording};
  draw();
}

bool Picture::needs_replay() const {
  return !bitmap_valid_ || bitmap_.width() != window_.width() || bitmap_.height() != window_.height();
}

void Picture::paint_window() {
  if (!needs_replay()) {
    window_.copy_pixels_from(bitmap_);
    return;
  }
  smooth_from_start(records_);
  erase();
  bitmap_valid_ = false;
  replay_to_window();
}

}  // namespace plv::host
