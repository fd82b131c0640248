#include "host/qt/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "host/qt/app_icon.h"
#include "host/qt/canvas.h"

namespace plv::host {

namespace {

QString text_of(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MainWindow::MainWindow(const WindowSpec& window_spec, Canvas* canvas, Callbacks callbacks)
    : callbacks_(std::move(callbacks)) {
  setWindowTitle(text_of(window_spec.caption));
  setWindowIcon(app_icon());
  setCentralWidget(canvas);
  build_menu();
  apply(window_spec.menu);
  // Labels rather than messages: a message would be hidden by every menu
  // item's own tip as the pointer passes over the menus.
  status_text_ = new QLabel;
  position_ = new QLabel;
  position_->setMinimumWidth(position_->fontMetrics().horizontalAdvance("X -000000  Y -000000"));
  statusBar()->addWidget(status_text_, 1);
  statusBar()->addPermanentWidget(position_);
}

void MainWindow::show_status(const QString& text, const QString& position) {
  status_text_->setText(text);
  position_->setText(position);
}

QString MainWindow::status_text() const { return status_text_->text(); }
QString MainWindow::status_position() const { return position_->text(); }

QMenu* MainWindow::menu_named(const QString& title, bool right_aligned) {
  if (const auto found = menus_.find(title); found != menus_.end()) return found->second;
  QMenuBar* bar = menuBar();
  if (right_aligned) {
    // A bar of its own in the top-right corner keeps Help at the far right.
    if (!right_bar_) {
      right_bar_ = new QMenuBar(menuBar());
      menuBar()->setCornerWidget(right_bar_, Qt::TopRightCorner);
    }
    bar = right_bar_;
  }
  QMenu* menu = bar->addMenu(title);
  menus_[title] = menu;
  return menu;
}

void MainWindow::build_menu() {
  for (const MenuItem& item : kWindowMenu) {
    const QString label = text_of(item.label);
    QAction* action = item.menu.empty() ? menuBar()->addAction(label)
                                        : menu_named(text_of(item.menu), item.right_aligned)->addAction(label);
    action->setCheckable(MenuState::checkable(item.command));
    const Command command = item.command;
    connect(action, &QAction::triggered, this, [this, command] {
      if (callbacks_.command) callbacks_.command(command);
    });
    actions_[command] = action;
  }
}

void MainWindow::apply(const MenuState& menu) {
  for (const auto& [command, action] : actions_) {
    action->setEnabled(menu.enabled(command));
    if (action->isCheckable()) action->setChecked(menu.checked(command));
  }
}

QAction* MainWindow::action(Command command) const {
  const auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (callbacks_.close_requested) callbacks_.close_requested();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && isMinimized() && callbacks_.minimised) callbacks_.minimised();
  QMainWindow::changeEvent(event);
}

}  // namespace plv::host
