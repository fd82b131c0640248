#pragma once
// The real window, on Qt Widgets. A QApplication must exist (QtApplication
// makes one) before the window is created.
//
// The blocking wait runs a nested event loop until input arrives, so
// painting, resizing, the window menu and its modal dialogs all work while
// the editor waits. Qt's handlers only queue events; a wait started while
// another is running is a programming error and is refused.

#include <chrono>
#include <memory>
#include <string>

#include "host/event_queue.h"
#include "host/window_system.h"

class QEventLoop;
class QPrinter;
class QString;

namespace plv::host {

class Canvas;
class MainWindow;

struct QtWindowOptions {
  int client_width = 700;  // the client size asked for
  int client_height = 500;
  // Opens where the window stood when last closed, or over most of the
  // screen the first time; otherwise at the client size asked for.
  bool place_as_before = true;
};

class QtWindowSystem final : public WindowSystem {
 public:
  explicit QtWindowSystem(QtWindowOptions options = {});
  ~QtWindowSystem() override;
  QtWindowSystem(const QtWindowSystem&) = delete;
  QtWindowSystem& operator=(const QtWindowSystem&) = delete;

  // The window and its client area while the window exists; for tests and tools.
  MainWindow* main_window() const { return window_.get(); }
  Canvas* canvas() const { return canvas_; }
  // Prints into a PDF file from now on, as the print dialog's "Print to
  // File" does; for tests, which cannot answer the dialog.
  void print_to_pdf_file(const QString& path);

  // --- WindowSystem ---
  bool create_window(const WindowSpec& window_spec, WindowClient& client) override;
  void destroy_window() override;
  std::optional<WindowPlace> window_place() const override;
  Event wait_event() override;
  void post_key(Key key) override { enqueue({.type = EventType::kKey, .key = key}); }
  bool key_waiting() override;
  void request_close() override;
  void repaint() override;
  void present() override;
  void set_caption(std::string_view caption) override;
  void set_status(const StatusLine& status) override;
  CloseAnswer ask_unwritten_changes(std::string_view name, std::string_view title) override;
  bool ask_to_replace(std::string_view path, std::string_view title) override;
  void update_menu(const MenuState& menu) override;
  void set_cursor(CursorShape shape) override;
  void warp_pointer(Point client_pixel) override;
  void message_box(std::string_view text, std::string_view title) override;
  void about_box(const AboutText& about, std::string_view title) override;
  void show_text(std::string_view text, std::string_view title) override;
  void show_manual(std::string_view title) override;
  std::optional<std::string> open_file_dialog(const FileDialogRequest& request) override;
  std::optional<std::string> save_file_dialog(const FileDialogRequest& request) override;
  bool page_setup_dialog(PageSetup& values) override;
  bool pen_width_dialog(PenWidths& values) override;
  bool export_choices_dialog(ExportChoices& choices) override;
  SmoothSurface* smooth_surface() override;
  bool choose_printer(bool ask_user) override;
  std::unique_ptr<PrintJob> start_print_job(std::string_view document_name) override;
  void copy_to_clipboard(const Frame& frame) override;

 private:
  void enqueue(const Event& event);
  void show_window(const std::optional<WindowPlace>& place);

  QtWindowOptions options_;
  std::unique_ptr<MainWindow> window_;
  Canvas* canvas_ = nullptr;  // owned by the window
  WindowClient* client_ = nullptr;
  EventQueue queue_;
  QEventLoop* waiting_loop_ = nullptr;
  bool waiting_ = false;
  std::string caption_;
  std::unique_ptr<QPrinter> printer_;  // the one chosen; none until then
  std::chrono::steady_clock::time_point last_shown_{};
};

}  // namespace plv::host
