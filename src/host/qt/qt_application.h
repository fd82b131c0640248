#pragma once
// The Qt application object, for programs that should not include Qt.

#include <memory>

class QApplication;

namespace plv::host {

class QtApplication {
 public:
  QtApplication(int& argc, char** argv);
  ~QtApplication();
  QtApplication(const QtApplication&) = delete;
  QtApplication& operator=(const QtApplication&) = delete;

 private:
  std::unique_ptr<QApplication> app_;
};

}  // namespace plv::host
