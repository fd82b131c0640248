#pragma once
// A window system with no window: input comes from a script, nothing is
// shown. It drives the whole editor in tests and headless runs, and keeps
// what the host asked of the platform (messages, cursor, pointer, menu) so
// tests can look at it.
//
// Script points are plot coordinates and text cells; they reach the host
// as the client pixels the real window would deliver. When the script has
// run out, every wait returns the window's close request.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/scripted/script.h"
#include "host/window_system.h"

namespace plv::host {

class ScriptedWindowSystem final : public WindowSystem {
 public:
  explicit ScriptedWindowSystem(std::vector<ScriptStep> steps, int client_width = 700, int client_height = 500);

  // Called at every wait with what the window shows then.
  void set_wait_observer(std::function<void(const Frame&)> observer) { observer_ = std::move(observer); }
  // Told of every message box as it is shown.
  void set_message_observer(std::function<void(const std::string& text, const std::string& title)> observer) {
    message_observer_ = std::move(observer);
  }
  // Makes create_window() fail, as when the platform refuses.
  void set_create_fails(bool fails) { create_fails_ = fails; }
  // Resizes the client area as the user would (0 x 0 with minimised).
  void resize(int width, int height, bool minimised = false);
  // Runs a menu command as if the user chose it.
  void choose_menu_command(Command command);
  void set_focus(bool focused);
  // Delivers a raw platform event (client pixels) before the script goes on.
  void push_event(const Event& event) { pending_.push_back(event); }
  void post_key(Key key) override { pending_.push_back({.type = EventType::kKey, .key = key}); }

  // Answers for the dialogs, taken in order; without one a dialog is cancelled.
  std::deque<std::optional<std::string>> open_file_answers;
  std::deque<std::optional<std::string>> save_file_answers;
  std::deque<std::optional<PageSetup>> page_setup_answers;
  std::deque<std::optional<PenWidths>> pen_width_answers;
  // Without one, closing with unwritten changes leaves without writing.
  std::deque<CloseAnswer> close_answers;
  // Without one, a file may be replaced.
  std::deque<bool> replace_answers;
  // The smooth surface the window offers; none by default, as headless.
  SmoothSurface* smooth = nullptr;
  SmoothSurface* smooth_surface() override { return smooth; }
  // Makes the print jobs; none by default, so printing fails.
  std::function<std::unique_ptr<PrintJob>()> print_jobs;
  bool printer_available = false;

  // What the host did.
  struct MessageBox {
    std::string text;
    std::string title;
    friend bool operator==(const MessageBox&, const MessageBox&) = default;
  };
  const std::vector<MessageBox>& messages() const { return messages_; }
  const std::vector<FileDialogRequest>& open_file_requests() const { return open_file_requests_; }
  const std::vector<FileDialogRequest>& save_file_requests() const { return save_file_requests_; }
  CursorShape cursor() const { return cursor_; }
  const std::vector<CursorShape>& cursor_history() const { return cursor_history_; }
  Point pointer() const { return pointer_; }
  const MenuState& menu() const { return menu_; }
  const std::string& caption() const { return caption_; }
  bool window_exists() const { return client_ != nullptr; }
  int repaints() const { return repaints_; }
  int clipboard_copies() const { return clipboard_copies_; }
  // Each question about unwritten changes asked: the drawing's name and the title.
  const std::vector<MessageBox>& close_questions() const { return close_questions_; }
  // Each question whether a file may be replaced: its path and the title.
  const std::vector<MessageBox>& replace_questions() const { return replace_questions_; }
  std::size_t steps_left() const { return steps_.size() - next_step_; }

  // --- WindowSystem ---
  bool create_window(const WindowSpec& window_spec, WindowClient& client) override;
  void destroy_window() override;
  Event wait_event() override;
  bool key_waiting() override;
  void request_close() override;
  void repaint() override;
  void present() override {}
  void set_caption(std::string_view caption) override { caption_ = caption; }
  void set_status(const StatusLine& status) override { status_ = status; }
  const StatusLine& status() const { return status_; }
  void update_menu(const MenuState& menu) override { menu_ = menu; }
  void set_cursor(CursorShape shape) override;
  void warp_pointer(Point client_pixel) override { pointer_ = client_pixel; }
  void message_box(std::string_view text, std::string_view title) override;
  // Kept as a message box titled "About" and the window's title.
  void about_box(const AboutText& about, std::string_view title) override;
  // Shown as message boxes are.
  void show_text(std::string_view text, std::string_view title) override { message_box(text, title); }
  void show_manual(std::string_view title) override { message_box("(the manual page)", title); }
  CloseAnswer ask_unwritten_changes(std::string_view name, std::string_view title) override;
  bool ask_to_replace(std::string_view path, std::string_view title) override;
  std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override;
  std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override;
  // Takes the words after the export command's file; without them the
  // drawing's own choices stand.
  bool export_choices_dialog(ExportChoices& choices) override;
  bool page_setup_dialog(PageSetup& values) override;
  bool pen_width_dialog(PenWidths& values) override;
  bool choose_printer(bool ask_user) override;
  std::unique_ptr<PrintJob> start_print_job(std::string_view document_name) override;
  void copy_to_clipboard(const Frame& frame) override;

 private:
  // Turns the next script step into the events it stands for.
  void expand_next_step();
  // A menu command with its dialog answered by the step's arguments.
  void run_command(const ScriptStep& step);
  void close_step(const ScriptStep& step);
  Event pointer_event(EventType type, Point pixel, int button);

  std::vector<ScriptStep> steps_;
  std::size_t next_step_ = 0;
  std::deque<Event> pending_;
  int width_;
  int height_;
  WindowClient* client_ = nullptr;
  bool create_fails_ = false;
  std::function<void(const Frame&)> observer_;
  std::function<void(const std::string&, const std::string&)> message_observer_;

  std::vector<MessageBox> messages_;
  std::vector<FileDialogRequest> open_file_requests_;
  std::vector<FileDialogRequest> save_file_requests_;
  CursorShape cursor_ = CursorShape::kArrow;
  std::vector<CursorShape> cursor_history_;
  Point pointer_;
  MenuState menu_;
  std::string caption_;
  int repaints_ = 0;
  int clipboard_copies_ = 0;
  std::vector<MessageBox> close_questions_;
  std::vector<MessageBox> replace_questions_;
  StatusLine status_;
  // What a scripted command's dialog answers.
  std::string clipboard_path_;
  std::vector<std::string> page_setup_arguments_;
  std::vector<std::string> pen_width_arguments_;
  std::vector<std::string> export_choice_arguments_;
};

// The text screen as 25 lines, trailing blanks removed, each ending in a newline.
std::string screen_text(const TextGrid& grid);

}  // namespace plv::host
