#include "host/scripted/scripted_window_system.h"

#include <algorithm>
#include <cctype>
#include <csignal>

#include <utility>

#include "host/page_setup_fields.h"
#include "host/pdf_print_job.h"
#include "host/transforms.h"
#include "image/png_writer.h"
#include "text/whole_file.h"

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

void ScriptedWindowSystem::choose_menu_command(Command command) {
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
    case ScriptStep::Kind::kClose: close_step(s); break;
    case ScriptStep::Kind::kCommand: run_command(s); break;
    case ScriptStep::Kind::kWheel: {
      Event wheel = pointer_event(EventType::kWheel, transform.to_pixel(s.a, s.b), 0);
      wheel.steps = s.c;
      pending_.push_back(wheel);
      break;
    }
    case ScriptStep::Kind::kReplace: replace_answers.push_back(s.arguments.front() == "yes"); break;
    // The program ends as a crash or a power cut would end it: at once,
    // with nothing written and nothing cleaned up.
    case ScriptStep::Kind::kKill: ::raise(SIGKILL); break;
  }
}

void ScriptedWindowSystem::run_command(const ScriptStep& s) {
  const std::optional<std::string> file = s.arguments.empty() ? std::nullopt : std::optional(s.arguments[0]);
  switch (s.command) {
    case Command::kPrintDialog:
    case Command::kPrint:
      // A PDF file stands for the printer; without one there is none.
      printer_available = file.has_value();
      print_jobs = nullptr;
      if (file) print_jobs = [path = *file, this] { return std::make_unique<PdfPrintJob>(path, caption_); };
      break;
    case Command::kExportDrawing:
      export_choice_arguments_.assign(s.arguments.begin() + (file ? 1 : 0), s.arguments.end());
      [[fallthrough]];
    case Command::kWriteTiff:
    case Command::kWriteMetafile: save_file_answers.push_front(file); break;
    case Command::kCopy: clipboard_path_ = file.value_or(""); break;
    case Command::kImportFigure: open_file_answers.push_front(file); break;
    case Command::kPageSetup: page_setup_arguments_ = s.arguments; break;
    case Command::kPenWidth: pen_width_arguments_ = s.arguments; break;
    default: break;
  }
  choose_menu_command(s.command);
}

Event ScriptedWindowSystem::wait_event() {
  if (observer_ && client_) observer_(client_->frame());
  while (pending_.empty()) expand_next_step();  // a menu command makes no event
  const Event e = pending_.front();
  pending_.pop_front();
  if (e.type != EventType::kKey && e.type != EventType::kClose) pointer_ = {e.x, e.y};
  return e;
}

bool ScriptedWindowSystem::key_waiting() {
  if (pending_.empty() && next_step_ < steps_.size()) expand_next_step();
  return !pending_.empty() && pending_.front().type == EventType::kKey;
}

void ScriptedWindowSystem::close_step(const ScriptStep& s) {
  if (!s.arguments.empty()) {
    const std::string& a = s.arguments.front();
    close_answers.push_back(a == "write" ? CloseAnswer::kWrite : a == "leave" ? CloseAnswer::kLeave : CloseAnswer::kCancel);
    if (client_ && !client_->close_confirmed()) return;
  }
  pending_.push_back({.type = EventType::kClose});
}

CloseAnswer ScriptedWindowSystem::ask_unwritten_changes(std::string_view name, std::string_view title) {
  close_questions_.push_back({std::string(name), std::string(title)});
  if (close_answers.empty()) return CloseAnswer::kLeave;  // as closing did before it asked
  const CloseAnswer answer = close_answers.front();
  close_answers.pop_front();
  return answer;
}

bool ScriptedWindowSystem::ask_to_replace(std::string_view path, std::string_view title) {
  replace_questions_.push_back({std::string(path), std::string(title)});
  if (replace_answers.empty()) return true;  // as writing did before it asked
  const bool answer = replace_answers.front();
  replace_answers.pop_front();
  return answer;
}

