// The picture, and the plot buffer that records it for replay.

#include <algorithm>

#include "host/host_fixture.h"
#include "host/plot_reader.h"

namespace plv::host {
namespace {

std::vector<int> bytes_of(const PlotBuffer& b) { return {b.bytes().begin(), b.bytes().end()}; }

TEST(PlotBuffer, RecordsAreByteExactAndPolygonsKeepAtMostTenVertices) {
  PlotBuffer b;
  b.append_colour(10, 20, 30);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{8, 10, 30, 20}));

  b.clear();
  b.append_line(-1, 1, 256, -32768);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{3, 0xFF, 0xFF, 1, 0, 0, 1, 0x00, 0x80}));

  b.clear();
  b.append_rectangle(1, 2, 3, 4);
  b.append_filled_rectangle(-2, 0, 5, 6, 0b1010);
  b.append_colour_grey(1, 2, 3, 4);
  b.append_colour_index(7, 0, 255, 100);
  const std::int16_t xs[] = {1, -3};
  const std::int16_t ys[] = {2, 300};
  b.append_polygon(xs, ys, 2);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{4, 1, 0, 2, 0, 3, 0, 4, 0,          //
                                           5, 0xFE, 0xFF, 0, 0, 5, 0, 6, 0, 10, //
                                           9, 1, 3, 2, 4,                       //
                                           11, 7, 0, 255, 100,                  //
                                           12, 2, 1, 0, 2, 0, 0xFD, 0xFF, 0x2C, 1}));

  // Polygons keep at most ten vertices, and need one.
  b.clear();
  std::int16_t many[12] = {};
  b.append_polygon(many, many, 12);
  EXPECT_EQ(std::pair(b.count(), int{b.bytes()[1]}), std::pair(42ul, 10));
  EXPECT_EQ(b.append_polygon(many, many, 0), AppendResult::kDropped);
  EXPECT_EQ(b.count(), 42u);
}

TEST(PlotBuffer, GrowsInStepsKeepingRoomForTheLargestRecordAndClearShrinksIt) {
  PlotBuffer b;
  EXPECT_EQ(b.allocated(), 65536u);
  // Growth happens once the count has reached 65,536 - 42 = 65,494: 7278
  // lines (65,502 bytes) still fit, the 7279th grows the block.
  for (int i = 0; i < 7278; ++i) b.append_line(i, 0, 0, 0);
  EXPECT_EQ(b.count(), 65502u);
  EXPECT_EQ(b.allocated(), 65536u);
  b.append_line(1, 2, 3, 4);
  EXPECT_EQ(b.allocated(), 131072u);
  // Earlier records survive the move.
  PlotReader reader(b.bytes());
  PlotRecord r;
  for (int i = 0; i < 7278; ++i) {
    ASSERT_TRUE(reader.next(r));
    ASSERT_EQ(r.x[0], static_cast<std::int16_t>(i));
  }
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.y[1], 4);
  EXPECT_FALSE(reader.next(r));

  for (int i = 0; i < 4; ++i) b.append_line(0, 0, 0, 0);  // 65,547 bytes
  b.clear();  // shrinks to the count rounded up: both steps are needed, so nothing changes
  EXPECT_EQ(std::pair(b.allocated(), b.count()), std::pair(131072ul, 0ul));
  b.clear();  // empty now: down to one step, not to nothing
  EXPECT_EQ(b.allocated(), 65536u);
  b.append_line(1, 1, 1, 1);
  EXPECT_EQ(b.count(), 9u);
}

TEST(PlotReader, StopsAtUnknownOrShortRecords) {
  const std::uint8_t bytes[] = {8, 1, 2, 3, 3, 0, 0};
  PlotReader reader(bytes);
  PlotRecord r;
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.kind, RecordKind::kColour);
  EXPECT_FALSE(reader.next(r));
  const std::uint8_t unknown[] = {7, 0, 0};
  EXPECT_FALSE(PlotReader(unknown).next(r));
}

// A 700 x 500 window: 5 plot units per pixel, plot (0, 0) at pixel (350, 250).
Picture window_picture() {
  Picture p;
  p.set_client_size(700, 500);
  p.renew_bitmap();
  p.clear();
  return p;
}

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

