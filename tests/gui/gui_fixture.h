#pragma once
// A host on the real Qt window (700 x 500 client, not maximised), with its
// settings file in a fresh folder, and waits that a watchdog cuts short.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>
#include <tuple>

#include "host/host.h"
#include "host/qt/canvas.h"
#include "host/qt/main_window.h"
#include "host/qt/qt_window_system.h"
#include "support/temp_dir.h"

namespace plv::host {

inline constexpr int kWatchdogMs = 5000;

// What an event says: its type, button and point.
using EventFields = std::tuple<EventType, int, int, int>;
inline EventFields fields(const Event& e) { return {e.type, e.button, e.x, e.y}; }

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ws_ = std::make_unique<QtWindowSystem>(QtWindowOptions{.place_as_before = false});
    host_ = std::make_unique<Host>(*ws_, dir_.path() / "orvlab.ini");
    host_->set_caption("plivet");
    ASSERT_TRUE(host_->create_window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
  }

  MainWindow* window() const { return ws_->main_window(); }
  Canvas* canvas() const { return ws_->canvas(); }
  QWindow* handle() const { return window()->windowHandle(); }
  QAction* action(Command command) const { return window()->action(command); }
  // A client pixel as a position in the window, where platform input lands.
  QPoint at(Point pixel) const { return canvas()->mapTo(window(), canvas()->to_logical(pixel)); }
  // The window's pixel at a client pixel, without alpha.
  QRgb shown_at(Point pixel) const { return canvas()->shown().pixel(pixel.x, pixel.y) & 0xFFFFFF; }

  // Graphics mode with a red line along y = 0; its pixel at x = 0.
  Point draw_red_line() {
    host_->enter_graphics_mode(false);
    host_->picture().set_colour(255, 0, 0);
    host_->picture().draw_line(-1000, 0, 1000, 0);
    return host_->picture().transform().to_pixel(0, 0);
  }

  // Runs `during` once the wait has started, then waits; a watchdog ends a
  // wait that nothing answers with a close and fails the test.
  Event next_event(std::function<void()> during = nullptr, bool skip_moves = false) {
    bool fired = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      fired = true;
      ws_->request_close();
    });
    watchdog.start(kWatchdogMs);
    if (during) QTimer::singleShot(0, during);
    Event event = host_->wait_event();
    // The platform moves the pointer to where a button goes down.
    while (skip_moves && event.type == EventType::kPointerMove) event = host_->wait_event();
    EXPECT_FALSE(fired) << "no event within " << kWatchdogMs << " ms";
    return event;
  }
  // The button event a press or release of `button` at a client pixel gives.
  Event after_mouse(QTest::MouseAction what, Qt::MouseButton button, Point pixel) {
    return next_event([=, this] { QTest::mouseEvent(what, handle(), button, {}, at(pixel)); }, true);
  }
  // The next key, as the editor waits for one: other events are passed over.
  Key next_key(std::function<void()> during = nullptr) {
    for (Event event = next_event(std::move(during));; event = next_event()) {
      if (event.type == EventType::kKey) return event.key;
      if (event.type == EventType::kClose) return Key::kClose;
    }
  }
  Key key_after(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    return next_key([=, this] { QTest::keyClick(handle(), key, modifiers); });
  }

  plv::testing::TempDir dir_;
  // The host, declared last, goes before the window system it talks to.
  std::unique_ptr<QtWindowSystem> ws_;
  std::unique_ptr<Host> host_;
};

}  // namespace plv::host
