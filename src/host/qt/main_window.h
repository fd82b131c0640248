#pragma once
// The main window: caption, icon, the menu bar built from the window menu
// table, and the canvas as its client area. A close request from the
// window manager does not close it; it is handed on as an event and the
// window stays until the program ends.

#include <QMainWindow>
#include <functional>
#include <map>

#include "host/window_system.h"

class QAction;

namespace plv::host {

class Canvas;

class MainWindow final : public QMainWindow {
 public:
  struct Callbacks {
    std::function<void(Command)> command;
    std::function<void()> close_requested;
    std::function<void()> minimised;
  };

  MainWindow(const WindowSpec& window_spec, Canvas* canvas, Callbacks callbacks);

  void apply(const MenuState& menu);
  // The item of a menu command, or null for commands without one.
  QAction* action(Command command) const;
  // The status bar's words, and the pointer's place at its right.
  void show_status(const QString& text, const QString& position);
  QString status_text() const;
  QString status_position() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void build_menu();
  class QMenu* menu_named(const QString& title, bool right_aligned);

  Callbacks callbacks_;
  std::map<Command, QAction*> actions_;
  std::map<QString, QMenu*> menus_;
  class QMenuBar* right_bar_ = nullptr;
  class QLabel* status_text_ = nullptr;
  class QLabel* position_ = nullptr;
};

}  // namespace plv::host
