#pragma once
// The picture leaving the program, as the bytes of a file: the backing
// bitmap as a TIFF, PNG or PCX image, the plot buffer replayed into an
// enhanced metafile, the picture printed on a PDF page. Nothing here asks
// for a name, shows anything or writes a file: the window's commands, the
// kernel's screen dump and plvtool do that with what these give.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "host/host_settings.h"
#include "host/picture.h"
#include "host/window_system.h"
#include "image/pcx_writer.h"
#include "image/vector_page.h"

namespace plv::host {

// Where the picture goes on a printed page, in hundredths of an inch; the
// height follows the width at 7 : 5.
struct PagePlacement {
  int left_margin = 100;
  int top_margin = 100;
  int width = 650;
};

// What decides an export's bytes besides the picture, as the host
// settings hold it.
struct ExportOptions {
  bool colour = true;      // colour, or grey (the TIFF's samples, the metafile's colours)
  bool landscape = false;  // the printed page and the metafile turned a quarter
  PagePlacement page;
  int printer_pen_width = 2;   // dots of the printer
  int metafile_pen_width = 2;  // metafile units
};

ExportOptions export_options(const HostSettings& settings);

// The picture's own area of the backing bitmap, replayed first when the
// bitmap is out of date.
std::vector<std::uint8_t> tiff_bytes(Picture& picture, const ExportOptions& options);
// All of the backing bitmap as it stands.
std::vector<std::uint8_t> png_bytes(const Picture& picture);
// The backing bitmap as it stands, sampled onto the 640 x 480 dump raster
// in `palette`'s colours.
std::vector<std::uint8_t> pcx_bytes(const Picture& picture, const image::PcxPalette& palette);
// Each pixel of that sampling as the index of its nearest palette entry.
std::vector<std::uint8_t> pcx_indices(const Raster& bitmap, const image::PcxPalette& palette);
// The plot buffer replayed in plot units, with a margin round the picture.
std::vector<std::uint8_t> metafile_bytes(Picture& picture, const ExportOptions& options);

// Where the picture goes on the job's page, as the page setup places it.
OutputTarget page_target(PrintJob& job, const ExportOptions& options);
// The pen a printed page draws with, in the printer's dots: the setting,
// but never thinner than a quarter of a millimetre, which prints and
// copies cleanly.
int printed_pen_width(int setting, int dots_per_inch);

// The picture printed on a PDF page as the Print command prints it on a
// PdfPrintJob, what `draw` draws going onto the page as it is drawn and
// its bytes to `sink` as they are made: a picture of any size is printed
// in bounded memory, neither shown nor recorded.
void pdf_page_as_drawn(Picture& picture, const ExportOptions& options, std::string_view title,
                       image::PageSink sink, const std::function<void()>& draw);

}  // namespace plv::host
