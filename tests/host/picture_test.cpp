#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/picture.h"

namespace plv::host {
namespace {

std::vector<int> bytes_of(const PlotBuffer& b) { return {b.bytes().begin(), b.bytes().end()}; }

// A 700 x 500 window: 5 plot units per pixel, plot (0, 0) at pixel (350, 250).
Picture window_picture() {
  Picture p;
  p.set_client_size(700, 500);
  p.renew_bitmap();
  p.clear();
  return p;
}

constexpr Rgb kBlue{0, 0, 255}, kGreen{0, 255, 0};

struct Expected {
  int x, y;
  Rgb colour;
};
void expect_pixels(const Raster& r, std::initializer_list<Expected> pixels) {
  for (const Expected& e : pixels) EXPECT_EQ(r.pixel(e.x, e.y), e.colour) << e.x << ", " << e.y;
}

int ink_in_row(const Raster& r, int y) {
  int n = 0;
  for (int x = 0; x < r.width(); ++x) n += r.pixel(x, y) != kWhite;
  return n;
}

TEST(Picture, PrimitivesDrawOnBothWindowSurfacesAndRecord) {
  Picture p = window_picture();
  p.set_colour(255, 0, 0);
  p.draw_line(0, 0, 50, 0);  // pixels 350..359 on row 250
  EXPECT_EQ(p.window_surface().pixel(350, 250), (Rgb{255, 0, 0}));
  EXPECT_EQ(p.bitmap().pixel(359, 250), (Rgb{255, 0, 0}));
  EXPECT_EQ(p.window_surface().pixel(360, 250), kWhite);
  EXPECT_EQ(ink_in_row(p.bitmap(), 250), 10);
  EXPECT_EQ(bytes_of(p.buffer()), (std::vector<int>{8, 255, 0, 0, 3, 0, 0, 0, 0, 50, 0, 0, 0}));
}

TEST(Picture, RectangleOutlineCoversBothCornerPixels) {
  Picture p = window_picture();
  p.set_colour(0, 0, 255);
  p.draw_rectangle(50, 0, 0, -50);  // pixels (350, 250) to (360, 260)
  expect_pixels(p.bitmap(), {{350, 250, kBlue}, {360, 260, kBlue}, {355, 255, kWhite}, {361, 260, kWhite}});
}

TEST(Picture, FilledRectangleInsetsTakeOnePixelEach) {
  Picture p = window_picture();
  p.set_colour(0, 255, 0);
  p.draw_filled_rectangle(0, 0, 50, -50, 0, 0, 0, 0);
  // The window draws it a pixel wider on every side, and the bitmap follows.
  expect_pixels(p.window_surface(), {{349, 249, kGreen}, {361, 261, kGreen}, {362, 261, kWhite}});
  EXPECT_EQ(p.bitmap().pixels(), p.window_surface().pixels());

  Picture q = window_picture();
  q.set_colour(0, 255, 0);
  q.draw_filled_rectangle(0, 0, 50, -50, 1, 1, 1, 1);
  expect_pixels(q.window_surface(), {{350, 250, kGreen}, {349, 250, kWhite}, {360, 260, kGreen}, {361, 260, kWhite}});
  EXPECT_EQ(q.buffer().bytes().back(), 15);
}

TEST(Picture, ColoursFollowTheBackgroundAndTheColourOption) {
  Picture p = window_picture();
  p.set_colour(255, 255, 255);
  EXPECT_EQ(p.window_ink(), kBlack);
  p.set_colour(0, 0, 0);
  EXPECT_EQ(p.window_ink(), kWhite);
  p.set_colour_window(false);
  p.set_colour(100, 50, 0);
  EXPECT_EQ(p.window_ink(), grey(200));
  p.set_background(true);
  p.set_colour_grey(100, 50, 0, 30);
  EXPECT_EQ(p.window_ink(), grey(30));
  p.set_colour_index(1, 2, 77, 10);
  EXPECT_EQ(p.window_ink(), grey(77));
  p.set_colour_window(true);
  EXPECT_EQ(p.window_ink(), (Rgb{255, 0, 0}));
  // The record keeps the values as given.
  EXPECT_EQ(bytes_of(p.buffer()).back(), 10);
}

TEST(Picture, ReplayRebuildsTheSamePicture) {
  Picture p = window_picture();
  p.set_colour(255, 0, 0);
  p.draw_line(-1000, -1000, 1000, 800);
  p.set_colour_grey(0, 0, 255, 100);
  const std::int16_t xs[] = {0, 400, 400};
  const std::int16_t ys[] = {0, 0, 300};
  p.draw_polygon(xs, ys, 3);
  p.set_colour_index(2, 4, 0, 0);
  p.draw_filled_rectangle(-500, 500, -300, 300, 0, 1, 0, 1);
  p.draw_rectangle(100, 100, 600, -600);
  const auto drawn = p.window_surface().pixels();
  const auto recorded = bytes_of(p.buffer());

  p.invalidate_bitmap();
  p.paint_window();
  EXPECT_EQ(p.window_surface().pixels(), drawn);
  EXPECT_EQ(p.bitmap().pixels(), drawn);
  EXPECT_TRUE(p.bitmap_valid());
  EXPECT_EQ(bytes_of(p.buffer()), recorded);  // a replay never records

  // A colour change invalidates and the replay shows the new rule.
  p.set_colour_window(false);
  p.invalidate_bitmap();
  p.paint_window();
  EXPECT_EQ(p.window_surface().pixel(420, 245), grey(155));  // inside the polygon: 255 - 100
}

TEST(Picture, RepaintFromAValidBitmapIsABlockCopy) {
  Picture p = window_picture();
  p.set_colour(255, 0, 0);
  p.draw_line(0, 0, 100, 0);
  p.draw_feedback([&] { p.draw_line(0, 100, 0, -100); });
  EXPECT_EQ(p.window_surface().pixel(350, 240), kBlack);  // white inverted
  p.paint_window();
  EXPECT_EQ(p.window_surface().pixel(350, 240), kBlack);  // still there: it is on the bitmap too
  EXPECT_EQ(p.buffer().count(), 13u);                      // feedback was not recorded
  p.draw_feedback([&] { p.draw_line(0, 100, 0, -100); });
  EXPECT_EQ(p.window_surface().pixel(350, 240), kWhite);
}

TEST(Picture, GrowthFailureStopsRecordingButNotDrawing) {
  Picture p(PlotBuffer(65536));
  std::vector<std::string> messages;
  p.set_reporter([&](std::string_view m) { messages.emplace_back(m); });
  p.set_client_size(700, 500);
  p.renew_bitmap();
  p.clear();
  p.set_colour(255, 0, 0);
  for (int i = 0; i < 8000; ++i) p.draw_line(-1000, 0, -900, 0);
  p.draw_line(0, 0, 100, 0);
  EXPECT_EQ(messages, (std::vector<std::string>{"Plot buffer is full"}));
  EXPECT_EQ(p.window_surface().pixel(355, 250), (Rgb{255, 0, 0}));
  // The repaint shows the picture as it was when the buffer filled.
  p.invalidate_bitmap();
  p.paint_window();
  EXPECT_EQ(p.window_surface().pixel(355, 250), kWhite);
  p.clear();
  p.draw_line(0, 0, 100, 0);
  EXPECT_EQ(p.buffer().count(), 9u);
}

TEST(Picture, EmptyReplayKeepsTheCurrentColour) {
  Picture p = window_picture();
  p.set_colour(255, 0, 0);
  p.clear();
  p.replay_to_window();
  EXPECT_EQ(p.window_ink(), (Rgb{255, 0, 0}));
  EXPECT_TRUE(p.recording());
  EXPECT_EQ(p.buffer().count(), 0u);
}

// Records every call, to check what an output surface receives.
class RecordingSurface final : public Surface {
 public:
  void select_pen(std::optional<Pen> pen) override { pen_ = pen; }
  void select_brush(std::optional<Rgb>) override {}
  void set_mix(Mix) override {}
  void line(Point a, Point b) override {
    calls.push_back("line " + std::to_string(a.x) + " " + std::to_string(a.y) + " " + std::to_string(b.x) + " " +
                    std::to_string(b.y) + " w" + std::to_string(pen_ ? pen_->width : 0) + " r" +
                    std::to_string(pen_ ? pen_->colour.red : -1));
  }
  void rectangle(int l, int t, int r, int b) override {
    calls.push_back("rect " + std::to_string(l) + " " + std::to_string(t) + " " + std::to_string(r) + " " +
                    std::to_string(b));
  }
  void polygon(std::span<const Point> v) override { calls.push_back("polygon " + std::to_string(v.size())); }
  std::vector<std::string> calls;

 private:
  std::optional<Pen> pen_;
};

TEST(Picture, ReplayOntoAnOutputSurfaceLeavesTheWindowAlone) {
  Picture p = window_picture();
  p.set_colour(10, 0, 0);
  p.draw_line(-1750, 1250, 1750, -1250);
  p.draw_filled_rectangle(0, 0, 10, -10, 0, 0, 0, 0);
  p.invalidate_bitmap();
  const auto window_before = p.window_surface().pixels();
  RecordingSurface out;
  p.replay_to_output({.surface = &out, .transform = {}, .takes_colour = true, .pen_width = 2});
  EXPECT_EQ(out.calls, (std::vector<std::string>{"line 0 0 3500 2500 w2 r10", "rect 1750 1250 1761 1261"}));
  EXPECT_EQ(p.window_surface().pixels(), window_before);
  EXPECT_FALSE(p.bitmap_valid());  // it was not drawn, so it is still to be rebuilt
  EXPECT_TRUE(p.recording());
  p.draw_line(0, 0, 5, 0);
  EXPECT_EQ(out.calls.size(), 2u);  // the output surface is no longer drawn on
}

}  // namespace
}  // namespace plv::host