void ScriptedWindowSystem::request_close() { pending_.push_front({.type = EventType::kClose}); }

void ScriptedWindowSystem::set_cursor(CursorShape shape) {
  cursor_ = shape;
  cursor_history_.push_back(shape);
}

void ScriptedWindowSystem::message_box(std::string_view text, std::string_view title) {
  messages_.push_back({std::string(text), std::string(title)});
  if (message_observer_) message_observer_(messages_.back().text, messages_.back().title);
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

std::optional<std::string> ScriptedWindowSystem::save_file_dialog(const FileDialogRequest& request) {
  save_file_requests_.push_back(request);
  return take(save_file_answers);
}

bool ScriptedWindowSystem::export_choices_dialog(ExportChoices& choices) {
  for (const std::string& word : std::exchange(export_choice_arguments_, {})) {
    auto named = [&word](std::string_view name) {
      return !word.empty() && name.size() >= word.size() &&
             std::equal(word.begin(), word.end(), name.begin(),
                        [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    };
    const auto face = std::find_if(choices.typefaces.begin(), choices.typefaces.end(), named);
    if (word == "colour" || word == "mono") {
      choices.colour = word == "colour";
    } else if (face != choices.typefaces.end()) {
      choices.typeface = static_cast<int>(face - choices.typefaces.begin());
    } else {
      message_box("\"" + word + "\" is neither colour, mono nor a lettering offered", "Export the drawing");
      return false;
    }
  }
  return true;
}

bool ScriptedWindowSystem::page_setup_dialog(PageSetup& values) {
  if (!page_setup_arguments_.empty()) {
    std::vector<std::string> a = std::exchange(page_setup_arguments_, {});
    if (a.size() > 3) values.landscape = a[3] == "landscape";  // the buttons act at once
    const auto read = a.size() >= 3 ? read_page_setup(a[0], a[1], a[2], values) : std::nullopt;
    if (!read) message_box(kPageSetupError, kPageSetupErrorTitle);
    if (read) values = *read;
    return read.has_value();
  }
  const auto answer = take(page_setup_answers);
  if (answer) values = *answer;
  return answer.has_value();
}

bool ScriptedWindowSystem::pen_width_dialog(PenWidths& values) {
  if (!pen_width_arguments_.empty()) {
    std::vector<std::string> a = std::exchange(pen_width_arguments_, {});
    const auto read = a.size() == 3 ? read_pen_widths(a[0], a[1], a[2]) : std::nullopt;
    if (!read) message_box(kPenWidthError, kPenWidthErrorTitle);
    if (read) values = *read;
    return read.has_value();
  }
  const auto answer = take(pen_width_answers);
  if (answer) values = *answer;
  return answer.has_value();
}

bool ScriptedWindowSystem::choose_printer(bool) { return printer_available; }

std::unique_ptr<PrintJob> ScriptedWindowSystem::start_print_job(std::string_view) {
  return print_jobs ? print_jobs() : nullptr;
}

void ScriptedWindowSystem::copy_to_clipboard(const Frame& frame) {
  ++clipboard_copies_;
  const std::string path = std::exchange(clipboard_path_, {});
  if (path.empty()) return;
  // The picture as an image, the text screen as its text.
  const FileResult saved = frame.graphics && frame.picture ? image::write_png(frame.picture->image(), path)
                           : frame.text                    ? write_whole_file(path, screen_text(*frame.text))
                                                           : FileResult{"nothing is shown"};
  if (!saved.ok()) message_box(saved.error, caption_);
}

void ScriptedWindowSystem::about_box(const AboutText& about, std::string_view title) {
  std::string text = about.heading;
  for (const std::string& line : about.notice) text += "\n" + line;
  message_box(text, "About " + std::string(title));
}

std::string screen_text(const TextGrid& grid) {
  std::string out;
  for (int row = 0; row < kTextRows; ++row) out += grid.line(row) + "\n";
  return out;
}

}  // namespace plv::host
