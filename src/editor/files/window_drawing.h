#pragma once
// The open drawing as the window's title and its close question see it.

#include <string>

#include "editor/document.h"
#include "editor/screen.h"
#include "host/drawing_keeper.h"

namespace plv {

class WindowDrawing final : public host::DrawingKeeper {
 public:
  WindowDrawing(Document& document, const Screen& screen) : document_(document), screen_(screen) {}
  std::string name() const override;
  bool unwritten_changes() const override { return document_.unwritten_changes(); }
  // Writes without a word on the text screen: the window tells the outcome.
  std::string write() override;
  std::optional<std::pair<double, double>> drawing_point(int plot_x, int plot_y) const override;

 private:
  Document& document_;
  const Screen& screen_;
};

}  // namespace plv