TEST(Picture, PrimitivesDrawOnTheWindowAndTheBitmapAlikeAndAreRecorded) {
  Picture p = window_picture();
  p.set_colour(255, 0, 0);
  p.draw_line(0, 0, 50, 0);  // pixels 350..359 of row 250
  EXPECT_EQ(bytes_of(p.buffer()), (std::vector<int>{8, 255, 0, 0, 3, 0, 0, 0, 0, 50, 0, 0, 0}));
  p.set_colour(0, 0, 255);
  p.draw_rectangle(-500, 0, -550, -50);  // both corners' pixels: (240, 250) to (250, 260)
  p.set_colour(0, 255, 0);
  // Filled, the window draws it a pixel wider on every side, (349, 269) to
  // (361, 281) here, and each inset takes that pixel off again.
  p.draw_filled_rectangle(0, -100, 50, -150, 0, 0, 0, 0);
  p.draw_filled_rectangle(500, -100, 550, -150, 1, 1, 1, 1);  // (450, 270) to (460, 280)
  EXPECT_EQ(p.buffer().bytes().back(), 15);
  const struct {
    int x, y;
    Rgb colour;
  } pixels[] = {{349, 250, kWhite}, {350, 250, kRed}, {359, 250, kRed}, {360, 250, kWhite},
                {240, 250, kBlue}, {250, 260, kBlue}, {245, 255, kWhite}, {251, 260, kWhite},
                {349, 269, kGreen}, {361, 281, kGreen}, {362, 281, kWhite},
                {450, 270, kGreen}, {449, 270, kWhite}, {460, 280, kGreen}, {461, 280, kWhite}};
  for (const auto& e : pixels) EXPECT_EQ(p.window_surface().pixel(e.x, e.y), e.colour) << e.x << ", " << e.y;
  EXPECT_EQ(p.bitmap().pixels(), p.window_surface().pixels());
  const auto& all = p.bitmap().pixels();
  EXPECT_EQ(std::count_if(all.begin(), all.end(), [](auto c) { return c != pack(kWhite); }), 10 + 40 + 169 + 121);
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
  EXPECT_EQ(p.window_ink(), kRed);
  // The record keeps the values as given.
  EXPECT_EQ(bytes_of(p.buffer()).back(), 10);
  // Replaying an empty picture keeps the colour in force.
  p.clear();
  p.replay_to_window();
  EXPECT_EQ(std::tuple(p.window_ink(), p.recording(), p.buffer().count()), std::tuple(kRed, true, 0ul));
}

TEST(Picture, RepaintCopiesAValidBitmapAndOtherwiseReplaysTheSamePicture) {
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

  // From a valid bitmap a repaint is a block copy: feedback drawn over the
  // picture stays until it is drawn again, and is never recorded.
  p.draw_feedback([&] { p.draw_line(0, 100, 0, -100); });
  EXPECT_EQ(p.window_surface().pixel(350, 240), kBlack);  // white inverted
  p.paint_window();
  EXPECT_EQ(p.window_surface().pixel(350, 240), kBlack);
  p.draw_feedback([&] { p.draw_line(0, 100, 0, -100); });
  EXPECT_EQ(p.window_surface().pixel(350, 240), kWhite);
  EXPECT_EQ(bytes_of(p.buffer()), recorded);

  // A colour change invalidates and the replay shows the new rule.
  p.set_colour_window(false);
  p.invalidate_bitmap();
  p.paint_window();
  EXPECT_EQ(p.window_surface().pixel(420, 245), grey(155));  // inside the polygon: 255 - 100
}

TEST(Picture, ReplayOntoAnOutputSurfaceLeavesTheWindowAlone) {
  Picture p = window_picture();
  p.set_colour(10, 0, 0);
  p.draw_line(-1750, 1250, 1750, -1250);
  p.draw_filled_rectangle(0, 0, 10, -10, 0, 0, 0, 0);
  p.invalidate_bitmap();
  const auto window_before = p.window_surface().pixels();
  std::vector<std::string> calls;
  NotingSurface out(calls);
  p.replay_to_output({.surface = &out, .transform = {}, .takes_colour = true, .pen_width = 2});
  EXPECT_EQ(calls, (std::vector<std::string>{"0,0 3500,2500 w2 r10", "rect 1750,1250 1761,1261"}));
  EXPECT_EQ(p.window_surface().pixels(), window_before);
  EXPECT_FALSE(p.bitmap_valid());  // it was not drawn, so it is still to be rebuilt
  EXPECT_TRUE(p.recording());
  p.draw_line(0, 0, 5, 0);
  EXPECT_EQ(calls.size(), 2u);  // the output surface is no longer drawn on
}

}  // namespace
}  // namespace plv::host
