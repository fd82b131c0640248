// Input: keys and pointer events through the scripted window, the modes
// they arrive in, picks and rubber bands.

#include "host/event_queue.h"
#include "host/host_fixture.h"

namespace plv::host {
namespace {

using Fields = std::tuple<EventType, int, int, int>;
Fields fields(const Event& e) { return {e.type, e.button, e.x, e.y}; }

TEST(EventQueue, CoalescesConsecutiveMovesOnly) {
  const auto move = [](int to) { return Event{.type = EventType::kPointerMove, .x = to, .y = to}; };
  EventQueue queue;
  for (const Event& e : {move(1), move(2), Event{.type = EventType::kButtonPress, .x = 2, .y = 2, .button = 1}, move(3),
                         Event{.type = EventType::kKey, .key = Key::character('a')}, move(4)})
    queue.push(e);
  EXPECT_TRUE(queue.key_waiting());
  EXPECT_EQ(queue.pop()->x, 2);
  EXPECT_EQ(queue.pop()->type, EventType::kButtonPress);
  EXPECT_EQ(queue.pop()->x, 3);
  EXPECT_EQ(queue.pop()->key, Key::character('a'));
  EXPECT_FALSE(queue.key_waiting());
  EXPECT_EQ(queue.pop()->x, 4);
  EXPECT_FALSE(queue.pop());
  EXPECT_TRUE(queue.empty());
}

TEST_F(HostTest, KeysArriveAsTheirCodesAndCloseAsMinusEleven) {
  Host& host = start("key F10\ntype a\nkey F1\nkey LEFT\nclick 1 1\nkey ESC\nclose\nkey 66\n");
  const auto next_codes = [&host](int n) {
    std::vector<int> codes;
    while (n-- > 0) codes.push_back(host.wait_key().code());
    return codes;
  };
  EXPECT_EQ(host.wait_key().code(), 138);
  EXPECT_EQ(host.peek_key(), Key::kEnter);
  const Event a = host.wait_event();
  EXPECT_EQ(std::pair(a.type, a.key.code()), std::pair(EventType::kKey, 97));
  EXPECT_EQ(next_codes(2), (std::vector{129, 144}));  // one event per key: "a" was not doubled
  EXPECT_EQ(host.peek_key(), Key::kNone);             // a click is waiting, not a key
  // The click's press and release are passed over; after the script the
  // window is closed, again and again.
  EXPECT_EQ(next_codes(4), (std::vector{27, -11, 66, -11}));
  EXPECT_EQ(host.wait_event().type, EventType::kClose);
}

TEST_F(HostTest, TextWritesMoveTheCaretAndModeSwitchesKeepOrClearThePictureAndTheText) {
  Host& host = start("");
  host.set_text_cell(3, 10);
  host.write_text("ABC", 112);
  const Frame frame = host.frame();
  EXPECT_EQ(std::tuple(host.text().line(2), host.text().attribute(2, 10), frame.caret_row, frame.caret_column),
            std::tuple("         ABC", 112, 2, 12));
  ws_->set_focus(false);
  EXPECT_FALSE(host.frame().caret_visible);
  ws_->set_focus(true);

  const MenuState& menu = ws_->menu();
  host.enter_graphics_mode(false);
  EXPECT_EQ(std::tuple(host.graphics_mode(), menu.enabled(Command::kPrintDialog), menu.enabled(Command::kWriteTiff),
                       host.frame().caret_visible),
            std::tuple(true, true, true, false));
  ink(255, 0, 0).draw_line(0, 0, 50, 0);
  host.leave_graphics_mode(true);
  EXPECT_EQ(std::tuple(host.graphics_mode(), menu.enabled(Command::kPrint), menu.enabled(Command::kWriteMetafile),
                       host.frame().caret_visible, host.frame().caret_column, host.text().line(2)),
            std::tuple(false, false, false, true, 12, "         ABC"));

  // Back to the picture, kept: the buffer and the picture are as they were.
  host.enter_graphics_mode(true);
  EXPECT_EQ(std::pair(host.picture().buffer().count(), host.picture().window_surface().pixel(355, 250)),
            std::pair(13ul, Rgb{255, 0, 0}));
  host.leave_graphics_mode(false);
  EXPECT_EQ(host.text().line(2), "");
  host.write_text("ABC", 7);
  host.clear_text();
  EXPECT_EQ(screen_text(host.text()), std::string(25, '\n'));
  host.enter_graphics_mode(false);
  EXPECT_EQ(host.picture().buffer().count(), 0u);
  EXPECT_EQ(host.picture().window_surface().pixel(355, 250), kWhite);
}

TEST_F(HostTest, PointerEventsAreClientPixelsInTextModeAndPicksPlotPointsInGraphicsMode) {
  Host& host = start("click 3 10\nmove 500 500\npick 100 -200\nkey 120\npick 0 0 right\nclose\n");
  // Cell (3, 10) of a 700 x 500 client: origin (30 + 9 x 8, 50 + 2 x 16), centre +4, +8.
  EXPECT_EQ(fields(host.wait_event()), Fields(EventType::kButtonPress, 1, 106, 90));
  EXPECT_EQ(host.wait_event().type, EventType::kButtonRelease);

  // A pick returns the button or the key.
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
  // A pointer placed between pixels reads back as the point, not as its pixel's (100, 0).
  host.set_pointer(101, 2);
  EXPECT_EQ(host.picture().transform().to_plot(ws_->pointer().x, ws_->pointer().y), (Point{101, 2}));
}

constexpr Limits kWhole{-1750, -1250, 1750, 1250};

// How a rubber band ended: the key and the corners or ends.
using Band = std::tuple<Key, int, int, int, int>;
Band band(const BoxResult& r) { return {r.key, r.xlow, r.ylow, r.xhigh, r.yhigh}; }
Band band(const LineResult& r) { return {r.key, r.x1, r.y1, r.x2, r.y2}; }

TEST_F(HostTest, RectangleEndsOnARightClickOrAClickRightOfTheLimits) {
  Host& host = start_drawing("pick 0 0 right\npick 1000 0\nkey 120\nclose\n");
  // An event of a type no wait expects is reported, and the operation goes on.
  ws_->push_event({.type = static_cast<EventType>(3)});
  const auto before = host.picture().window_surface().pixels();
  EXPECT_EQ(band(host.rubber_band_rectangle(100, 200, -100, -200, kWhole)), Band(Key::kEnter, -100, -200, 100, 200));
  EXPECT_EQ(ws_->messages(), (Messages{{"Received an event of type 3", "plivet"}}));
  EXPECT_EQ(host.picture().window_surface().pixels(), before);  // the outline is gone
  EXPECT_EQ(host.rubber_band_rectangle(0, 0, 10, 10, {-1750, -1250, 500, 1250}).key, Key::kEnter);
  // The release of that click is passed over; any other key ends with itself.
  EXPECT_EQ(host.rubber_band_rectangle(0, 0, 10, 10, kWhole).key, Key::character('x'));
  EXPECT_EQ(host.rubber_band_rectangle(0, 0, 10, 10, kWhole).key, Key::kClose);
  EXPECT_EQ(host.picture().buffer().count(), 13u);  // feedback is never recorded
}

TEST_F(HostTest, RectangleOutlineIsShownWhileWaitingAndAfterEveryRepaint) {
  Host& host = start_drawing("key 13\n");
  const auto before = host.picture().window_surface().pixels();
  // Corner (-500, 500) is pixel (250, 150); inverted white is black.
  std::vector<Rgb> seen;
  ws_->set_wait_observer([&](const Frame& f) {
    seen = {f.picture->pixel(260, 150), f.picture->pixel(250, 160)};
    ws_->resize(700, 500);  // same size: a block copy
    seen.push_back(host.picture().window_surface().pixel(260, 150));
    host.picture().invalidate_bitmap();  // as a colour change would
    ws_->repaint();                      // a replay, then the outline again
    seen.push_back(host.picture().window_surface().pixel(260, 150));
  });
  host.rubber_band_rectangle(-500, 500, 500, -500, kWhole);
  EXPECT_EQ(seen, (std::vector<Rgb>{kBlack, kBlack, kBlack, kBlack}));
  EXPECT_EQ(host.picture().window_surface().pixels(), before);
}

TEST_F(HostTest, RectangleCornersFollowArrowKeysAndDrags) {
  Host& host = start_drawing(
      "key UP\nkey LEFT\n"           // first corner: (-20, 20)
      "type s\nkey DOWN\n"           // step 1: (-20, 19)
      "type c\ntype m\nkey RIGHT\n"  // second corner, step 6: (106, 100)
      "type f\nkey UP\nkey UP\n"     // step 20, y at most 130: (106, 130)
      "key 13\n"
      "drag -500 0 -800 0\n"  // press on the left edge and pull it left
      "drag 0 500 0 700\n"    // the top edge, up
      "key ENTER\n"
      "drag 0 0 -600 100\n"      // from inside out through the left edge: it follows
      "drag 100 100 3000 100\n"  // from inside out through the right edge, clamped
      "move 0 0\n"               // the button is up: nothing follows
      "key 13\n");
  const auto before = host.picture().window_surface().pixels();
  EXPECT_EQ(band(host.rubber_band_rectangle(0, 0, 100, 100, {-1750, -1250, 1750, 130})),
            Band(Key::kEnter, -20, 19, 106, 130));
  EXPECT_EQ(band(host.rubber_band_rectangle(-500, -500, 500, 500, kWhole)), Band(Key::kEnter, -800, -500, 500, 700));
  EXPECT_EQ(band(host.rubber_band_rectangle(-500, -500, 500, 500, kWhole)), Band(Key::kEnter, -600, -500, 1750, 500));
  EXPECT_EQ(host.picture().window_surface().pixels(), before);
}

TEST_F(HostTest, LineMovesItsActiveEndAndSwitchesOnlyWhereAllowed) {
  Host& host = start_drawing(
      "key UP\ntype s\nkey RIGHT\n"  // first end: (3, 30)
      "type c\ntype m\nkey LEFT\n"   // second end: (90, 100)
      "move 2000 -5\n"               // clamped: (1750, -5)
      "pick 0 0\n"                   // left click switches back to the first end
      "move 10 10\n"
      "pick 0 0 right\n"
      "type c\nkey DOWN\nkey 120\n");  // the first end, which stays so
  const auto before = host.picture().window_surface().pixels();
  EXPECT_EQ(band(host.rubber_band_line(0, 0, 100, 100, kWhole, {true, true})), Band(Key::kEnter, 10, 10, 1750, -5));
  EXPECT_EQ(ws_->cursor(), CursorShape::kArrow);
  EXPECT_EQ(band(host.rubber_band_line(0, 0, 100, 100, kWhole, {true, false})),
            Band(Key::character('x'), 0, -30, 100, 100));
  EXPECT_EQ(ws_->pointer(), host.picture().transform().to_pixel(0, -30));
  EXPECT_EQ(host.picture().window_surface().pixels(), before);
  // The second end first; closing ends with the close key.
  EXPECT_EQ(host.rubber_band_line(0, 0, 100, 100, kWhole, LineBandMode{false, false}).key, Key::kClose);
}

}  // namespace
}  // namespace plv::host
