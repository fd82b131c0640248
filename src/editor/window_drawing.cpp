#include "editor/window_drawing.h"

#include <cmath>

#include "editor/files/drawing_file_ops.h"
#include "editor/pointer.h"
#include "editor/view/view_operations.h"
#include "text/fixed_text.h"

namespace plv {

std::string WindowDrawing::name() const {
  return document_.file_open ? std::string(text::trimmed_right(document_.drawing_name)) : std::string();
}

std::optional<std::pair<double, double>> WindowDrawing::drawing_point(int plot_x, int plot_y) const {
  if (!document_.file_open) return std::nullopt;
  const DrawingPoint p = from_kernel(screen_, static_cast<float>(plot_x), static_cast<float>(plot_y));
  return std::pair(p.x, p.y);
}

namespace {

// A picture drawn again in another view: its colour problems were told
// when it was first drawn, and telling them again would wait for a key in
// the middle of the picture's own wait.
struct AlreadyTold final : ColourProblems {
  void met(const ColourProblem&) override {}
};

}  // namespace

void WindowDrawing::zoom_view(int steps, host::Point about) {
  show_view(edit::zoomed_about(screen_.render.view, {static_cast<double>(about.x), static_cast<double>(about.y)},
                               std::pow(edit::kWheelZoom, steps), screen_.render.aspect));
}

void WindowDrawing::pan_view(host::Point from, host::Point to) {
  show_view(edit::dragged(screen_.render.view, {static_cast<double>(from.x), static_cast<double>(from.y)},
                          {static_cast<double>(to.x), static_cast<double>(to.y)}));
}

void WindowDrawing::previous_view() {
  if (earlier_views_.empty()) return;
  screen_.render.view = earlier_views_.back();
  earlier_views_.pop_back();
  AlreadyTold told;
  edit::draw_again(document_, screen_, told);
}

void WindowDrawing::show_view(const ViewTransform& view) {
  if (!(view.scale > 0) || !std::isfinite(view.x_shift) || !std::isfinite(view.y_shift)) return;
  earlier_views_.push_back(screen_.render.view);
  screen_.render.view = view;
  AlreadyTold told;
  edit::draw_again(document_, screen_, told);
}

std::string WindowDrawing::write() {
  const std::string path(text::trimmed_right(document_.drawing_path));
  const CommandFileWrite written = write_to_its_file(document_);
  const long left_out = static_cast<long>(written.problems.skipped.size());
  switch (written.outcome) {
    case WriteOutcome::kWritten:
      if (left_out == 0) return {};
      return "Wrote " + path + ", but " + std::to_string(left_out) +
             (left_out == 1 ? " record was" : " records were") +
             " left out: the window stays open so that nothing more is lost.";
    case WriteOutcome::kValuesTooLarge:
      return "The drawing was not written: " + std::to_string(written.problems.too_large.size()) +
             " of its records hold values too large for the file. " + path + " is as it was.";
    case WriteOutcome::kCannotWrite:
    case WriteOutcome::kCannotOpen: break;
  }
  return "The drawing could not be written: " + written.error + ". The file is as it was.";  // the error names it
}

}  // namespace plv
