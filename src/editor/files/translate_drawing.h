#pragma once
// The open drawing translated for publication, as its setup line asks:
// beside its file from the translation setup menu, or where the user
// chooses from the window's File menu.

#include <string>

#include "editor/document.h"
#include "editor/screen.h"
#include "host/drawing_export.h"
#include "publish/translation.h"

namespace plv {

// The drawing's path with the format's extension in place of its own.
std::string path_beside_drawing(const Document& document, publish::PageFormat format);

// The page written to `path` (its format by extension, PDF when it has
// none we write; the extension is then added).
struct DrawingTranslation {
  bool ok = false;
  std::string path;    // where the page went, or would have
  std::string detail;  // its size and lettering, or why it was not written
  std::vector<std::string> notes;
};
DrawingTranslation translate_open_drawing(const Document& document, const Screen& screen, std::string path);

// The drawing printed, as the setup line lays it out, on a printer the
// user chooses; what to tell the user.
std::vector<std::string> print_open_drawing(const Document& document, const Screen& screen);

// The window's Export command for the editor's drawing, drawn as the
// screen's view and layers show it.
class EditorDrawingExporter final : public host::DrawingExporter {
 public:
  EditorDrawingExporter(const Document& document, const Screen& screen) : document_(document), screen_(screen) {}
  std::string default_name() const override;
  std::string export_to(const std::string& path) override;

 private:
  const Document& document_;
  const Screen& screen_;
};

}  // namespace plv
