#include <filesystem>

#include "host/host.h"

namespace plv::host {

void Host::import_figure() {
  if (!importer_) return;
  FileDialogRequest request;
  request.title = "Import a figure";
  request.directory = export_names_.directory();
  request.filters = {{"Figures (*.svg;*.svgz;*.pdf;*.eps;*.ps)", "*.svg;*.svgz;*.pdf;*.eps;*.ps"},
                     {"SVG (*.svg;*.svgz)", "*.svg;*.svgz"},
                     {"PDF (*.pdf)", "*.pdf"},
                     {"PostScript (*.eps;*.ps)", "*.eps;*.ps"}};
  const auto figure = window_system_.open_file_dialog(request);
  if (!figure) return;
  const ImportTarget target = importer_->target_for(*figure);
  if (!target.error.empty()) return message(target.error);
  std::error_code ignored;
  if (std::filesystem::exists(target.drawing, ignored) && !window_system_.ask_to_replace(target.drawing, caption_))
    return;
  // The open drawing is put away for the new one: its changes written or left as closing leaves them.
  if (!close_confirmed()) return;
  window_system_.set_cursor(CursorShape::kHourglass);
  bool made = false;
  const std::string told = importer_->import_to(*figure, target.drawing, made);
  update_cursor();
  message(told);
  if (made) window_system_.post_key(Key::kOpenImported);
}

}  // namespace plv::host
