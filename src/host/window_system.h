#pragma once
// The one seam between the host and the platform. Everything the host can
// compute is portable; a WindowSystem provides the window itself, its input,
// its dialogs and the clipboard. The Qt window implements it for people;
// the scripted window system implements it for tests and headless runs.
//
// While the host waits in wait_event() the platform keeps handling the
// window's own messages, calling back into the WindowClient: painting,
// resizing, menu commands and dialogs all run inside the editor's wait.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/events.h"
#include "host/host_settings.h"
#include "image/pixels.h"
#include "host/raster.h"
#include "host/status_line.h"
#include "host/text_grid.h"
#include "host/text_layout.h"
#include "host/window_menu.h"

namespace plv::host {

enum class CursorShape { kArrow, kCrosshair, kIBeam, kHourglass };

// What the window shows: the picture in graphics mode, else the text screen.
struct Frame {
  bool graphics = false;
  const Raster* picture = nullptr;  // client-sized, drawn by the host
  bool smooth = false;              // the window shows its smooth surface instead
  const TextGrid* text = nullptr;
  TextLayout layout;                // cells, font size and margins
  bool black_background = false;    // text colours follow attribute_colours()
  bool caret_visible = false;
  int caret_row = 0;                // zero-based cell of the caret
  int caret_column = 0;
};

// The answer to closing with changes the drawing's file lacks.
enum class CloseAnswer { kWrite, kLeave, kCancel };

struct WindowSpec {
  std::string caption;
  MenuState menu;
  bool black_background = false;
  // Where the window stood when last closed; none the first time.
  std::optional<WindowPlace> place;
};

// Printed page margins and width in hundredths of an inch.
struct PageSetup {
  int left_margin = 100;
  int top_margin = 100;
  int width = 650;
  bool landscape = false;
};

struct PenWidths {
  int window = 1;
  int printer = 2;
  int metafile = 2;
};

struct FileDialogRequest {
  std::string title;
  std::string directory;
  std::string file_name;
  // Pairs of description and pattern, such as "All Files (*.*)" and "*.*".
  std::vector<std::pair<std::string, std::string>> filters;
  int filter_index = 1;  // one-based
  std::string default_extension;
  bool read_only_box = false;
};

// What File, Export asks besides the file: the ink and the lettering. The
// drawing's own setup line gives the defaults.
struct ExportChoices {
  bool colour = false;
  std::vector<std::string> typefaces;  // the lettering offered, in order
  int typeface = 0;                    // which of them
};

// What the About box says: the program and its version, then the notice
// the start-up screen shows. The platform adds what it knows of itself.
struct AboutText {
  std::string heading = "plivet";
  std::vector<std::string> notice;
};

// A document being printed: one page, drawn through its surface.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual int dots_per_inch_x() const = 0;
  virtual int dots_per_inch_y() const = 0;
  virtual int scale_percent() const = 0;  // the printer's own scaling, 0 if none
  virtual bool colour() const = 0;
  virtual Surface& page() = 0;
  // A picture stretched over the box at (left, top), `width` x `height`
  // dots; false when the printer takes no pictures.
  virtual bool place_picture(const image::Pixels& /*pixels*/, int /*left*/, int /*top*/, int /*width*/,
                             int /*height*/) {
    return false;
  }
  // Ends the page and the document; false if the printer refused.
  virtual bool finish() = 0;
  // Why the job failed, where it can say (a file that could not be
  // written names itself and the system's reason); empty otherwise.
  virtual std::string failure() const { return {}; }
};

// The host's side, called by the platform.
class WindowClient {
 public:
  virtual ~WindowClient() = default;
  // The client area changed size; a minimised window keeps its picture.
  virtual void client_resized(int width, int height, bool minimised) = 0;
  // The window must be repainted: brings the picture up to date (possibly
  // replaying it) and returns what to show.
  virtual Frame paint() = 0;
  // What to show now, without any work: for showing drawing as it happens.
  virtual Frame frame() const = 0;
  virtual void menu_command(Command command) = 0;
  virtual void focus_changed(bool focused) = 0;
  virtual CursorShape cursor_shape() const = 0;
  // The session is ending; false refuses (the user is told why).
  virtual bool may_end_session() = 0;
  // The user asked to close the window: false keeps it open (the user was
  // asked about unwritten changes and cancelled, or they could not be written).
  virtual bool close_confirmed() = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Creates the main window and attaches the client; the first
  // client_resized() tells the client its size. False when it failed.
  virtual bool create_window(const WindowSpec& window_spec, WindowClient& client) = 0;
  virtual void destroy_window() = 0;
  // Where the window stands now, to open there next time; none when the
  // platform has no place to tell.
  virtual std::optional<WindowPlace> window_place() const { return std::nullopt; }
  // Where the window's picture may be drawn smoothly at the display's
  // resolution; none where only the exact raster can be shown.
  virtual SmoothSurface* smooth_surface() { return nullptr; }

  // Blocks until the next input event, handling the window's own messages
  // meanwhile. Positions are client pixels. Keys are host::Key: function
  // and arrow keys by name, other keys by the character they type.
  virtual Event wait_event() = 0;
  // True when a key press is waiting; it stays waiting.
  virtual bool key_waiting() = 0;
  // Closing from the window's menu: the next wait returns a close event.
  virtual void request_close() = 0;
  // A key for the program, as if it had been typed (the window's own menu
  // sends Undo and Redo so).
  virtual void post_key(Key key) = 0;

  // Repaint now through WindowClient::paint().
  virtual void repaint() = 0;
  // The picture or text screen was drawn on; show WindowClient::frame().
  virtual void present() = 0;
  virtual void set_caption(std::string_view caption) = 0;
  virtual void set_status(const StatusLine& status) = 0;
  virtual void update_menu(const MenuState& menu) = 0;
  virtual void set_cursor(CursorShape shape) = 0;
  // Moves the system pointer to a client pixel.
  virtual void warp_pointer(Point client_pixel) = 0;

  // An OK box titled `title`.
  virtual void message_box(std::string_view text, std::string_view title) = 0;
  virtual void about_box(const AboutText& about, std::string_view title) = 0;
  // A text to read, in a fixed-pitch face, titled `title`.
  virtual void show_text(std::string_view text, std::string_view title) = 0;
  // The manual page of the program.
  virtual void show_manual(std::string_view title) = 0;
  // Asks whether to write the drawing `name` before closing, titled `title`.
  virtual CloseAnswer ask_unwritten_changes(std::string_view name, std::string_view title) = 0;
  // Asks whether the file at `path` may be replaced; true: yes.
  virtual bool ask_to_replace(std::string_view path, std::string_view title) = 0;
  virtual std::optional<std::string> open_file_dialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> save_file_dialog(const FileDialogRequest& request) = 0;
  // Edits the choices in place; false when cancelled.
  virtual bool export_choices_dialog(ExportChoices& choices) = 0;
  // The dialogs edit the values in place and return true on OK.
  virtual bool page_setup_dialog(PageSetup& values) = 0;
  virtual bool pen_width_dialog(PenWidths& values) = 0;
  // With ask_user the print dialog; without, the default printer if none
  // was chosen yet. False when no printer is chosen.
  virtual bool choose_printer(bool ask_user) = 0;
  // A print job on the chosen printer; null when it cannot be reached.
  virtual std::unique_ptr<PrintJob> start_print_job(std::string_view document_name) = 0;
  // Puts what the frame shows on the clipboard as an image.
  virtual void copy_to_clipboard(const Frame& frame) = 0;
};

}  // namespace plv::host
