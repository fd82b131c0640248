#include "host/picture_exports.h"

#include <algorithm>
#include <cmath>

#include <memory>
#include <optional>
#include <unordered_map>

#include "host/pdf_print_job.h"
#include "host/picture_area.h"
#include "host/vector_surface.h"
#include "image/png_writer.h"
#include "image/tiff_writer.h"

namespace plv::host {
namespace {

constexpr std::string_view kMetafileDescription = "ORVLAB";
// Metafile units are plot units: a picture 3500 units wide is 7 inches.
constexpr int kMetafileUnitsPerInch = 500;
// The frame's margin round the picture, in plot units.
constexpr int kFrameHalfWidth = 2000, kFrameHalfHeight = 1400;

std::uint8_t nearest_entry(Rgb c, const image::PcxPalette& palette) {
  int best = 0;
  long best_distance = -1;
  for (int i = 0; i < 256; ++i) {
    const long dr = c.red - palette[i].red, dg = c.green - palette[i].green, db = c.blue - palette[i].blue;
    const long d = dr * dr + dg * dg + db * db;
    if (best_distance < 0 || d < best_distance) {
      best = i;
      best_distance = d;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace

ExportOptions export_options(const HostSettings& settings) {
  ExportOptions options;
  options.colour = settings.colour_window != 0;
  options.landscape = settings.landscape_printer != 0;
  options.page = {settings.page_left_margin, settings.page_top_margin, settings.page_width};
  options.printer_pen_width = settings.pen_width_printer;
  options.metafile_pen_width = settings.pen_width_emf;
  return options;
}

std::vector<std::uint8_t> tiff_bytes(Picture& picture, const ExportOptions& options) {
  if (!picture.bitmap_valid()) picture.replay_to_window();
  const Raster& bitmap = picture.bitmap();
  const PixelArea area = saved_area(bitmap.width(), bitmap.height(), picture.transform());
  const std::vector<std::uint32_t> pixels = pixels_in(bitmap, area);
  const image::TiffSamples samples = options.colour ? image::TiffSamples::kColour : image::TiffSamples::kGrey;
  return image::encode_tiff({area.width(), area.height(), pixels}, samples);
}

std::vector<std::uint8_t> png_bytes(const Picture& picture) { return image::encode_png(picture.bitmap().image()); }

std::vector<std::uint8_t> pcx_bytes(const Picture& picture, const image::PcxPalette& palette) {
  return image::encode_pcx(pcx_indices(picture.bitmap(), palette), palette);
}

std::vector<std::uint8_t> pcx_indices(const Raster& bitmap, const image::PcxPalette& palette) {
  using image::kPcxHeight, image::kPcxWidth;
  std::vector<std::uint8_t> indices(static_cast<size_t>(kPcxWidth) * kPcxHeight, 0);
  if (bitmap.width() <= 0 || bitmap.height() <= 0) return indices;
  std::unordered_map<std::uint32_t, std::uint8_t> seen;
  for (int y = 0; y < kPcxHeight; ++y) {
    const int sy = static_cast<int>(static_cast<long>(y) * bitmap.height() / kPcxHeight);
    for (int x = 0; x < kPcxWidth; ++x) {
      const int sx = static_cast<int>(static_cast<long>(x) * bitmap.width() / kPcxWidth);
      const Rgb c = bitmap.pixel(sx, sy);
      const std::uint32_t key = std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
      auto it = seen.find(key);
      if (it == seen.end()) it = seen.emplace(key, nearest_entry(c, palette)).first;
      indices[static_cast<size_t>(y) * kPcxWidth + x] = it->second;
    }
  }
  return indices;
}

std::vector<std::uint8_t> metafile_bytes(Picture& picture, const ExportOptions& options) {
  const std::unique_ptr<image::VectorPage> page = image::make_emf_page(kMetafileDescription, kMetafileUnitsPerInch);
  VectorSurface surface(*page);
  OutputTarget target;
  target.surface = &surface;
  target.transform.height = options.landscape ? -kPlotHeight : kPlotHeight;
  target.transform.landscape = options.landscape;
  target.takes_colour = options.colour;
  target.pen_width = options.metafile_pen_width;
  picture.replay_to_output(target);
  // An invisible rectangle gives the metafile's frame a margin round the picture.
  surface.select_pen(std::nullopt);
  surface.select_brush(std::nullopt);
  const Point low = target.transform.to_device(-kFrameHalfWidth, kFrameHalfHeight);
  const Point high = target.transform.to_device(kFrameHalfWidth, -kFrameHalfHeight);
  surface.rectangle(low.x, low.y, high.x, high.y);
  return page->finish();
}

int printed_pen_width(int setting, int dots_per_inch) {
  const int quarter_millimetre = static_cast<int>(std::ceil(dots_per_inch * 0.25 / 25.4));
  return std::max(setting, quarter_millimetre);
}

OutputTarget page_target(PrintJob& job, const ExportOptions& options) {
  const int left = job.dots_per_inch_x() * options.page.left_margin / 100;
  const int top = job.dots_per_inch_y() * options.page.top_margin / 100;
  int width = job.dots_per_inch_x() * options.page.width / 100;
  int height = job.dots_per_inch_y() * options.page.width * 5 / 700;
  const int scale = job.scale_percent();
  if (scale >= 1 && scale <= 100) {
    width = width * scale / 100;
    height = height * scale / 100;
  }
  OutputTarget target;
  target.surface = &job.page();
  target.transform.width = width;
  target.transform.height = options.landscape ? -height : height;
  target.transform.centre = {width / 2 + left, height / 2 + top};
  target.transform.landscape = options.landscape;
  target.takes_colour = job.colour();
  target.pen_width = printed_pen_width(options.printer_pen_width, job.dots_per_inch_x());
  return target;
}

void pdf_page_as_drawn(Picture& picture, const ExportOptions& options, std::string_view title,
                       image::PageSink sink, const std::function<void()>& draw) {
  PdfPrintJob job(std::move(sink), title);
  picture.draw_to_output(page_target(job, options), draw);
  job.finish();
}

}  // namespace plv::host
