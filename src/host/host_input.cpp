// Waiting for input, and the switch between the picture and the text screen.

#include "host/host.h"

namespace plv::host {

Event Host::wait_event() {
  if (!graphics_mode_ && !caret_visible_) show_caret(true);
  Event event;
  do {
    update_title();
    update_status();
    event = window_system_.wait_event();
    const bool positioned = event.type == EventType::kButtonPress || event.type == EventType::kButtonRelease ||
                            event.type == EventType::kPointerMove || event.type == EventType::kWheel;
    if (positioned && graphics_mode_) {
      const Point plot = picture_.transform().to_plot(event.x, event.y);
      pointer_plot_ = plot;
      event.x = plot.x;
      event.y = plot.y;
    }
  } while (took_view_event(event));
  return event;
}

bool Host::took_view_event(const Event& e) {
  const bool middle = (e.type == EventType::kButtonPress || e.type == EventType::kButtonRelease) &&
                      e.button == kMiddleButton;
  if (e.type != EventType::kWheel && !middle) return false;
  if (!view_changes_allowed()) {
    pan_from_.reset();
  } else if (e.type == EventType::kWheel) {
    keeper_->zoom_view(e.steps, {e.x, e.y});
  } else if (e.type == EventType::kButtonPress) {
    pan_from_ = Point{e.x, e.y};
  } else if (pan_from_) {
    keeper_->pan_view(*pan_from_, {e.x, e.y});
    pan_from_.reset();
  }
  return true;
}

Key Host::wait_key() {
  for (;;) {
    const Event event = wait_event();
    if (event.type == EventType::kKey) return event.key;
    if (event.type == EventType::kClose) return Key::kClose;
  }
}

Key Host::peek_key() { return window_system_.key_waiting() ? Key::kEnter : Key::kNone; }

void Host::set_picture_commands(bool enabled) {
  menu_.picture_commands_enabled = enabled;
  window_system_.update_menu(menu_);
}

void Host::enter_graphics_mode(bool keep) {
  graphics_mode_ = true;
  caret_visible_ = false;
  if (keep) {
    window_system_.repaint();
  } else {
    picture_.clear();
    window_system_.present();
  }
  set_picture_commands(true);
}

void Host::leave_graphics_mode(bool keep_text) {
  graphics_mode_ = false;
  if (!keep_text) text_.clear();
  window_system_.repaint();
  show_caret(true);
  set_picture_commands(false);
}

void Host::set_pointer(int x, int y) { window_system_.warp_pointer(picture_.transform().to_pixel(x, y)); }

void Host::set_crosshair(bool on) {
  crosshair_ = on;
  update_cursor();
}

void Host::set_ibeam(bool on) {
  ibeam_ = on;
  update_cursor();
}

void Host::report_unexpected(const Event& event) {
  message("Received an event of type " + std::to_string(static_cast<int>(event.type)));
}

}  // namespace plv::host
