#pragma once
// The window's File, Import: another program's figure made into a new
// drawing beside it, which then opens in the editor.

#include <optional>
#include <string>

#include "editor/files/drawing_files.h"
#include "host/figure_import.h"

namespace plv {

// NAME.plv beside the figure, the name cut to what the file menu holds;
// an error when the folder's path is longer than it holds.
host::ImportTarget imported_drawing_beside(const std::string& figure);

class EditorFigureImporter final : public host::FigureImporter {
 public:
  host::ImportTarget target_for(const std::string& figure) const override { return imported_drawing_beside(figure); }
  std::string import_to(const std::string& figure, const std::string& drawing, bool& made) override;
  // The drawing made and not yet opened, once.
  std::optional<std::string> take_waiting() {
    auto waiting = std::move(waiting_);
    waiting_.reset();
    return waiting;
  }

 private:
  std::optional<std::string> waiting_;
};

// Puts the open drawing aside (its unwritten changes stay in its recovery
// copy: the window asked before the import) and opens `drawing`.
void open_imported_drawing(const files::DrawingFiles& files, const std::string& drawing);

}  // namespace plv
