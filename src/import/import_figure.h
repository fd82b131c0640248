#pragma once
// Figures made by other programs (SVG, PDF, PostScript and Encapsulated
// PostScript) imported as new drawings.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/command_file.h"
#include "drawing/record_store.h"
#include "import/figure_records.h"

namespace plv::import {

enum class FigureFormat { kSvg, kPdf, kPostScript, kEncapsulatedPostScript };

// By the file's first bytes, not its name.
std::optional<FigureFormat> figure_format_of(std::string_view bytes);

inline constexpr int kEveryPage = 0;

struct ImportRequest {
  ImportColours colours = ImportColours::kPalette;
  int page = 1;             // of a PDF or PostScript document; kEveryPage when writing files
  std::string source_name;  // for the drawing's comment
  std::string drawing_name;  // the 14-character name in the first record
  std::string date;          // 9 characters, as a new drawing's first record holds it
};

struct ImportedFigure {
  RecordStore drawing;
  int pages = 1;  // in the document the figure is a page of
  std::string setup_line;  // the figure's width, Helvetica letters, colour
  std::vector<std::string> summary;
  std::string error;  // empty when the figure was imported
};

ImportedFigure import_figure(std::string_view bytes, const ImportRequest& request);

// The bytes of the figure file `in`; an error (naming it) when it cannot
// be read whole or is too large to be a figure.
struct FigureFile {
  std::string bytes;
  std::string error;
};
FigureFile read_figure_file(const std::string& in);

// The figure written as the drawing `out`: its name in the first record,
// today's date unless the request gives one. A drawing already at `out`
// is replaced: the caller asks first.
// With kEveryPage, each page of a document of several becomes a drawing
// of its own, OUT-1.plv, OUT-2.plv and so on; `may_write` is asked before
// each is written.
struct ImportedFile {
  std::vector<std::string> summary;
  std::vector<std::string> written;  // the drawings, in page order
  int pages = 1;
  std::string error;  // empty when every drawing was written
};
ImportedFile import_figure_bytes(std::string_view bytes, const std::string& in, const std::string& out,
                                 ImportRequest request, const std::function<bool(const std::string&)>& may_write);
// The same from the file `in`.
ImportedFile import_figure_file(const std::string& in, const std::string& out, ImportRequest request);

}  // namespace plv::import
