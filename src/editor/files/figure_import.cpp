#include "editor/files/figure_import.h"

#include <filesystem>

#include "editor/files/choose_drawing_file.h"
#include "editor/files/drawing_file_ops.h"
#include "editor/files/field_widths.h"
#include "import/import_figure.h"
#include "kernel/kernel.h"

namespace plv {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".plv";

}  // namespace

host::ImportTarget imported_drawing_beside(const std::string& figure) {
  const fs::path path = fs::absolute(figure);
  std::string stem = path.stem().string();
  stem.resize(std::min(stem.size(), files::kFileNameWidth - kExtension.size()));
  const std::string folder = path.parent_path().string() + "/";
  const std::string drawing = folder + stem + std::string(kExtension);
  if (folder.size() > files::kDirectoryWidth || drawing.size() > files::kPathWidth)
    return {"", "The drawing would go in " + folder + ", a folder path longer than the " +
                    std::to_string(files::kDirectoryWidth) +
                    " characters the file menu holds. Move the figure to a shorter path, or import it with plvtool."};
  return {drawing, ""};
}

std::string EditorFigureImporter::import_to(const std::string& figure, const std::string& drawing, bool& made) {
  const import::ImportedFile done = import::import_figure_file(figure, drawing, {});
  made = done.error.empty();
  if (!made) return "The figure was not imported: " + done.error;
  waiting_ = drawing;
  std::string told = "Imported " + fs::path(figure).filename().string() + " as " + drawing + ".";
  for (const std::string& line : done.summary) told += "\n" + line;
  return told;
}

void open_imported_drawing(const files::DrawingFiles& files, const std::string& drawing) {
  if (files.document.file_open) set_drawing_aside(files.document);
  const fs::path path(drawing);
  files.names.set_directory(path.parent_path().string() + "/");
  files.names.set_file_name(path.filename().string());
  files.names.join(files.screen.kernel.host());
  files::take_chosen_drawing(files.document, files.names);
  open_drawing(files);
}

}  // namespace plv
