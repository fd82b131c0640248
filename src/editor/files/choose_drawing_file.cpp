#include "editor/files/choose_drawing_file.h"

namespace plv::files {

void choose_drawing_file(Editor& editor, const ChooseFileOptions& options) {
  choose_file(editor.ui, editor.files, options);
  take_chosen_drawing(editor);
}

void take_chosen_drawing(Editor& editor) {
  editor.drawing_name = editor.files.file_name;
  editor.directory = editor.files.directory;
  editor.drawing_path = editor.files.joined_path;
}

}  // namespace plv::files
