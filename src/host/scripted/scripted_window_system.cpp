#include "host/scripted/scripted_window_system.h"

#include "host/transforms.h"

namespace plv::host {

ScriptedWindowSystem::ScriptedWindowSystem(std::vector<ScriptStep> steps, int client_width, int client_height)
    : steps_(std::move(steps)), width_(client_width), height_(client_height) {}

bool ScriptedWindowSystem::create_window(const WindowSpec& window_spec, WindowClient& client) {
  if (create_fails_) return false;
  client_ = &client;
  caption_ = window_spec.caption;
  menu_ = window_spec.menu;
  client_->client_resized(width_, height_, false);
  repaint();
  return true;
}

void ScriptedWindowSystem::destroy_window() { client_ = nullptr; }

void ScriptedWindowSystem::resize(int width, int height, bool minimised) {
  if (!minimised) {
    width_ = width;
    height_ = height;
  }
  if (!client_) return;
  client_->client_resized(width, height, minimised);
  if (!minimised) repaint();
}

void ScriptedWindowSystem::choose_menu_command(int command) {
  if (client_ && menu_.enabled(command)) client_->menu_command(command);
}

void ScriptedWindowSystem::set_focus(bool focused) {
  if (client_) client_->focus_changed(focused);
}

void ScriptedWindowSystem::repaint() {
  if (!client_) return;
  ++repaints_;
  client_->paint();
}

Event ScriptedWindowSystem::pointer_event(EventType type, Point pixel, int button) {
  pointer_ = pixel;
  Event e;
  e.type = type;
  e.x = pixel.x;
  e.y = pixel.y;
  e.button = button;
  return e;
}

void ScriptedWindowSystem::expand_next_step() {
  if (next_step_ >= steps_.size()) {
    pending_.push_back({.type = EventType::kClose});
    return;
  }
  const ScriptStep& s = steps_[next_step_++];
  const WindowTransform transform = WindowTransform::for_client(width_, height_);
  switch (s.kind) {
    case ScriptStep::Kind::kKey: pending_.push_back({.type = EventType::kKey, .key = s.key}); break;
    case ScriptStep::Kind::kClick: {
      const TextLayout layout = choose_text_layout(width_, height_);
      const Point origin = layout.cell_origin(s.a - 1, s.b - 1);
      const Point centre{origin.x + layout.char_width / 2, origin.y + layout.line_height / 2};
      pending_.push_back(pointer_event(EventType::kButtonPress, centre, s.button));
      pending_.push_back(pointer_event(EventType::kButtonRelease, centre, s.button));
      break;
    }
    case ScriptStep::Kind::kPick: {
      const Point p = transform.to_pixel(s.a, s.b);
      pending_.push_back(pointer_event(EventType::kButtonPress, p, s.button));
      pending_.push_back(pointer_event(EventType::kButtonRelease, p, s.button));
      break;
    }
    case ScriptStep::Kind::kMove:
      pending_.push_back(pointer_event(EventType::kPointerMove, transform.to_pixel(s.a, s.b), 0));
      break;
    case ScriptStep::Kind::kDrag: {
      const Point from = transform.to_pixel(s.a, s.b);
      const Point to = transform.to_pixel(s.c, s.d);
      pending_.push_back(pointer_event(EventType::kButtonPress, from, s.button));
      pending_.push_back(pointer_event(EventType::kPointerMove, to, 0));
      pending_.push_back(pointer_event(EventType::kButtonRelease, to, s.button));
      break;
    }
    case ScriptStep::Kind::kClose: pending_.push_back({.type = EventType::kClose}); break;
  }
}

Event ScriptedWindowSystem::wait_event() {
  if (observer_ && client_) observer_(client_->frame());
  if (pending_.empty()) expand_next_step();
  const Event e = pending_.front();
  pending_.pop_front();
  if (e.type != EventType::kKey && e.type != EventType::kClose) pointer_ = {e.x, e.y};
  return e;
}

bool ScriptedWindowSystem::key_waiting() {
  if (pending_.empty() && next_step_ < steps_.size()) expand_next_step();
  return !pending_.empty() && pending_.front().type == EventType::kKey;
}

void ScriptedWindowSystem::request_close() { pending_.push_front({.type = EventType::kClose}); }

void ScriptedWindowSystem::set_cursor(CursorShape shape) {
  cursor_ = shape;
  cursor_history_.push_back(shape);
}

void ScriptedWindowSystem::message_box(std::string_view text, std::string_view title) {
  messages_.push_back({std::string(text), std::string(title)});
}

namespace {

template <typename T>
std::optional<T> take(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  auto answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

std::optional<std::string> ScriptedWindowSystem::open_file_dialog(const FileDialogRequest& request) {
  open_file_requests_.push_back(request);
  return take(open_file_answers);
}

std::optional<std::string> ScriptedWindowSystem::save_file_dialog(const FileDialogRequest&) {
  return take(save_file_answers);
}

bool ScriptedWindowSystem::page_setup_dialog(PageSetup& values) {
  const auto answer = take(page_setup_answers);
  if (answer) values = *answer;
  return answer.has_value();
}

bool ScriptedWindowSystem::pen_width_dialog(PenWidths& values) {
  const auto answer = take(pen_width_answers);
  if (answer) values = *answer;
  return answer.has_value();
}

bool ScriptedWindowSystem::choose_printer(bool) { return printer_available; }

std::unique_ptr<PrintJob> ScriptedWindowSystem::start_print_job(std::string_view) {
  return print_jobs ? print_jobs() : nullptr;
}

void ScriptedWindowSystem::copy_to_clipboard(const Frame&) { ++clipboard_copies_; }

std::string screen_text(const TextGrid& grid) {
  std::string out;
  for (int row = 0; row < kTextRows; ++row) out += grid.line(row) + "\n";
  return out;
}

}  // namespace plv::host
