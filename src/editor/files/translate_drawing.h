#pragma once
// The open drawing translated for publication, as its setup line asks:
// beside its file from the translation setup menu, or where the user
// chooses from the window's File menu.

#include <optional>
#include <string>

#include "drawing/setup_line.h"
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
  std::string ink;     // "in colour" or "in mono"
  std::vector<std::string> notes;
};
// The setup line's ink and lettering stand unless `setup` is given.
DrawingTranslation translate_open_drawing(const Document& document, const Screen& screen, std::string path,
                                          const std::optional<SetupValues>& setup = std::nullopt);

// The export dialog's choices as the setup line's values, both ways.
host::ExportChoices export_choices_of(const SetupValues& setup);
SetupValues setup_with_choices(SetupValues setup, const host::ExportChoices& choices);

// The drawing printed, as the setup line lays it out, on a printer the
// user chooses; what to tell the user.
std::vector<std::string> print_open_drawing(const Document& document, const Screen& screen);

// The window's Export command for the editor's drawing, drawn as the
// screen's view and layers show it.
class EditorDrawingExporter final : public host::DrawingExporter {
 public:
  EditorDrawingExporter(const Document& document, const Screen& screen) : document_(document), screen_(screen) {}
  std::string default_name() const override;
  host::ExportChoices default_choices() const override;
  std::string export_to(const std::string& path, const host::ExportChoices& choices) override;

 private:
  const Document& document_;
  const Screen& screen_;
};

}  // namespace plv
