#pragma once
// The host window layer: the one window, its settings, the picture and the
// text screen it shows, and the input the editor waits for. The graphics
// kernel and the screen toolkit call it; it talks to the platform only
// through a WindowSystem.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/drawing_export.h"
#include "host/figure_import.h"
#include "host/drawing_keeper.h"
#include "image/pixels.h"
#include "host/events.h"
#include "host/file_open_fields.h"
#include "host/host_settings.h"
#include "host/picture.h"
#include "host/text_grid.h"
#include "host/text_layout.h"
#include "host/window_system.h"

namespace plv::host {

inline constexpr std::string_view kDefaultCaption = "ORV Lab";
inline constexpr std::size_t kMaxCaptionLength = 23;
inline constexpr std::string_view kNoPlotBufferMessage = "Can't allocate memory for plot buffer";

// The rubber-band rectangle's answer: the corners ordered, and the key
// that ended it (Enter for a right click or a click right of the limits).
struct BoxResult {
  int xlow, ylow, xhigh, yhigh;
  Key key;
};

struct LineResult {
  int x1, y1, x2, y2;
  Key key;
};

// How a rubber-band line starts: which end the pointer moves first, and
// whether a left click switches to the other end.
struct LineBandMode {
  bool first_end_active = false;
  bool ends_switch = true;
  // The kernel's numeric mode: 1 or -1 start with the first end; only a
  // positive mode lets the user switch ends.
  static constexpr LineBandMode from_code(int mode) { return {mode == 1 || mode == -1, mode > 0}; }
};

// The picked point; key is the button's pointer press for a click, the
// key for a key (the point unchanged), or Key::kClose.
struct PickResult {
  int x, y;
  Key key;
};

struct Limits {
  int xmin, ymin, xmax, ymax;
};

// Host settings neither read nor written: a batch tool's picture.
inline const std::filesystem::path kNoHostSettings{};

class Host final : public WindowClient {
 public:
  // `settings_path` empty (kNoHostSettings): the defaults, nothing read or written.
  Host(WindowSystem& window_system, std::filesystem::path settings_path, PlotBuffer buffer = PlotBuffer());

  // --- window and settings ---
  // At most 23 characters are kept; set before the window is created.
  void set_caption(std::string_view caption);
  const std::string& caption() const { return caption_; }
  // Reads the settings and creates the window; false (after telling the
  // user) when the platform could not.
  bool create_window();
  // Writes the settings, closes the window and ends the program by
  // throwing ProgramExit{0}.
  [[noreturn]] void end_program(int status = 0);
  // An OK box titled with the caption.
  void message(std::string_view text);
  // What the window's About box shows.
  void set_about(AboutText about) { about_ = std::move(about); }
  // Who writes the drawing when the File menu's Export is chosen; none:
  // the user is told there is nothing to export.
  void set_drawing_exporter(DrawingExporter* exporter) { exporter_ = exporter; }
  void set_figure_importer(FigureImporter* importer) { importer_ = importer; }
  // Who names the drawing in the title and writes it when the user asks on
  // closing; none: the title is the caption and closing asks nothing.
  void set_drawing_keeper(DrawingKeeper* keeper) { keeper_ = keeper; }
  // A picture printed on a printer the user chooses, at the page's margins:
  // `draw` makes it for the printer's resolution and says how large it is
  // (in dots of that resolution); nothing from it prints nothing.
  struct PrintedPicture {
    image::OwnedPixels pixels;
    int width_dots = 0, height_dots = 0;
  };
  enum class PrintOutcome { kPrinted, kCancelled, kFailed };
  PrintOutcome print_picture(const std::function<std::optional<PrintedPicture>(int dots_per_inch)>& draw);
  // Asks the user whether the file at `path`, which exists, may be replaced.
  bool may_replace(std::string_view path) { return window_system_.ask_to_replace(path, caption_); }
  // The platform's open-file dialog: the chosen path, nothing when cancelled.
  std::optional<std::string> open_file_dialog(const FileDialogRequest& request) {
    return window_system_.open_file_dialog(request);
  }
  // The directory and name the file selection joined last; the export
  // dialogs start from them.
  ExportNames& export_names() { return export_names_; }
  const ExportNames& export_names() const { return export_names_; }

  // --- picture ---
  Picture& picture() { return picture_; }
  const Picture& picture() const { return picture_; }
  // Shows what the primitives drew since the last call.
  void show_picture() { if (graphics_mode_) window_system_.present(); }

  // --- input and modes ---
  // The next event; positions in plot coordinates in graphics mode.
  Event wait_event();
  // The next key, or Key::kClose when the window is closed; other events
  // are passed over.
  Key wait_key();
  // Key::kEnter when a key is waiting, else Key::kNone; the key stays waiting.
  Key peek_key();
  // Makes the next wait return the window's close request again, for a
  // close that arrived where nobody could act on it.
  void repeat_close() { window_system_.request_close(); }
  // keep: repaint the picture as it was; otherwise erase it and start a new one.
  void enter_graphics_mode(bool keep);
  // keep_text: show the text screen as it was; otherwise clear it.
  void leave_graphics_mode(bool keep_text);
  bool graphics_mode() const { return graphics_mode_; }
  // Moves the pointer to a plot point.
  void set_pointer(int x, int y);
  void set_crosshair(bool on);
  void set_ibeam(bool on);

