#pragma once
// The open drawing as the window's title and its close question see it.

#include <string>
#include <vector>

#include "editor/document.h"
#include "editor/screen.h"
#include "host/drawing_keeper.h"

namespace plv {

class WindowDrawing final : public host::DrawingKeeper {
 public:
  WindowDrawing(Document& document, Screen& screen) : document_(document), screen_(screen) {}
  std::string name() const override;
  bool unwritten_changes() const override { return document_.unwritten_changes(); }
  // Writes without a word on the text screen: the window tells the outcome.
  std::string write() override;
  std::optional<std::pair<double, double>> drawing_point(int plot_x, int plot_y) const override;
  // The same view the screen menu and the zoom change, so the settings
  // file keeps it; each change is drawn at once.
  void zoom_view(int steps, host::Point about) override;
  void pan_view(host::Point from, host::Point to) override;
  void previous_view() override;

 private:
  void show_view(const ViewTransform& view);

  Document& document_;
  Screen& screen_;
  std::vector<ViewTransform> earlier_views_;
};

}  // namespace plv
