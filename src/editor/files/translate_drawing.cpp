#include "editor/files/translate_drawing.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "drawing/setup_line.h"
#include "host/host.h"
#include "kernel/kernel.h"
#include "text/fixed_text.h"

namespace plv {
namespace {

namespace fs = std::filesystem;

std::string page_size(const publish::PageFrame& frame) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f cm x %.2f cm", frame.width / publish::kPointsPerCentimetre,
                frame.height / publish::kPointsPerCentimetre);
  return text;
}

}  // namespace

std::string path_beside_drawing(const Document& document, publish::PageFormat format) {
  fs::path path(std::string(text::trimmed(document.drawing_path)));
  path.replace_extension(std::string(publish::extension_of(format)));
  return path.string();
}

DrawingTranslation translate_open_drawing(const Document& document, const Screen& screen, std::string path) {
  DrawingTranslation result;
  auto format = publish::format_for_path(path);
  if (!format) {
    format = publish::PageFormat::kPdf;
    path += ".pdf";
  }
  std::error_code ignored;
  const fs::path absolute = fs::absolute(path, ignored);
  result.path = absolute.empty() ? path : absolute.string();
  publish::TranslationRequest request;
  request.setup = parse_setup_line(document.setup_line);
  request.format = *format;
  request.title = std::string(text::trimmed(document.drawing_name));
  const publish::TranslationOutcome outcome =
      publish::translate_to_file(document.drawing, screen.render, request, path);
  result.notes = outcome.notes;
  result.ok = outcome.written.ok();
  result.detail = result.ok ? page_size(outcome.frame) + ", letters in " + outcome.lettering : outcome.written.error;
  return result;
}

std::vector<std::string> print_open_drawing(const Document& document, const Screen& screen) {
  publish::TranslationRequest request;
  request.setup = parse_setup_line(document.setup_line);
  request.title = std::string(text::trimmed(document.drawing_name));
  std::string problem;
  auto draw = [&](int dots_per_inch) -> std::optional<host::Host::PrintedPicture> {
    publish::PagePixels page = publish::translate_to_pixels(document.drawing, screen.render, request, dots_per_inch);
    if (!page.error.empty()) {
      problem = page.error;
      return std::nullopt;
    }
    const double dots = dots_per_inch / 72.0;
    return host::Host::PrintedPicture{std::move(page.pixels), static_cast<int>(std::lround(page.frame.width * dots)),
                                      static_cast<int>(std::lround(page.frame.height * dots))};
  };
  switch (screen.kernel.host().print_picture(draw)) {
    case host::Host::PrintOutcome::kPrinted: return {"THE DRAWING WAS SENT TO THE PRINTER."};
    case host::Host::PrintOutcome::kCancelled: return {"NOTHING WAS PRINTED."};
    case host::Host::PrintOutcome::kFailed: break;
  }
  return {">>>ERROR: THE DRAWING WAS NOT PRINTED.", problem};
}

std::string EditorDrawingExporter::default_name() const {
  if (!document_.file_open) return "";
  return fs::path(path_beside_drawing(document_, publish::PageFormat::kPdf)).filename().string();
}

std::string EditorDrawingExporter::export_to(const std::string& path) {
  if (!document_.file_open) return "No drawing is open, so there is nothing to export.";
  const DrawingTranslation t = translate_open_drawing(document_, screen_, path);
  std::string told = t.ok ? "The drawing was exported to " + t.path + " (" + t.detail + ")."
                          : "The drawing could not be exported: " + t.detail;
  for (const std::string& note : t.notes) told += "\n" + note;
  return told;
}

}  // namespace plv
