#include "editor/files/choose_drawing_file.h"

namespace plv::files {

void choose_drawing_file(const DrawingFiles& files, const ChooseFileOptions& options) {
  choose_file(files.screen.ui, files.names, options);
  take_chosen_drawing(files.document, files.names);
}

void take_chosen_drawing(Document& document, const FileSelection& names) {
  document.drawing_name = names.file_name;
  document.directory = names.directory;
  document.drawing_path = names.joined_path;
}

}  // namespace plv::files
