#include "host/picture.h"

#include <algorithm>
#include <utility>

namespace plv::host {
namespace {

constexpr int kInitialBitmapWidth = 640;
constexpr int kInitialBitmapHeight = 452;

}  // namespace

Picture::Picture(PlotBuffer buffer)
    : buffer_(std::move(buffer)), bitmap_(kInitialBitmapWidth, kInitialBitmapHeight, kWhite) {}

void Picture::record(AppendResult result) {
  if (++records_ > kSmoothRecordLimit) smooth_ = nullptr;
  if (result == AppendResult::kBecameFull && report_) report_(kPlotBufferFullMessage);
  if (sink_ && buffer_.bytes().size() >= sink_bytes_) flush_stream();
}

void Picture::stream_records(RecordSink sink, std::size_t bytes) {
  sink_ = std::move(sink);
  sink_bytes_ = bytes;
}

void Picture::flush_stream() {
  if (!sink_ || buffer_.bytes().empty()) return;
  sink_(buffer_.bytes());
  buffer_.clear();
}

// --- colour ---

SurfaceContext Picture::context() const {
  return {.window_active = draw_window_ || draw_bitmap_,
          .output_active = output_.has_value(),
          .output_takes_colour = output_ && output_->takes_colour,
          .black_background = black_background_,
          .colour_window = colour_window_};
}

void Picture::apply_colour() {
  if (colour_.index) {
    window_ink_ = output_ink_ = index_colour(*colour_.index, context());
    return;
  }
  window_ink_ = window_colour(colour_.request, black_background_, colour_window_);
  output_ink_ = output_colour(colour_.request, output_ && output_->takes_colour);
}

void Picture::set_colour(int red, int green, int blue) {
  colour_ = {{{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)},
              std::nullopt},
             std::nullopt};
  if (recording_) record(buffer_.append_colour(red, green, blue));
  apply_colour();
}

void Picture::set_colour_grey(int red, int green, int blue, int grey_level) {
  colour_ = {{{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(blue)},
              grey_level & 0xFF},
             std::nullopt};
  if (recording_) record(buffer_.append_colour_grey(red, green, blue, grey_level));
  apply_colour();
}

void Picture::set_colour_index(int black_bg_index, int white_bg_index, int black_bg_grey, int white_bg_darkness) {
  colour_.index = ColourIndex{black_bg_index & 0xFF, white_bg_index & 0xFF, black_bg_grey & 0xFF,
                              white_bg_darkness & 0xFF};
  if (recording_) {
    record(buffer_.append_colour_index(black_bg_index, white_bg_index, black_bg_grey, white_bg_darkness));
  }
  apply_colour();
}

// --- pens and brushes ---

// Pens and brushes are handed to a surface only when they differ from
// what it already holds.
void Picture::select_window_tools(std::optional<Pen> pen, std::optional<Rgb> brush) {
  if (window_tools_.pen != pen) {
    on_window([&](auto& w) { w.select_pen(pen); });
    bitmap_.select_pen(pen);
    window_tools_.pen = pen;
  }
  if (window_tools_.brush != brush) {
    on_window([&](auto& w) { w.select_brush(brush); });
    bitmap_.select_brush(brush);
    window_tools_.brush = brush;
  }
}

void Picture::select_output_tools(std::optional<Pen> pen, std::optional<Rgb> brush) {
  if (output_tools_.pen != pen) {
    output_->surface->select_pen(pen);
    output_tools_.pen = pen;
  }
  if (output_tools_.brush != brush) {
    output_->surface->select_brush(brush);
    output_tools_.brush = brush;
  }
}

void Picture::forget_tools() {
  window_tools_ = {};
  output_tools_ = {};
}

void Picture::set_smooth_surface(SmoothSurface* surface) {
  smooth_wanted_ = surface;
  smooth_from_start(records_);
  bitmap_valid_ = false;  // the next paint draws it whole
}

void Picture::smooth_from_start(std::size_t records) {
  smooth_ = records <= kSmoothRecordLimit ? smooth_wanted_ : nullptr;
  forget_tools();
  if (smooth_) smooth_->reset(window_.width(), window_.height(), background());
}

void Picture::set_window_pen_width(int width) {
  window_pen_width_ = std::max(width, 1);
  if (!output_) pen_width_ = window_pen_width_;
}

// --- primitives ---

void Picture::draw_line(int x1, int y1, int x2, int y2) {
  if (draw_window_ || draw_bitmap_) {
    select_window_tools(Pen{window_ink_, pen_width_}, std::nullopt);
    const Point a = transform_.to_pixel(x1, y1);
    const Point b = transform_.to_pixel(x2, y2);
    if (draw_window_) on_window([&](auto& w) { w.line(a, b); });
    if (draw_bitmap_) bitmap_.line(a, b);
  }
  if (output_) {
    select_output_tools(Pen{output_ink_, pen_width_}, std::nullopt);
    output_->surface->line(output_->transform.to_device(x1, y1), output_->transform.to_device(x2, y2));
  }
  if (recording_) record(buffer_.append_line(x1, y1, x2, y2));
}

