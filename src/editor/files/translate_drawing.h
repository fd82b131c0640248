#pragma once
// The open drawing translated for publication, as its setup line asks:
// beside its file from the translation setup menu, or where the user
// chooses from the window's File menu.

#include <string>

#include "editor/editor.h"
#include "host/drawing_export.h"
#include "publish/translation.h"

namespace plv {

// The drawing's path with the format's extension in place of its own.
std::string path_beside_drawing(const Editor& editor, publish::PageFormat format);

// The page written to `path` (its format by extension, PDF when it has
// none we write; the extension is then added).
struct DrawingTranslation {
  bool ok = false;
  std::string path;    // where the page went, or would have
  std::string detail;  // its size and lettering, or why it was not written
  std::vector<std::string> notes;
};
DrawingTranslation translate_open_drawing(const Editor& editor, std::string path);

// The drawing printed, as the setup line lays it out, on a printer the
// user chooses; what to tell the user.
std::vector<std::string> print_open_drawing(Editor& editor);

// The window's Export command for the editor's drawing.
class EditorDrawingExporter final : public host::DrawingExporter {
 public:
  explicit EditorDrawingExporter(const Editor& editor) : editor_(editor) {}
  std::string default_name() const override;
  std::string export_to(const std::string& path) override;

 private:
  const Editor& editor_;
};

}  // namespace plv
