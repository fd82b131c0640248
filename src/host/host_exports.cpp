// The window's export commands: each asks where the file goes, has the
// picture's bytes made (picture_exports), writes them and says what failed.

#include <string>

#include "host/host.h"
#include "host/picture_exports.h"
#include "text/whole_file.h"

namespace plv::host {
namespace {

constexpr std::string_view kMetafileFailure = "Unable to create enhanced metafile";

FileResult write_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  return write_whole_file(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

std::optional<std::string> Host::ask_export_path(std::string_view filter_name, std::string_view pattern,
                                                 std::string_view extension, std::string default_name) {
  FileDialogRequest request;
  request.directory = export_names_.directory();
  request.file_name = std::move(default_name);
  request.filters = {{std::string(filter_name), std::string(pattern)}};
  request.default_extension = extension;
  return window_system_.save_file_dialog(request);
}

void Host::write_tiff() {
  const auto path = ask_export_path("TIFF Files (*.TIF)", "*.tif", "tif", "");
  if (!path) return;
  window_system_.set_cursor(CursorShape::kHourglass);
  const FileResult written = write_bytes(*path, tiff_bytes(picture_, export_options(settings_)));
  update_cursor();
  if (!written.ok()) message("Unable to write the TIFF file: " + written.error);
}

void Host::write_metafile() {
  const auto path = ask_export_path("Extended MetaFiles (*.EMF)", "*.emf", "emf", export_names_.default_name("emf"));
  if (!path) return;
  const FileResult written = write_bytes(*path, metafile_bytes(picture_, export_options(settings_)));
  if (!written.ok()) message(std::string(kMetafileFailure) + ": " + written.error);
}

void Host::export_drawing() {
  if (!exporter_ || exporter_->default_name().empty()) {
    message("No drawing is open, so there is nothing to export.");
    return;
  }
  FileDialogRequest request;
  request.title = "Export the drawing";
  request.directory = export_names_.directory();
  request.file_name = exporter_->default_name();
  request.filters = {{"PDF (*.pdf)", "*.pdf"}, {"Encapsulated PostScript (*.eps)", "*.eps"}, {"SVG (*.svg)", "*.svg"}};
  request.default_extension = "pdf";
  const auto path = window_system_.save_file_dialog(request);
  if (!path) return;
  ExportChoices choices = exporter_->default_choices();
  if (!window_system_.export_choices_dialog(choices)) return;
  window_system_.set_cursor(CursorShape::kHourglass);
  const std::string told = exporter_->export_to(*path, choices);
  update_cursor();
  message(told);
}

}  // namespace plv::host
