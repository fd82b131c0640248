// SVG figures: whatever the bytes, the import ends in a drawing or a
// refusal, never a crash; a drawing made writes every record it holds, and
// the file reads back as that many records.

#include "drawing/command_file.h"
#include "fuzz_input.h"
#include "import/import_figure.h"
#include "kinds/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plv;
  // Only SVG: PDF and PostScript go to poppler and Ghostscript, fuzzed by their own makers.
  const std::string_view bytes = fuzz::as_text(data, size);
  if (import::figure_format_of(bytes) != import::FigureFormat::kSvg) return 0;
  import::ImportRequest request;
  request.source_name = "fuzz.svg";
  request.drawing_name = "FUZZ";
  request.date = " 8-DEC-26";
  const import::ImportedFigure made = import::import_figure(bytes, request);
  if (!made.error.empty()) return 0;
  PLV_FUZZ_CHECK(made.drawing.count() >= 3);
  std::string text;
  WriteProblems problems;
  command_file_lines({"fuzz.plv", made.setup_line, " 8-DEC-26"}, made.drawing, kinds(), [&text](std::string_view line) {
    text += line;
    text += '\n';
  }, problems);
  PLV_FUZZ_CHECK(problems.skipped.empty() && problems.too_large.empty());
  RecordStore back;
  LineReader in = fuzz::lines_of(text);
  PLV_FUZZ_CHECK(read_command_file(in, back, kinds()).ok());
  return 0;
}