  BoxResult rubber_band_rectangle(int x1, int y1, int x2, int y2, const Limits& limits);
  LineResult rubber_band_line(int x1, int y1, int x2, int y2, const Limits& limits, LineBandMode mode);
  PickResult pick_point(int x, int y);

  // Feedback drawn inverted over the picture, such as a rubber band: drawn
  // and shown now, and drawn again after every replay of the picture until
  // hidden, which draws it once more and so takes it off.
  void show_overlay(std::function<void()> draw);
  void hide_overlay();
  // Tells the user of an event no wait expected.
  void report_unexpected(const Event& event);

  // --- status line ---
  // An outcome to tell at the window's foot, such as a write; it stays
  // until another is told or the drawing changes.
  void tell_status(std::string note) { status_note_ = std::move(note); }
  const StatusLine& status() const { return status_; }
  // What the pointing to come places, such as "Circle: pick its centre (1 of
  // 3)", said before what the buttons and keys do; empty: nothing more.
  void set_pointing_subject(std::string subject) { pointing_subject_ = std::move(subject); }

  // --- help ---
  // A key legend of the menu on the text screen, for Help, Keys; a cleared
  // screen has none.
  void add_menu_key(std::string legend) { menu_keys_.push_back(std::move(legend)); }

  // --- the view, by the mouse ---
  // While on, the wheel zooms the shown picture about the pointer and the
  // middle button drags it, through the drawing's keeper; only while the
  // whole drawing is shown and nothing is being pointed at.
  void set_view_by_mouse(bool on) { view_by_mouse_ = on; }
  bool view_by_mouse() const { return view_by_mouse_; }
  const std::string& pointing_subject() const { return pointing_subject_; }

  // --- text screen ---
  void write_text(std::string_view text, std::uint8_t attribute);
  // One-based row and column.
  void set_text_cell(int row, int column);
  void clear_text();
  const TextGrid& text() const { return text_; }
  const TextLayout& text_layout() const { return layout_; }

  // --- state ---
  const HostSettings& settings() const { return settings_; }
  const MenuState& menu() const { return menu_; }
  bool caret_visible() const { return caret_visible_; }
  Point client_size() const { return {client_width_, client_height_}; }

  // --- WindowClient ---
  void client_resized(int width, int height, bool minimised) override;
  Frame paint() override;
  Frame frame() const override;
  void menu_command(Command command) override;
  void focus_changed(bool focused) override;
  CursorShape cursor_shape() const override;
  bool may_end_session() override;
  bool close_confirmed() override;

 private:
  void apply_background();
  void show_caret(bool visible);
  void update_cursor();
  void set_picture_commands(bool enabled);
  void repaint_picture();
  void toggle_colour();
  void toggle_background();
  void toggle_exact_pixels();
  void show_smoothly(bool smoothly);
  void page_setup();
  void pen_width();
  void print();
  void tell_print_failed(const PrintJob* job);
  void write_tiff();
  void write_metafile();
  void export_drawing();
  void import_figure();
  // The save dialog for an export, starting where the file selection was.
  std::optional<std::string> ask_export_path(std::string_view filter_name, std::string_view pattern,
                                             std::string_view extension, std::string default_name);
  // Draws the shown overlay again after a replay.
  void redraw_overlay();
  // Shows the drawing's name and state in the title when they changed.
  void update_title();
  // Shows the status line when it changed.
  void update_status();
  // Acts on the wheel and the middle button, which the editor never sees:
  // true when `event` was one of them.
  bool took_view_event(const Event& event);
  // A picture of the whole drawing waits, with nothing being pointed at.
  bool view_changes_allowed() const {
    return graphics_mode_ && view_by_mouse_ && keeper_ && !overlay_ && pointing_hint_.empty();
  }
  friend class PointingHint;

  WindowSystem& window_system_;
  std::filesystem::path settings_path_;
  HostSettings settings_;
  std::string caption_{kDefaultCaption};
  Picture picture_;
  TextGrid text_;
  TextLayout layout_ = choose_text_layout(640, 452);
  MenuState menu_;
  ExportNames export_names_;
  AboutText about_;

  int client_width_ = 0;
  int client_height_ = 0;
  bool window_created_ = false;
  bool torn_down_ = false;
  bool graphics_mode_ = false;
  bool caret_visible_ = false;
  bool focused_ = true;
  bool crosshair_ = false;
  bool ibeam_ = false;
  bool replaying_ = false;
  // While an overlay is on screen: how to draw it again.
  std::function<void()> overlay_;
  DrawingExporter* exporter_ = nullptr;
  FigureImporter* importer_ = nullptr;
  DrawingKeeper* keeper_ = nullptr;
  StatusLine status_;
  std::string status_note_;
  std::string pointing_hint_;
  std::string pointing_subject_;
  bool view_by_mouse_ = false;
  std::vector<std::string> menu_keys_;
  std::optional<Point> pan_from_;
  std::optional<Point> pointer_plot_;  // the pointer on the picture, last seen
  std::string shown_title_{kDefaultCaption};
};

}  // namespace plv::host
