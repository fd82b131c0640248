#pragma once
// The graphics kernel: the drawing calls the editor makes. It maps user
// coordinates onto plot coordinates, clips, keeps the pen, manages colour
// modes and palettes, switches between the picture and the text screen and
// runs the pointer operations, all through the host.
//
// Calls named after the kernel's own routines (gkmove, gkdraw, ...) are the
// top layer and multiply y by the aspect factor; the direct calls (move,
// draw, box_filled, ...) take y as given.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "image/pcx_writer.h"
#include "kernel/colour_calls.h"
#include "kernel/colour_rules.h"
#include "kernel/device_transform.h"
#include "kernel/palettes.h"
#include "kernel/stroke_font_layout.h"

namespace plv::kernel {

// Each answer carries the key that ended the operation, as the host's
// rubber bands and pick report it.
struct BoxAnswer {
  float x1, y1, x2, y2;  // ordered: x1 <= x2, y1 <= y2
  host::Key key;
};

struct PointAnswer {
  float x, y;
  host::Key key;
};

struct LineAnswer {
  float x1, y1, x2, y2;
  host::Key key;
};

// Pointer limits in user units.
struct UserLimits {
  float xmin, xmax, ymin, ymax;
};

// How a page starts: the picture erased first, or kept as it stands.
enum class PageStart { kErased = 0, kKept = 1 };
// How a page ends: shown with a key awaited ("F" dumps the screen), or
// closed at once.
enum class Flush { kShowAndWait = 0, kClose = 1 };
// Whether lines are cut at the clip window or drawn over the whole plot range.
enum class Clipping { kOff, kOn };

class Kernel {
 public:
  // `dump_directory` is where screen dumps are written.
  explicit Kernel(host::Host& host, std::filesystem::path dump_directory = ".");

  // --- window and pages ---
  void gkopen(std::string_view caption);
  void gkpage(PageStart start);
  void gkgraph();
  void gkalpha();
  // Any value but the two named is a fault: the user is told and the
  // program ends with status 1.
  void tekflush(Flush flush);
  // tekflush(Flush::kShowAndWait), answering the key that ended the wait; none when no
  // page was open.
  host::Key show_page_and_wait();
  // Ends the program with the given exit status.
  [[noreturn]] void gkexit(int status = 0);

  // --- pen (top layer) ---
  void gkmove(float x, float y);
  void gkdraw(float x, float y);
  void gkwhere(float& x, float& y) const;
  // Size, direction 0-3, text: a string from the pen in the stroke font.
  void gkchars(float size, int direction, std::string_view text);
  static void gkunitv(float& dx, float& dy, float x2, float y2, float x1, float y1, float& length);

  // --- direct calls ---
  void move(float x, float y);
  void draw(float x, float y);
  // Bits 0-3 of flags: left, right, top, bottom edge not inset.
  void box_filled(float x1, float y1, float x2, float y2, int flags);
  void quad_filled(const std::array<float, 8>& corners);
  void set_char_size(float width, float height);
  void set_advance(float ax, float ay);
  void set_rotation(float s, float c);
  // The first n characters of text from the pen, which ends after them.
  void draw_string(int n, std::string_view text);

  // --- colour ---
  void lcmode(int imode);
  void gkcolor(int index);
  void gkrgb(float red, float green, float blue);
  void gkgrey(int level);
  void gkscale(int scale, float value);  // scales 1, 2 and 3

  // --- clipping and aspect ---
  void gkclip(float xmin, float xmax, float ymin, float ymax);
  void gkclipon(Clipping clipping) { clipping_ = clipping == Clipping::kOn; }
  // Where lines can show, in the top layer's coordinates: the clip window,
  // or the whole plot range while clipping is off.
  Rect visible_window() const { return clipping_ ? clip_ : kPlotRange; }
  void set_aspect(float a) { aspect_ = a; }
  float aspect() const { return aspect_; }

  // --- input ---
  BoxAnswer gkrbox(float x1, float y1, float x2, float y2, const UserLimits& limits);
  PointAnswer gkpick(float x, float y, const UserLimits& limits);
  LineAnswer gkrline(float x1, float y1, float x2, float y2, const UserLimits& limits, int mode);
  // Shows what was drawn so far and returns the next key; Key::kClose
  // when the window is closed.
  host::Key gkkey();
  // Key::kEnter when a key is waiting, else Key::kNone.
  host::Key gkpeek();

  // --- state, for the editor and tests ---
  KernelMode colour_mode() const { return colours_.mode(); }
  int palette_set() const { return colours_.palette_set(); }
  int colour_index() const { return colours_.index(); }
  bool page_open() const { return page_open_; }
  const DeviceTransform& window_transform() const { return slots_[0]; }
  host::Host& host() { return host_; }
  // Writes the picture as the next MDLnnn.PCX; the path, or empty on failure.
  std::string dump_screen();
  // The palette a dump is written in: the one the picture is drawn from.
  image::PcxPalette dump_palette() const;

 private:
  struct Pen {
    double x = 0, y = 0;
    std::array<DevicePoint, 2> device{};
  };

  void open_page();
  void ensure_graphics_mode();
  void apply(const ColourEffect& effect);
  void line_on_window(DevicePoint from, DevicePoint to);
  host::Limits to_plot_limits(const UserLimits& limits) const;
  float x_back(int device_x, float given, int given_device) const;
  float y_back(int device_y, float given, int given_device) const;

  host::Host& host_;
  std::filesystem::path dump_directory_;
  std::array<DeviceTransform, 2> slots_{};
  ColourCalls colours_;
  Pen pen_;
  Rect clip_ = kUserWindow;
  bool clipping_ = false;
  float aspect_ = 1.0f;
  bool page_open_ = false;
  bool erase_pending_ = false;
  int dump_counter_ = 0;
  StringSettings string_;

};

}  // namespace plv::kernel
