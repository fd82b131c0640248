#pragma once
// The picture: the drawing primitives the graphics kernel calls, the
// surfaces they draw on, the plot buffer that records them, and replay.
//
// Primitives take plot coordinates. Each one is drawn at once on every
// active surface (the window, the backing bitmap, and while printing or
// exporting an output surface) and appended to the plot buffer, so that
// the window can be repainted and the picture printed by replaying it.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "host/colour_rules.h"
#include "host/plot_buffer.h"
#include "host/raster.h"
#include "host/transforms.h"

namespace plv::host {

inline constexpr std::string_view kPlotBufferFullMessage = "Plot buffer is full";

// Where an output surface (printer page, metafile) takes the picture.
struct OutputTarget {
  Surface* surface = nullptr;
  OutputTransform transform;
  bool takes_colour = false;
  int pen_width = 1;
};

class Picture {
 public:
  using Reporter = std::function<void(std::string_view)>;

  // The backing bitmap starts at 640 x 452, the window surface empty until
  // the first client size arrives.
  explicit Picture(PlotBuffer buffer = PlotBuffer());

  // --- primitives (plot coordinates) ---
  void draw_line(int x1, int y1, int x2, int y2);
  void draw_rectangle(int x1, int y1, int x2, int y2);
  // (x1, y1) is the left-top corner, (x2, y2) the right-bottom one; each
  // inset is 0 or 1 and takes one pixel off that edge.
  void draw_filled_rectangle(int x1, int y1, int x2, int y2, int left_inset, int right_inset,
                             int top_inset, int bottom_inset);
  // At most 10 vertices are used.
  void draw_polygon(const std::int16_t* xs, const std::int16_t* ys, int n);
  void set_colour(int red, int green, int blue);
  void set_colour_grey(int red, int green, int blue, int grey);
  void set_colour_index(int black_bg_index, int white_bg_index, int black_bg_grey, int white_bg_darkness);

  // --- surfaces ---
  // A new client size: the window surface takes it and the scale follows.
  void set_client_size(int width, int height);
  // Replaces the backing bitmap by one of the client size, marked invalid.
  void renew_bitmap();
  void set_background(bool black);
  void set_colour_window(bool colour);
  // Fills the window surface and the backing bitmap with the background.
  void erase();
  // A new picture: empties the plot buffer and erases.
  void clear();
  // Repaint: a block copy of the backing bitmap while it is valid, else a
  // replay onto the window (which rebuilds the bitmap).
  void paint_window();
  // Whether paint_window() will replay rather than copy.
  bool needs_replay() const;
  // Replays the buffer onto the window and, when it is invalid, the bitmap.
  void replay_to_window();
  // Replays the buffer onto an output surface only; the window and the
  // bitmap are left alone.
  void replay_to_output(const OutputTarget& target);
  // What `draw` draws goes onto an output surface only, as it is drawn,
  // and is neither shown nor recorded: the page of a picture of any size
  // is made without holding the picture. It starts in the colour now in
  // force, as a replay after a clear would.
  void draw_to_output(const OutputTarget& target, const std::function<void()>& draw);
  // Draws with the inverting mix and without recording, so that drawing
  // the same thing again removes it (rubber-band feedback).
  void draw_feedback(const std::function<void()>& draw);

  // The palette the kernel realises for its colour mode. Colours reach the
  // surfaces as plain RGB, so it is kept for surfaces that need a palette
  // of their own; drawing does not depend on it.
  void realise_palette(std::span<const Rgb> entries) { palette_.assign(entries.begin(), entries.end()); }
  const std::vector<Rgb>& palette() const { return palette_; }

  // The smooth surface that follows the window surface from the next
  // replay on; none shows the exact raster alone. A picture of more than
  // kSmoothRecordLimit records is left exact, as smoothing it would keep
  // the user waiting; the next picture is smoothed again.
  static constexpr std::size_t kSmoothRecordLimit = 100'000;
  void set_smooth_surface(SmoothSurface* surface);
  bool drawn_smoothly() const { return smooth_ != nullptr; }

  void set_window_pen_width(int width);
  int window_pen_width() const { return window_pen_width_; }
  void invalidate_bitmap() { bitmap_valid_ = false; }
  bool bitmap_valid() const { return bitmap_valid_; }
  void set_reporter(Reporter reporter) { report_ = std::move(reporter); }
  // Hands the recorded plot records to `sink` whenever they reach `bytes`,
  // and empties the buffer: a batch tool prints a picture of any size in
  // bounded memory. The picture can then no longer be replayed.
  using RecordSink = std::function<void(std::span<const std::uint8_t>)>;
  void stream_records(RecordSink sink, std::size_t bytes);
  // Hands over what is left.
  void flush_stream();

  const PlotBuffer& buffer() const { return buffer_; }
  PlotBuffer& buffer() { return buffer_; }
  const Raster& window_surface() const { return window_; }
  const Raster& bitmap() const { return bitmap_; }
  const WindowTransform& transform() const { return transform_; }
  Rgb background() const { return black_background_ ? kBlack : kWhite; }
  bool black_background() const { return black_background_; }
  bool colour_window() const { return colour_window_; }
  // The colour the window surfaces draw with now.
  Rgb window_ink() const { return window_ink_; }
  bool recording() const { return recording_; }

 private:
  // The colour last set, kept so every surface can map it by its own rule.
  struct ColourState {
    ColourRequest request;
    std::optional<ColourIndex> index;  // set by a colour index record
  };

  void record(AppendResult result);
  RecordSink sink_;
  std::size_t sink_bytes_ = 0;
  void apply_colour();
  SurfaceContext context() const;
  void select_window_tools(std::optional<Pen> pen, std::optional<Rgb> brush);
  void select_output_tools(std::optional<Pen> pen, std::optional<Rgb> brush);
  void forget_tools();
  // Drawing goes to `target` alone, from a fresh pen and brush.
  void only_to_output(const OutputTarget& target);
  void reset_switches();
  void replay_records();
  // Draws on the window surface and, when there is one, the smooth one.
  template <typename Draw>
  void on_window(const Draw& draw) {
    draw(window_);
    if (smooth_) draw(*smooth_);
  }

  PlotBuffer buffer_;
  Raster window_;
  Raster bitmap_;
  SmoothSurface* smooth_ = nullptr;         // drawn on now
  SmoothSurface* smooth_wanted_ = nullptr;  // drawn on while the picture is small
  std::size_t records_ = 0;                 // recorded since the picture was cleared
  // Takes up the smooth surface again, fresh, for a picture of `records`.
  void smooth_from_start(std::size_t records);
  WindowTransform transform_;
  Reporter report_;

  ColourState colour_;
  ColourState colour_at_clear_;
  Rgb window_ink_ = kBlack;
  Rgb output_ink_ = kBlack;
  int pen_width_ = 1;
  int window_pen_width_ = 1;

  // What was last selected into the window surfaces and the output surface.
  struct Tools {
    std::optional<std::optional<Pen>> pen;
    std::optional<std::optional<Rgb>> brush;
  };
  Tools window_tools_;
  Tools output_tools_;

  bool draw_window_ = true;
  bool draw_bitmap_ = true;
  bool recording_ = true;
  bool bitmap_valid_ = true;
  std::optional<OutputTarget> output_;

  bool black_background_ = false;
  bool colour_window_ = true;
  std::vector<Rgb> palette_;
};

}  // namespace plv::host
