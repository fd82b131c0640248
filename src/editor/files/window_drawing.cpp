#include "editor/files/window_drawing.h"

#include "editor/files/drawing_file_ops.h"
#include "editor/pointer.h"
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
