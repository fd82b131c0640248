#include <tuple>
#include <utility>

#include "host/host_fixture.h"

namespace plv::host {
namespace {

using Fields = std::tuple<EventType, int, int, int>;
Fields fields(const Event& e) { return {e.type, e.button, e.x, e.y}; }

TEST_F(HostTest, KeysArriveAsTheirCodesAndCloseAsMinusEleven) {
  Host& host = start("key F10\ntype a\nkey F1\nkey LEFT\nclick 1 1\nkey ESC\nclose\nkey 66\n");
  EXPECT_EQ(host.wait_key().code(), 138);
  EXPECT_EQ(host.peek_key(), Key::kEnter);
  const Event a = host.wait_event();
  EXPECT_EQ(a.type, EventType::kKey);
  EXPECT_EQ(a.key.code(), 97);
  EXPECT_EQ(host.wait_key().code(), 129);  // one event per key: "a" was not doubled
  EXPECT_EQ(host.wait_key().code(), 144);
  EXPECT_EQ(host.peek_key(), Key::kNone);  // a click is waiting, not a key
  EXPECT_EQ(host.wait_key().code(), 27);   // the click's press and release are passed over
  EXPECT_EQ(host.wait_key().code(), -11);
  EXPECT_EQ(host.wait_key().code(), 66);
  // After the script, the window is closed, again and again.
  EXPECT_EQ(host.wait_key(), Key::kClose);
  EXPECT_EQ(host.wait_event().type, EventType::kClose);
}

TEST_F(HostTest, PointerEventsAreClientPixelsInTextModeAndPlotPointsInGraphicsMode) {
  Host& host = start("click 3 10\npick 100 200 right\nmove -1750 1250\n");
  // Cell (3, 10) of a 700 x 500 client: origin (30 + 9 x 8, 50 + 2 x 16), centre +4, +8.
  EXPECT_EQ(fields(host.wait_event()), Fields(EventType::kButtonPress, 1, 106, 90));
  EXPECT_EQ(host.text_layout().cell_at(106, 90), (Point{9, 2}));
  EXPECT_EQ(host.wait_event().type, EventType::kButtonRelease);

  host.enter_graphics_mode(false);
  EXPECT_EQ(fields(host.wait_event()), Fields(EventType::kButtonPress, 2, 100, 200));
  const Event release = host.wait_event();
  EXPECT_EQ(std::pair(release.type, release.button), std::pair(EventType::kButtonRelease, 2));
  const Event move = host.wait_event();
  EXPECT_EQ(std::tuple(move.type, move.x, move.y), std::tuple(EventType::kPointerMove, -1750, 1250));
}

TEST_F(HostTest, ModeSwitchesKeepOrClearThePictureAndTheText) {
  Host& host = start("");
  host.write_text("HELLO", 7);
  host.enter_graphics_mode(false);
  EXPECT_TRUE(host.graphics_mode());
  EXPECT_TRUE(ws_->menu().enabled(Command::kPrintDialog));
  EXPECT_TRUE(ws_->menu().enabled(Command::kWriteTiff));
  EXPECT_FALSE(host.frame().caret_visible);
  host.picture().set_colour(255, 0, 0);
  host.picture().draw_line(0, 0, 50, 0);

  host.leave_graphics_mode(true);
  EXPECT_FALSE(host.graphics_mode());
  EXPECT_FALSE(ws_->menu().enabled(Command::kPrint));
  EXPECT_FALSE(ws_->menu().enabled(Command::kWriteMetafile));
  EXPECT_EQ(host.text().line(0), "HELLO");
  EXPECT_TRUE(host.frame().caret_visible);
  EXPECT_EQ(host.frame().caret_column, 5);

  // Back to the picture, kept: the buffer and the picture are as they were.
  host.enter_graphics_mode(true);
  EXPECT_EQ(host.picture().buffer().count(), 13u);
  EXPECT_EQ(host.picture().window_surface().pixel(355, 250), (Rgb{255, 0, 0}));

  host.leave_graphics_mode(false);
  EXPECT_EQ(host.text().line(0), "");
  host.enter_graphics_mode(false);
  EXPECT_EQ(host.picture().buffer().count(), 0u);
  EXPECT_EQ(host.picture().window_surface().pixel(355, 250), kWhite);
}

TEST_F(HostTest, TextWritesMoveTheCaretAndLoseFocusHidesIt) {
  Host& host = start("");
  host.set_text_cell(3, 10);
  host.write_text("ABC", 112);
  EXPECT_EQ(host.text().line(2), "         ABC");
  EXPECT_EQ(host.text().attribute(2, 10), 112);
  EXPECT_EQ(std::pair(host.frame().caret_row, host.frame().caret_column), std::pair(2, 12));
  ws_->set_focus(false);
  EXPECT_FALSE(host.frame().caret_visible);
  ws_->set_focus(true);
  host.clear_text();
  EXPECT_EQ(host.text().line(2), "");
  EXPECT_EQ(screen_text(host.text()), std::string(25, '\n'));
}

TEST_F(HostTest, PointPickReturnsTheButtonOrTheKey) {
  Host& host = start("move 500 500\npick 100 -200\nkey 120\npick 0 0 right\nclose\n");
  host.enter_graphics_mode(false);
  const auto picked = [&](int x, int y) {
    const PickResult r = host.pick_point(x, y);
    return std::tuple(r.key, r.x, r.y);
  };
  EXPECT_EQ(picked(30, 40), std::tuple(Key::pointer_press(kLeftButton), 100, -200));
  EXPECT_EQ(ws_->cursor(), CursorShape::kArrow);
  EXPECT_NE(std::find(ws_->cursor_history().begin(), ws_->cursor_history().end(), CursorShape::kCrosshair),
            ws_->cursor_history().end());
  // The release of the first pick is passed over; a key leaves the point alone.
  EXPECT_EQ(picked(33, 44), std::tuple(Key::character('x'), 33, 44));
  EXPECT_EQ(std::get<0>(picked(33, 44)), Key::pointer_press(kRightButton));
  EXPECT_EQ(host.pick_point(1, 2).key, Key::kClose);
}

TEST_F(HostTest, PointerPlacedOnADrawnPointPicksItBackExactly) {
  Host& host = start("");
  host.enter_graphics_mode(false);
  host.set_pointer(101, 2);  // between pixels: 101 alone would read back as 100
  const Point pixel = ws_->pointer();
  EXPECT_EQ(host.picture().transform().to_plot(pixel.x, pixel.y), (Point{101, 2}));
}

}  // namespace
}  // namespace plv::host
