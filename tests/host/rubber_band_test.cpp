#include <tuple>

#include "host/host_fixture.h"

namespace plv::host {
namespace {

constexpr Limits kWhole{-1750, -1250, 1750, 1250};

using Box = std::tuple<int, int, int, int>;
Box corners(const BoxResult& r) { return {r.xlow, r.ylow, r.xhigh, r.yhigh}; }
Box ends(const LineResult& r) { return {r.x1, r.y1, r.x2, r.y2}; }

// Starts in graphics mode with a picture to draw over.
Host& with_picture(Host& host) {
  host.enter_graphics_mode(false);
  host.picture().set_colour(255, 0, 0);
  host.picture().draw_line(-1000, 0, 1000, 0);
  return host;
}

TEST_F(HostTest, RectangleEndsOnARightClickOrAClickRightOfTheLimits) {
  Host& host = with_picture(start("pick 0 0 right\npick 1000 0\nkey 120\nclose\n"));
  const auto before = host.picture().window_surface().pixels();
  BoxResult r = host.rubber_band_rectangle(100, 200, -100, -200, kWhole);
  EXPECT_EQ(r.key, Key::kEnter);
  EXPECT_EQ(corners(r), Box(-100, -200, 100, 200));
  EXPECT_EQ(host.picture().window_surface().pixels(), before);  // the outline is gone
  EXPECT_EQ(host.rubber_band_rectangle(0, 0, 10, 10, {-1750, -1250, 500, 1250}).key, Key::kEnter);
  // The release of that click is passed over; any other key ends with itself.
  EXPECT_EQ(host.rubber_band_rectangle(0, 0, 10, 10, kWhole).key, Key::character('x'));
  EXPECT_EQ(host.rubber_band_rectangle(0, 0, 10, 10, kWhole).key, Key::kClose);
  EXPECT_EQ(host.picture().buffer().count(), 13u);  // feedback is never recorded
}

TEST_F(HostTest, UnexpectedEventTypesAreReportedAndTheOperationGoesOn) {
  Host& host = with_picture(start("key 120\n"));
  ws_->push_event({.type = static_cast<EventType>(3)});
  EXPECT_EQ(host.rubber_band_rectangle(0, 0, 10, 10, kWhole).key, Key::character('x'));
  ASSERT_EQ(ws_->messages().size(), 1u);
  EXPECT_EQ(ws_->messages()[0].text, "Received an event of type 3");
  EXPECT_EQ(ws_->messages()[0].title, "plivet");
}

TEST_F(HostTest, RectangleOutlineIsShownWhileWaiting) {
  Host& host = with_picture(start("key 13\n"));
  const auto before = host.picture().window_surface().pixels();
  bool outline_seen = false;
  ws_->set_wait_observer([&](const Frame& f) {
    // Corner (-500, 500) is pixel (250, 150); inverted white is black.
    outline_seen = f.picture->pixel(260, 150) == kBlack && f.picture->pixel(250, 160) == kBlack;
  });
  host.rubber_band_rectangle(-500, 500, 500, -500, kWhole);
  EXPECT_TRUE(outline_seen);
  EXPECT_EQ(host.picture().window_surface().pixels(), before);
}

TEST_F(HostTest, RectangleArrowKeysStepTheActiveCorner) {
  Host& host = with_picture(start(
      "key UP\nkey LEFT\n"          // first corner: (-20, 20)
      "type s\nkey DOWN\n"          // step 1: (-20, 19)
      "type c\ntype m\nkey RIGHT\n"  // second corner, step 6: (106, 100)
      "type f\nkey UP\nkey UP\n"    // step 20, y at most 130: (106, 130)
      "key 13\n"));
  const BoxResult r = host.rubber_band_rectangle(0, 0, 100, 100, {-1750, -1250, 1750, 130});
  EXPECT_EQ(r.key, Key::kEnter);
  EXPECT_EQ(corners(r), Box(-20, 19, 106, 130));
}

TEST_F(HostTest, ScriptedDragGrabsAnEdgeAndMovesIt) {
  Host& host = with_picture(start(
      "drag -500 0 -800 0\n"   // press on the left edge and pull it left
      "drag 0 500 0 700\n"     // the top edge, up
      "key ENTER\n"));
  const auto before = host.picture().window_surface().pixels();
  const BoxResult r = host.rubber_band_rectangle(-500, -500, 500, 500, kWhole);
  EXPECT_EQ(r.key, Key::kEnter);
  EXPECT_EQ(corners(r), Box(-800, -500, 500, 700));
  EXPECT_EQ(host.picture().window_surface().pixels(), before);
}

TEST_F(HostTest, DraggingThroughAnEdgeMakesItFollowWithinTheLimits) {
  Host& host = with_picture(start(
      "drag 0 0 -600 100\n"      // from inside out through the left edge: it follows
      "drag 100 100 3000 100\n"  // from inside out through the right edge, clamped
      "move 0 0\n"               // the button is up: nothing follows
      "key 13\n"));
  EXPECT_EQ(corners(host.rubber_band_rectangle(-500, -500, 500, 500, kWhole)), Box(-600, -500, 1750, 500));
}

TEST_F(HostTest, RepaintDuringTheRubberBandDrawsItAgain) {
  Host& host = with_picture(start("key 13\n"));
  std::vector<Rgb> seen;
  ws_->set_wait_observer([&](const Frame&) {
    ws_->resize(700, 500);                         // same size: a block copy
    seen.push_back(host.picture().window_surface().pixel(260, 150));
    host.picture().invalidate_bitmap();             // as a colour change would
    ws_->repaint();                                 // a replay, then the outline again
    seen.push_back(host.picture().window_surface().pixel(260, 150));
  });
  host.rubber_band_rectangle(-500, 500, 500, -500, kWhole);
  EXPECT_EQ(seen, (std::vector<Rgb>{kBlack, kBlack}));
  EXPECT_EQ(host.picture().window_surface().pixel(260, 150), kWhite);
}

TEST_F(HostTest, LineMovesItsActiveEndAndSwitchesOnlyWhereAllowed) {
  Host& host = with_picture(start(
      "key UP\ntype s\nkey RIGHT\n"  // first end: (3, 30)
      "type c\ntype m\nkey LEFT\n"    // second end: (90, 100)
      "move 2000 -5\n"              // clamped: (1750, -5)
      "pick 0 0\n"                  // left click switches back to the first end
      "move 10 10\n"
      "pick 0 0 right\n"));
  const LineResult r = host.rubber_band_line(0, 0, 100, 100, kWhole, LineBandMode{true, true});
  EXPECT_EQ(r.key, Key::kEnter);
  EXPECT_EQ(ends(r), Box(10, 10, 1750, -5));
  EXPECT_EQ(ws_->cursor(), CursorShape::kArrow);
}

TEST_F(HostTest, LineWhoseEndsDoNotSwitchKeepsItsEnd) {
  Host& host = with_picture(start("type c\nkey DOWN\nkey 120\n"));
  const auto before = host.picture().window_surface().pixels();
  // The first end is active and stays so.
  LineResult r = host.rubber_band_line(0, 0, 100, 100, kWhole, LineBandMode{true, false});
  EXPECT_EQ(r.key, Key::character('x'));
  EXPECT_EQ(ends(r), Box(0, -30, 100, 100));
  EXPECT_EQ(ws_->pointer(), host.picture().transform().to_pixel(0, -30));
  EXPECT_EQ(host.picture().window_surface().pixels(), before);
  // The second end first; closing ends with the close key.
  r = host.rubber_band_line(0, 0, 100, 100, kWhole, LineBandMode{false, false});
  EXPECT_EQ(r.key, Key::kClose);
}

}  // namespace
}  // namespace plv::host
