#pragma once
// Figures made by other programs (SVG, PDF, PostScript and Encapsulated
// PostScript) imported as new drawings.

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

struct ImportRequest {
  ImportColours colours = ImportColours::kPalette;
  int page = 1;             // of a PDF or PostScript document
  std::string source_name;  // for the drawing's comment
  std::string drawing_name;  // the 14-character name in the first record
  std::string date;          // 9 characters, as a new drawing's first record holds it
};

struct ImportedFigure {
  RecordStore drawing;
  std::string setup_line;  // the figure's width, Helvetica letters, colour
  std::vector<std::string> summary;
  std::string error;  // empty when the figure was imported
};

ImportedFigure import_figure(std::string_view bytes, const ImportRequest& request);

// The figure in file `in` written as the drawing `out` (its name in the
// first record, today's date unless the request gives one). A drawing
// already at `out` is replaced: the caller asks first.
struct ImportedFile {
  std::vector<std::string> summary;
  std::string error;  // empty when the drawing was written
};
ImportedFile import_figure_file(const std::string& in, const std::string& out, ImportRequest request);

}  // namespace plv::import
