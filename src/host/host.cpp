#include "host/host.h"

#include <cmath>
#include <utility>

#include "host/program_exit.h"

namespace plv::host {

Host::Host(WindowSystem& window_system, std::filesystem::path settings_path, PlotBuffer buffer)
    : window_system_(window_system), settings_path_(std::move(settings_path)), picture_(std::move(buffer)) {
  picture_.set_reporter([this](std::string_view text) { message(text); });
}

void Host::set_caption(std::string_view caption) {
  caption_ = std::string(caption.substr(0, kMaxCaptionLength));
  shown_title_ = caption_;
  if (window_created_) window_system_.set_caption(caption_);
}

void Host::message(std::string_view text) { window_system_.message_box(text, caption_); }

void Host::update_title() {
  const std::string title = keeper_ ? window_title(caption_, keeper_->name(), keeper_->unwritten_changes()) : caption_;
  if (title == shown_title_) return;
  shown_title_ = title;
  if (window_created_) window_system_.set_caption(title);
}

void Host::update_status() {
  if (keeper_ && keeper_->unwritten_changes()) status_note_.clear();  // a write told is out of date
  StatusLine now{pointing_hint_.empty()        ? status_note_
                 : pointing_subject_.empty() ? pointing_hint_
                                             : pointing_subject_ + ". " + pointing_hint_,
                 {}};
  if (graphics_mode_ && pointer_plot_ && keeper_) {
    if (const auto p = keeper_->drawing_point(pointer_plot_->x, pointer_plot_->y)) {
      now.position = "X " + std::to_string(std::lround(p->first)) + "  Y " + std::to_string(std::lround(p->second));
    }
  }
  if (now == status_) return;
  status_ = std::move(now);
  if (window_created_) window_system_.set_status(status_);
}

bool Host::close_confirmed() {
  if (!keeper_ || !keeper_->unwritten_changes()) return true;
  switch (window_system_.ask_unwritten_changes(keeper_->name(), caption_)) {
    case CloseAnswer::kLeave: return true;  // the recovery copy keeps the changes
    case CloseAnswer::kCancel: return false;
    case CloseAnswer::kWrite: break;
  }
  const std::string failure = keeper_->write();
  if (failure.empty()) return true;
  message(failure);
  return false;
}

bool Host::create_window() {
  if (!settings_path_.empty()) settings_ = read_host_settings(settings_path_, settings_);
  apply_background();
  picture_.set_colour_window(settings_.colour_window != 0);
  text_.clear();
  picture_.clear();
  graphics_mode_ = false;
  crosshair_ = false;
  ibeam_ = false;
  menu_.colour_checked = settings_.colour_window != 0;
  menu_.black_background_checked = settings_.black_background != 0;
  menu_.exact_pixels_checked = settings_.exact_pixels.value_or(false);
  menu_.picture_commands_enabled = false;
  const WindowSpec window_spec{caption_, menu_, settings_.black_background != 0, settings_.window_place};
  if (!window_system_.create_window(window_spec, *this)) {
    message("Failed to register window class");
    return false;
  }
  window_created_ = true;
  torn_down_ = false;
  if (window_system_.smooth_surface()) {
    settings_.exact_pixels = settings_.exact_pixels.value_or(false);
    show_smoothly(!*settings_.exact_pixels);
  }
  update_cursor();
  return true;
}

void Host::end_program(int status) {
  if (window_created_) {
    if (auto place = window_system_.window_place()) settings_.window_place = place;
  }
  if (const FileResult written = settings_path_.empty() ? FileResult{} : write_host_settings(settings_path_, settings_);
      !written.ok()) {
    message("Could not write the settings file " + settings_path_.string() + ": " + written.error);
  }
  if (!torn_down_) {
    torn_down_ = true;
    overlay_ = nullptr;
    picture_.set_smooth_surface(nullptr);  // it goes with the window
    if (window_created_) window_system_.destroy_window();
    window_created_ = false;
  }
  throw ProgramExit{status};
}

void Host::apply_background() { picture_.set_background(settings_.black_background != 0); }

// --- platform callbacks ---

void Host::client_resized(int width, int height, bool minimised) {
  if (minimised) return;  // the picture and its scale stay as they were
  client_width_ = width;
  client_height_ = height;
  picture_.set_client_size(width, height);
  if (picture_.bitmap().width() != width || picture_.bitmap().height() != height) picture_.renew_bitmap();
  layout_ = choose_text_layout(width, height);
}

Frame Host::paint() {
  if (graphics_mode_ && picture_.needs_replay()) {
    replaying_ = true;
    window_system_.set_cursor(CursorShape::kHourglass);
    picture_.paint_window();
    replaying_ = false;
    update_cursor();
    redraw_overlay();
  } else if (graphics_mode_) {
    picture_.paint_window();
  }
  return frame();
}

Frame Host::frame() const {
  Frame f;
  f.graphics = graphics_mode_;
  f.picture = &picture_.window_surface();
  f.smooth = picture_.drawn_smoothly();
  f.text = &text_;
  f.layout = layout_;
  f.black_background = picture_.black_background();
  f.caret_visible = !graphics_mode_ && caret_visible_ && focused_;
  f.caret_row = text_.row();
  f.caret_column = std::min(text_.column(), kTextColumns - 1);
  return f;
}

void Host::focus_changed(bool focused) {
  focused_ = focused;
  if (!graphics_mode_) window_system_.present();
}

CursorShape Host::cursor_shape() const {
  if (replaying_) return CursorShape::kHourglass;
  if (crosshair_) return CursorShape::kCrosshair;
  if (ibeam_) return CursorShape::kIBeam;
  return CursorShape::kArrow;
}

bool Host::may_end_session() {
  message("Application still active");
  return false;
}

void Host::update_cursor() { window_system_.set_cursor(cursor_shape()); }

void Host::redraw_overlay() {
  if (overlay_) overlay_();
}

void Host::show_overlay(std::function<void()> draw) {
  draw();
  overlay_ = std::move(draw);
  show_picture();
}

void Host::hide_overlay() {
  const std::function<void()> draw = std::move(overlay_);
  overlay_ = nullptr;
  if (draw) draw();
  show_picture();
}

// --- text screen ---

void Host::show_caret(bool visible) {
  caret_visible_ = visible;
  if (!graphics_mode_) window_system_.present();
}

void Host::write_text(std::string_view text, std::uint8_t attribute) {
  text_.write(text, attribute);
  if (!graphics_mode_) window_system_.present();
}

void Host::set_text_cell(int row, int column) {
  text_.set_cell(row, column);
  if (!graphics_mode_) window_system_.present();
}

void Host::clear_text() {
  text_.clear();
  menu_keys_.clear();
  if (!graphics_mode_) window_system_.present();
}

}  // namespace plv::host
