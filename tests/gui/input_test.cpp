#include <stdexcept>

#include "gui/gui_fixture.h"

namespace plv::host {
namespace {

TEST_F(GuiTest, KeysArriveAsTheirCodesOneEventEachAndNoneForModifiersOrTheMenuKey) {
  const std::pair<Qt::Key, int> presses[] = {
      {Qt::Key_A, 'a'},       {Qt::Key_Z, 'z'},     {Qt::Key_5, '5'},     {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
      {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},  {Qt::Key_Up, 141},
      {Qt::Key_Down, 142},    {Qt::Key_Right, 143}, {Qt::Key_Left, 144},  {Qt::Key_Delete, 145}};
  for (const auto& [key, code] : presses) EXPECT_EQ(key_after(key).code(), code) << key;
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(key_after(Qt::Key(Qt::Key_F1 + n - 1)), Key::function(n)) << "F" << n;
  EXPECT_EQ(next_key([this] { QTest::keyClick(handle(), 'A', Qt::ShiftModifier); }), Key::character('A'));
  // Shift+Tab goes back a field; Control+Z and Control+Y undo and redo, as the Edit menu does.
  EXPECT_EQ(key_after(Qt::Key_Tab, Qt::ShiftModifier), Key::kBackTab);
  EXPECT_EQ(key_after(Qt::Key_Z, Qt::ControlModifier), Key::kUndo);
  EXPECT_EQ(key_after(Qt::Key_Y, Qt::ControlModifier), Key::kRedo);
  EXPECT_EQ(next_key([this] { action(Command::kUndo)->trigger(); }), Key::kUndo);

  // One event a key, and none for modifiers or the menu key.
  const Key key = next_key([this] {
    QTest::keyClick(handle(), Qt::Key_Shift);
    QTest::keyClick(handle(), Qt::Key_Control);
    QTest::keyClick(handle(), Qt::Key_Alt);  // alone it would open the menu bar
    QTest::keyClick(handle(), Qt::Key_F, Qt::AltModifier);  // a menu mnemonic elsewhere
    QTest::keyClick(handle(), Qt::Key_B);
    QTest::keyClick(handle(), Qt::Key_C);
  });
  EXPECT_EQ(key, Key::character('b'));
  EXPECT_EQ(next_key(), Key::character('c'));
  EXPECT_EQ(host_->peek_key(), Key::kNone);
  EXPECT_TRUE(canvas()->hasFocus());
  EXPECT_FALSE(QApplication::activePopupWidget());
}

TEST_F(GuiTest, PointerEventsAreClientPixelsInTextModeAndPlotPointsInGraphicsMode) {
  EXPECT_EQ(fields(after_mouse(QTest::MousePress, Qt::LeftButton, {100, 60})),
            EventFields(EventType::kButtonPress, kLeftButton, 100, 60));
  // A drag's moves come as one, the latest, when the editor asks later.
  for (const Point p : {Point{110, 70}, Point{120, 80}, Point{130, 90}}) QTest::mouseMove(handle(), at(p));
  const Event dragged = next_event();
  EXPECT_EQ(std::tuple(dragged.type, dragged.x, dragged.y), std::tuple(EventType::kPointerMove, 130, 90));
  EXPECT_EQ(fields(after_mouse(QTest::MouseRelease, Qt::LeftButton, {130, 90})),
            EventFields(EventType::kButtonRelease, kLeftButton, 130, 90));
  EXPECT_EQ(fields(after_mouse(QTest::MousePress, Qt::RightButton, {5, 7})),
            EventFields(EventType::kButtonPress, kRightButton, 5, 7));
  EXPECT_EQ(fields(after_mouse(QTest::MouseRelease, Qt::RightButton, {5, 7})),
            EventFields(EventType::kButtonRelease, kRightButton, 5, 7));

  // In graphics mode they are plot coordinates.
  host_->enter_graphics_mode(false);
  const WindowTransform transform = WindowTransform::for_client(700, 500);
  const Point centre = transform.to_pixel(0, 0);
  const Point corner = transform.to_pixel(1000, -800);

  const Event press = after_mouse(QTest::MousePress, Qt::LeftButton, centre);
  EXPECT_EQ(std::pair(press.type, press.button), std::pair(EventType::kButtonPress, kLeftButton));
  EXPECT_EQ((Point{press.x, press.y}), transform.to_plot(centre.x, centre.y));

  const Event move = next_event([&] { QTest::mouseMove(handle(), at(corner)); });
  EXPECT_EQ(move.type, EventType::kPointerMove);
  EXPECT_EQ((Point{move.x, move.y}), transform.to_plot(corner.x, corner.y));
  const Event release = after_mouse(QTest::MouseRelease, Qt::LeftButton, corner);
  EXPECT_EQ(std::pair(release.type, release.x), std::pair(EventType::kButtonRelease, move.x));

  // The pick a user makes with the right button.
  QTimer::singleShot(0, [&] { QTest::mouseClick(handle(), Qt::RightButton, {}, at(corner)); });
  const PickResult pick = host_->pick_point(0, 0);
  EXPECT_EQ(pick.key, Key::pointer_press(kRightButton));
  EXPECT_NEAR(pick.x, 1000, 5);
  EXPECT_NEAR(pick.y, -800, 5);
  EXPECT_EQ(key_after(Qt::Key_F10), Key::function(10));
  // The pointer warps to a plot point.
  host_->set_pointer(0, 0);
  EXPECT_EQ(QCursor::pos(), canvas()->mapToGlobal(canvas()->to_logical(centre)));
}

TEST_F(GuiTest, ClosingTheWindowEndsAWaitButKeepsTheWindowAndAWaitInsideAWaitIsRefused) {
  EXPECT_EQ(next_key([this] { handle()->close(); }), Key::kClose);
  EXPECT_TRUE(window()->isVisible());
  host_->enter_graphics_mode(false);
  EXPECT_EQ(next_key([this] { handle()->close(); }), Key::kClose);
  EXPECT_TRUE(window()->isVisible());
  // Exit in the window's own menu closes it the same way.
  EXPECT_EQ(next_key([this] { action(Command::kExit)->trigger(); }), Key::kClose);

  // A wait started inside a wait is refused.
  bool refused = false;
  const Key key = next_key([&] {
    try {
      ws_->wait_event();
    } catch (const std::logic_error&) {
      refused = true;
    }
    QTest::keyClick(handle(), Qt::Key_X);
  });
  EXPECT_TRUE(refused);
  EXPECT_EQ(key, Key::character('x'));
}

TEST_F(GuiTest, ARubberBandLineFollowsTheMouseAndAPickShowsWhatWasDrawnBeforeIt) {
  host_->enter_graphics_mode(false);
  const Point end = WindowTransform::for_client(700, 500).to_pixel(600, 400);
  // The second end follows the pointer; the right button ends the band.
  QTimer::singleShot(0, [&] {
    QTest::mouseMove(handle(), at(end));
    QTimer::singleShot(0, [&] { QTest::mouseClick(handle(), Qt::RightButton, {}, at(end)); });
  });
  const LineResult line = host_->rubber_band_line(-100, -100, 100, 100, Limits{-1650, -1250, 1650, 1250}, LineBandMode{});
  EXPECT_EQ(std::tuple(line.x1, line.y1, line.key), std::tuple(-100, -100, Key::kEnter));
  EXPECT_NEAR(line.x2, 600, 5);
  EXPECT_NEAR(line.y2, 400, 5);

  // A pick shows a graphic erased or drawn just before it.
  ws_->repaint();
  const Point on_line = draw_red_line();
  QRgb seen = 0;
  QTimer::singleShot(100, [&] {  // the window's next frame
    seen = shown_at(on_line);
    QTest::mouseClick(handle(), Qt::RightButton, {}, at(on_line));
  });
  const PickResult pick = host_->pick_point(0, 0);
  EXPECT_EQ(seen, 0xFF0000u);
  EXPECT_EQ(pick.key, Key::pointer_press(kRightButton));
}

}  // namespace
}  // namespace plv::host
