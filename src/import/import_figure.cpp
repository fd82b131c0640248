#include "import/import_figure.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "drawing/setup_line.h"
#include "drawing/today.h"
#include "import/pdf_figure.h"
#include "import/postscript_pdf.h"
#include "import/svg_pages.h"
#include "kinds/comment.h"
#include "kinds/registry.h"
#include "kinds/render_state.h"
#include "publish/paper_colours.h"
#include "publish/translation.h"

namespace plv::import {
namespace {

constexpr std::uintmax_t kLargestFigure = std::uintmax_t{1} << 29;  // 512 MB
constexpr size_t kSniffed = 1024;  // bytes looked at for an SVG's root element

bool starts(std::string_view bytes, std::string_view lead) { return bytes.substr(0, lead.size()) == lead; }

Colour as_colour(const host::Rgb& c) { return {c.red, c.green, c.blue}; }

RecordStyle paper_style(ImportColours colours) {
  RecordStyle style;
  style.colours = colours;
  publish::PaperColours paper(true);
  paper.mode(ColourMode::kBar);
  for (int i = 0; i < 16; ++i) style.palette_on_paper[static_cast<size_t>(i)] = as_colour(paper.index(i).value_or(host::kBlack));
  style.rgb_on_paper = [](int r, int g, int b) {
    publish::PaperColours rgb_paper(true);
    rgb_paper.mode(ColourMode::kRgb);
    constexpr float kLevels = 64;
    return as_colour(rgb_paper.rgb(static_cast<float>(r) / kLevels, static_cast<float>(g) / kLevels,
                                    static_cast<float>(b) / kLevels).value_or(host::kBlack));
  };
  style.line_width = publish::kBaseLineWidth;
  return style;
}

struct FigureRead {
  Figure figure;
  std::string error;
};

FigureRead read_figure(std::string_view bytes, FigureFormat format, int page) {
  if (format == FigureFormat::kSvg) {
    const SvgPages pages = svg_as_layer_pages(bytes);
    if (!pages.error.empty()) return {{}, pages.error};
    auto read = read_pdf_figure(pages.pdf, 1, 0, flattening_tolerance);
    read.figure.pages = 1;
    return {std::move(read.figure), read.error};
  }
  std::string converted;
  if (format != FigureFormat::kPdf) {
    auto made = postscript_as_pdf(bytes, format == FigureFormat::kEncapsulatedPostScript);
    if (!made.error.empty()) return {{}, made.error};
    converted = std::move(made.pdf);
    bytes = converted;
  }
  auto read = read_pdf_figure(bytes, page, page, flattening_tolerance);
  return {std::move(read.figure), read.error};
}

// The drawing width that puts the figure on paper at its own size: the
// translated page spans the drawing's frame, margins included.
double width_for_own_size(const RecordStore& drawing, const Figure& figure, SetupValues setup) {
  const double units_per_point = drawing_units_per_point(figure.page.xmax - figure.page.xmin,
                                                         figure.page.ymax - figure.page.ymin);
  publish::TranslationRequest trial;
  trial.setup = setup;
  trial.format = publish::PageFormat::kSvg;
  const publish::TranslatedPage page = publish::translate(drawing, RenderState{}, trial);
  const double frame = page.frame.frame.xmax - page.frame.frame.xmin;
  if (!page.error.empty() || !(frame > 0)) return setup.drawing_width;
  const double width = frame / units_per_point / publish::kPointsPerCentimetre;
  return accepted_drawing_width(width) ? width : setup.drawing_width;
}

std::string count_line(const std::map<std::string, long>& records) {
  std::string line = "made";
  for (const auto& [code, n] : records) line += " " + std::to_string(n) + " " + code + ",";
  line.back() = line == "made" ? line.back() : '.';
  return line == "made" ? "made no records" : line;
}

}  // namespace

std::optional<FigureFormat> figure_format_of(std::string_view bytes) {
  if (starts(bytes, "%PDF-")) return FigureFormat::kPdf;
  if (starts(bytes, "\xC5\xD0\xD3\xC6")) return std::nullopt;  // a DOS EPS with a preview: not taken
  if (starts(bytes, "%!PS")) {
    const std::string_view first_line = bytes.substr(0, bytes.find('\n'));
    return first_line.find("EPSF") != std::string_view::npos ? FigureFormat::kEncapsulatedPostScript
                                                             : FigureFormat::kPostScript;
  }
  const std::string_view head = bytes.substr(0, kSniffed);
  if (head.find("<svg") != std::string_view::npos) return FigureFormat::kSvg;
  return std::nullopt;
}

ImportedFigure import_figure(std::string_view bytes, const ImportRequest& request) {
  ImportedFigure out;
  const auto format = figure_format_of(bytes);
  if (!format) {
    out.error = "not an SVG, PDF, PostScript or Encapsulated PostScript figure";
    return out;
  }
  FigureRead read = read_figure(bytes, *format, request.page);
  if (!read.error.empty()) {
    out.error = read.error;
    return out;
  }
  const ImportedRecords made = figure_records(read.figure, paper_style(request.colours));
  out.drawing.append(new_drawing_records(request.drawing_name, request.date).front());
  out.drawing.append(comment_record("imported from " + request.source_name));
  for (const Record& r : made.records) out.drawing.append(r);

  SetupValues setup;
  setup.font = 'H';
  setup.colour = 'C';
  setup.drawing_width = width_for_own_size(out.drawing, read.figure, setup);
  out.setup_line = format_setup_line(setup);
  out.summary = made.tally.lines(read.figure);
  out.summary.insert(out.summary.begin(), count_line(made.tally.records));
  return out;
}

ImportedFile import_figure_file(const std::string& in, const std::string& out, ImportRequest request) {
  ImportedFile result;
  std::error_code size_error;
  const std::uintmax_t size = std::filesystem::file_size(in, size_error);
  if (!size_error && size > kLargestFigure) {
    result.error = in + ": larger than the 512 MB a figure may be";
    return result;
  }
  std::ifstream file(in, std::ios::binary);
  if (!file) {
    result.error = in + ": cannot read: " + std::strerror(errno);
    return result;
  }
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) {
    result.error = in + ": cannot read it to its end";
    return result;
  }
  if (request.source_name.empty()) request.source_name = std::filesystem::path(in).filename().string();
  if (request.drawing_name.empty()) request.drawing_name = std::filesystem::path(out).filename().string();
  if (request.date.empty()) request.date = today_date_text();
  ImportedFigure figure = import_figure(bytes, request);
  if (!figure.error.empty()) {
    result.error = in + ": " + figure.error;
    return result;
  }
  const CommandFileHeader header{out, figure.setup_line, request.date};
  const CommandFileWrite written = write_command_file(out, header, figure.drawing, kinds());
  if (!written.ok()) {
    result.error = written.error;
    return result;
  }
  result.summary = std::move(figure.summary);
  return result;
}

}  // namespace plv::import
