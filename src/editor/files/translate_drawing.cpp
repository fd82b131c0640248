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

// The lettering the export dialog offers, by the setup line's letters.
struct Lettering {
  char font;
  const char* name;
};
constexpr Lettering kLetterings[] = {
    {'D', "Drafting (stroke font)"}, {'C', "Courier"}, {'H', "Helvetica"}, {'T', "Times"}};

}  // namespace

host::ExportChoices export_choices_of(const SetupValues& setup) {
  host::ExportChoices choices;
  choices.colour = setup.colour == 'C';
  for (const Lettering& l : kLetterings) {
    if (l.font == setup.font) choices.typeface = static_cast<int>(choices.typefaces.size());
    choices.typefaces.emplace_back(l.name);
  }
  return choices;
}

SetupValues setup_with_choices(SetupValues setup, const host::ExportChoices& choices) {
  setup.colour = choices.colour ? 'C' : 'M';
  const auto index = static_cast<std::size_t>(choices.typeface);
  if (index < std::size(kLetterings)) setup.font = kLetterings[index].font;
  return setup;
}

std::string path_beside_drawing(const Document& document, publish::PageFormat format) {
  fs::path path(std::string(text::trimmed(document.drawing_path)));
  path.replace_extension(std::string(publish::extension_of(format)));
  return path.string();
}

DrawingTranslation translate_open_drawing(const Document& document, const Screen& screen, std::string path,
                                          const std::optional<SetupValues>& setup) {
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
  request.setup = setup.value_or(parse_setup_line(document.setup_line));
  request.format = *format;
  request.title = std::string(text::trimmed(document.drawing_name));
  const publish::TranslationOutcome outcome =
      publish::translate_to_file(document.drawing, screen.render, request, path);
  result.notes = outcome.notes;
  result.ok = outcome.written.ok();
  result.ink = request.setup.colour == 'C' ? "in colour" : "in mono";
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

host::ExportChoices EditorDrawingExporter::default_choices() const {
  return export_choices_of(parse_setup_line(document_.setup_line));
}

std::string EditorDrawingExporter::export_to(const std::string& path, const host::ExportChoices& choices) {
  if (!document_.file_open) return "No drawing is open, so there is nothing to export.";
  const SetupValues chosen = setup_with_choices(parse_setup_line(document_.setup_line), choices);
  const DrawingTranslation t = translate_open_drawing(document_, screen_, path, chosen);
  std::string told = t.ok ? "The drawing was exported to " + t.path + " (" + t.ink + ", " + t.detail + ")."
                          : "The drawing could not be exported: " + t.detail;
  for (const std::string& note : t.notes) told += "\n" + note;
  return told;
}

}  // namespace plv
