// The picture leaves the program as a TIFF image or an enhanced metafile,
// both started from the window's menu while the picture is shown.

#include <string>

#include "host/host.h"
#include "host/picture_area.h"
#include "host/vector_surface.h"
#include "image/tiff_writer.h"
#include "image/vector_page.h"
#include "text/whole_file.h"

namespace plv::host {
namespace {

constexpr std::string_view kMetafileFailure = "Unable to create enhanced metafile";
// Metafile units are plot units: a picture 3500 units wide is 7 inches.
constexpr int kMetafileUnitsPerInch = 500;
// The frame's margin round the picture, in plot units.
constexpr int kFrameHalfWidth = 2000, kFrameHalfHeight = 1400;

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
  if (!picture_.bitmap_valid()) picture_.replay_to_window();
  const Raster& bitmap = picture_.bitmap();
  const PixelArea area = saved_area(bitmap.width(), bitmap.height(), picture_.transform());
  const std::vector<std::uint32_t> pixels = pixels_in(bitmap, area);
  const image::TiffSamples samples = settings_.colour_window ? image::TiffSamples::kColour : image::TiffSamples::kGrey;
  const FileResult written = write_bytes(*path, image::encode_tiff({area.width(), area.height(), pixels}, samples));
  update_cursor();
  if (!written.ok()) message("Unable to write the TIFF file: " + written.error);
}

void Host::write_metafile() {
  const auto path = ask_export_path("Extended MetaFiles (*.EMF)", "*.emf", "emf", export_names_.default_name("emf"));
  if (!path) return;
  const std::unique_ptr<image::VectorPage> page = image::make_emf_page("ORVLAB", kMetafileUnitsPerInch);
  VectorSurface surface(*page);
  OutputTarget target;
  target.surface = &surface;
  target.transform.height = settings_.landscape_printer ? -kPlotHeight : kPlotHeight;
  target.transform.landscape = settings_.landscape_printer != 0;
  target.takes_colour = settings_.colour_window != 0;
  target.pen_width = settings_.pen_width_emf;
  picture_.replay_to_output(target);
  // An invisible rectangle gives the metafile's frame a margin round the picture.
  surface.select_pen(std::nullopt);
  surface.select_brush(std::nullopt);
  const Point low = target.transform.to_device(-kFrameHalfWidth, kFrameHalfHeight);
  const Point high = target.transform.to_device(kFrameHalfWidth, -kFrameHalfHeight);
  surface.rectangle(low.x, low.y, high.x, high.y);
  const FileResult written = write_bytes(*path, page->finish());
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
  window_system_.set_cursor(CursorShape::kHourglass);
  const std::string told = exporter_->export_to(*path);
  update_cursor();
  message(told);
}

}  // namespace plv::host
