#include "host/qt/qt_application.h"

#include <QApplication>

namespace plv::host {

QtApplication::QtApplication(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {
  // The window never closes itself: the program ends when the editor says so.
  QApplication::setQuitOnLastWindowClosed(false);
}

QtApplication::~QtApplication() = default;

}  // namespace plv::host