void Picture::draw_rectangle(int x1, int y1, int x2, int y2) {
  auto outline = [](Surface& surface, Point a, Point b) {
    surface.rectangle(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
  };
  if (draw_window_ || draw_bitmap_) {
    select_window_tools(Pen{window_ink_, pen_width_}, std::nullopt);
    const Point a = transform_.to_pixel(x1, y1);
    const Point b = transform_.to_pixel(x2, y2);
    if (draw_window_) on_window([&](auto& w) { outline(w, a, b); });
    if (draw_bitmap_) outline(bitmap_, a, b);
  }
  if (output_) {
    select_output_tools(Pen{output_ink_, pen_width_}, std::nullopt);
    outline(*output_->surface, output_->transform.to_device(x1, y1), output_->transform.to_device(x2, y2));
  }
  if (recording_) record(buffer_.append_rectangle(x1, y1, x2, y2));
}

void Picture::draw_filled_rectangle(int x1, int y1, int x2, int y2, int left_inset, int right_inset,
                                    int top_inset, int bottom_inset) {
  const int l_in = left_inset ? 1 : 0;
  const int r_in = right_inset ? 1 : 0;
  const int t_in = top_inset ? 1 : 0;
  const int b_in = bottom_inset ? 1 : 0;
  // Pixel corners after the insets, left-top first.
  auto inset = [&](Point a, Point b) {
    return std::pair{Point{std::min(a.x, b.x) + l_in, std::min(a.y, b.y) + t_in},
                     Point{std::max(a.x, b.x) - r_in, std::max(a.y, b.y) - b_in}};
  };
  if (draw_window_ || draw_bitmap_) {
    auto corners = inset(transform_.to_pixel(x1, y1), transform_.to_pixel(x2, y2));
    Point& lt = corners.first;
    Point& rb = corners.second;
    if (draw_window_) {
      // The window gets the rectangle one pixel wider on every side; the
      // bitmap follows it so that a block copy shows the same picture.
      lt = {lt.x - 1, lt.y - 1};
      rb = {rb.x + 1, rb.y + 1};
      select_window_tools(std::nullopt, window_ink_);
      on_window([&](auto& w) { w.rectangle(lt.x, lt.y, rb.x + 1, rb.y + 1); });
    }
    if (draw_bitmap_) {
      select_window_tools(Pen{window_ink_, 1}, window_ink_);
      bitmap_.rectangle(lt.x, lt.y, rb.x + 1, rb.y + 1);
    }
  }
  if (output_) {
    const OutputTransform& t = output_->transform;
    const auto [lt, rb] = inset(t.to_device(x1, y1), t.to_device(x2, y2));
    select_output_tools(Pen{output_ink_, 1}, output_ink_);
    output_->surface->rectangle(lt.x, lt.y, rb.x + 1, rb.y + 1);
  }
  if (recording_) {
    const auto flags = static_cast<std::uint8_t>((l_in ? kInsetLeft : 0) | (r_in ? kInsetRight : 0) |
                                                 (t_in ? kInsetTop : 0) | (b_in ? kInsetBottom : 0));
    record(buffer_.append_filled_rectangle(x1, y1, x2, y2, flags));
  }
}

void Picture::draw_polygon(const std::int16_t* xs, const std::int16_t* ys, int n) {
  n = std::min(n, kMaxPolygonVertices);
  if (n < 1) return;
  Point pixels[kMaxPolygonVertices];
  if (draw_window_ || draw_bitmap_) {
    for (int i = 0; i < n; ++i) pixels[i] = transform_.to_pixel(xs[i], ys[i]);
    select_window_tools(Pen{window_ink_, 1}, window_ink_);
    if (draw_window_) on_window([&](auto& w) { w.polygon({pixels, static_cast<std::size_t>(n)}); });
    if (draw_bitmap_) bitmap_.polygon({pixels, static_cast<std::size_t>(n)});
  }
  if (output_) {
    for (int i = 0; i < n; ++i) pixels[i] = output_->transform.to_device(xs[i], ys[i]);
    select_output_tools(Pen{output_ink_, 1}, output_ink_);
    output_->surface->polygon({pixels, static_cast<std::size_t>(n)});
  }
  if (recording_) record(buffer_.append_polygon(xs, ys, n));
}

// --- surfaces ---

void Picture::set_client_size(int width, int height) {
  transform_ = WindowTransform::for_client(width, height);
  window_.reset(width, height, background());
  if (smooth_) smooth_->reset(width, height, background());
  forget_tools();
}

void Picture::renew_bitmap() {
  bitmap_.reset(window_.width(), window_.height(), background());
  forget_tools();
  bitmap_valid_ = false;
}

void Picture::set_background(bool black) {
  black_background_ = black;
  apply_colour();
}

void Picture::set_colour_window(bool colour) {
  colour_window_ = colour;
  apply_colour();
}

void Picture::erase() {
  window_.fill(background());
  if (smooth_) smooth_->fill(background());
  bitmap_.fill(background());
}

void Picture::clear() {
  flush_stream();
  buffer_.clear();
  records_ = 0;
  smooth_from_start(0);
  colour_at_clear_ = colour_;
  erase();
  bitmap_valid_ = true;
}

void Picture::draw_feedback(const std::function<void()>& draw) {
  const bool was_recording = recording_;
  recording_ = false;
  on_window([](auto& w) { w.set_mix(Mix::kInvert); });
  bitmap_.set_mix(Mix::kInvert);
  draw();
  on_window([](auto& w) { w.set_mix(Mix::kCopy); });
  bitmap_.set_mix(Mix::kCopy);
  recording_ = was_recording;
}

}  // namespace plv::host
