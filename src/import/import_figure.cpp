#include "import/import_figure.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <limits>

#include <zlib.h>

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
constexpr size_t kSniffed = 1 << 16;  // bytes looked at for an SVG's root element, past comments

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

// A figure as poppler reads it: an SVG laid out with a page a layer, a
// PostScript one turned into PDF, a PDF as it is.
struct FigurePdf {
  std::string pdf;
  bool layered = false;  // the pages are the layers of one figure
  std::string error;
  std::vector<std::vector<SvgText>> texts;  // an SVG's texts with their anchors, by layer
};

FigurePdf figure_pdf(std::string_view bytes, FigureFormat format) {
  if (format == FigureFormat::kSvg) {
    SvgPages pages = svg_as_layer_pages(bytes);
    return {std::move(pages.pdf), true, pages.error, std::move(pages.texts)};
  }
  if (format == FigureFormat::kPdf) return {std::string(bytes), false, "", {}};
  PostScriptAsPdf made = postscript_as_pdf(bytes, format == FigureFormat::kEncapsulatedPostScript);
  return {std::move(made.pdf), false, made.error, {}};
}

// Each text read from a layer's page takes the anchor of the next text of
// that layer's elements that reads the same; one that none matches (a text
// split into lines, say) stays keyed at its middle.
void take_anchors(Figure& figure, const std::vector<std::vector<SvgText>>& texts) {
  std::vector<size_t> next(texts.size(), 0);
  for (Text& t : figure.texts) {
    const size_t layer = static_cast<size_t>(t.layer - 1);
    if (layer >= texts.size()) continue;
    const std::vector<SvgText>& candidates = texts[layer];
    const std::string read = collapsed_blanks(t.utf8);
    for (size_t i = next[layer]; i < candidates.size(); ++i) {
      if (candidates[i].text != read) continue;
      t.anchor = candidates[i].anchor;
      next[layer] = i + 1;
      break;
    }
  }
}

PdfFigureRead read_page(const FigurePdf& source, int page) {
  if (!source.layered) return read_pdf_figure(source.pdf, page, page, flattening_tolerance);
  PdfFigureRead read = read_pdf_figure(source.pdf, 1, 0, flattening_tolerance);
  read.figure.pages = 1;
  take_anchors(read.figure, source.texts);
  if (page != 1 && read.error.empty()) read.error = "the file has 1 page(s)";
  return read;
}

// The drawing width that puts the figure on paper at its own size: the
// translated page spans the drawing's frame, margins included.
double width_for_own_size(const RecordStore& drawing, const Figure& figure, SetupValues setup) {
  const double units_per_point = drawing_units_per_point(figure.page.xmax - figure.page.xmin,
                                                         figure.page.ymax - figure.page.ymin);
  const publish::PageFrame page = publish::translated_frame(drawing, RenderState{}, setup);
  const double frame = page.frame.xmax - page.frame.xmin;
  if (!(frame > 0)) return setup.drawing_width;
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

namespace {

ImportedFigure figure_of_page(const FigurePdf& source, const ImportRequest& request) {
  ImportedFigure out;
  PdfFigureRead read = read_page(source, request.page);
  out.pages = read.figure.pages;
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

// A gzip-compressed figure (an .svgz, say) as it was before compression;
// nothing when the bytes are not gzip's or do not expand whole.
std::optional<std::string> expanded(std::string_view bytes) {
  if (!starts(bytes, "\x1F\x8B")) return std::nullopt;
  z_stream z{};
  if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return std::nullopt;
  std::string out;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.avail_in = static_cast<uInt>(std::min<size_t>(bytes.size(), std::numeric_limits<uInt>::max()));
  int status = Z_OK;
  char buffer[1 << 16];
  while (status == Z_OK && out.size() <= kLargestFigure) {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof buffer;
    status = inflate(&z, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - z.avail_out);
  }
  inflateEnd(&z);
  if (status != Z_STREAM_END) return std::nullopt;
  return out;
}

FigurePdf source_of(std::string_view bytes) {
  const std::optional<std::string> plain = expanded(bytes);
  if (plain) bytes = *plain;
  const auto format = figure_format_of(bytes);
  if (!format) return {"", false, "not an SVG, PDF, PostScript or Encapsulated PostScript figure", {}};
  return figure_pdf(bytes, *format);
}

// OUT-2.plv for page 2 of OUT.plv.
std::string numbered(const std::string& out, int page) {
  const std::filesystem::path path(out);
  return (path.parent_path() / (path.stem().string() + "-" + std::to_string(page) + path.extension().string())).string();
}

std::vector<std::string> drawings_for_pages(const std::string& out, int pages) {
  if (pages == 1) return {out};
  std::vector<std::string> names;
  for (int p = 1; p <= pages; ++p) names.push_back(numbered(out, p));
  return names;
}

}  // namespace

ImportedFigure import_figure(std::string_view bytes, const ImportRequest& request) {
  const FigurePdf source = source_of(bytes);
  if (!source.error.empty()) {
    ImportedFigure out;
    out.error = source.error;
    return out;
  }
  return figure_of_page(source, request);
}

FigureFile read_figure_file(const std::string& in) {
  FigureFile file;
  std::error_code size_error;
  const std::uintmax_t size = std::filesystem::file_size(in, size_error);
  if (!size_error && size > kLargestFigure) {
    file.error = in + ": larger than the 512 MB a figure may be";
    return file;
  }
  std::ifstream stream(in, std::ios::binary);
  if (!stream) {
    file.error = in + ": cannot read: " + std::strerror(errno);
    return file;
  }
  file.bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  if (stream.bad()) file.error = in + ": cannot read it to its end";
  return file;
}

ImportedFile import_figure_bytes(std::string_view bytes, const std::string& in, const std::string& out,
                                 ImportRequest request, const std::function<bool(const std::string&)>& may_write) {
  ImportedFile result;
  if (request.source_name.empty()) request.source_name = std::filesystem::path(in).filename().string();
  if (request.date.empty()) request.date = today_date_text();
  const FigurePdf source = source_of(bytes);
  if (!source.error.empty()) {
    result.error = in + ": " + source.error;
    return result;
  }
  const bool every_page = request.page == kEveryPage;
  const int first = every_page ? 1 : request.page;
  int last = first;  // every page: known once the first is read
  std::vector<std::string> drawings{out};
  for (int page = first; page <= last; ++page) {
    request.page = page;
    ImportedFigure figure = figure_of_page(source, request);
    result.pages = figure.pages;
    if (!figure.error.empty()) {
      result.error = in + ": " + figure.error;
      return result;
    }
    if (every_page && page == 1) {
      last = figure.pages;
      drawings = drawings_for_pages(out, figure.pages);
    }
    const std::string& drawing = drawings[static_cast<size_t>(every_page ? page - 1 : 0)];
    if (!may_write(drawing)) {
      result.error = drawing + ": a file is already there";
      return result;
    }
    request.drawing_name = std::filesystem::path(drawing).filename().string();
    figure.drawing.write(1, new_drawing_records(request.drawing_name, request.date).front());
    const CommandFileWrite written =
        write_command_file(drawing, {drawing, figure.setup_line, request.date}, figure.drawing, kinds());
    if (!written.ok()) {
      result.error = written.error;
      return result;
    }
    if (drawings.size() > 1) {
      result.summary.push_back(drawing + ":");
      std::erase_if(figure.summary, [](const std::string& line) { return line.starts_with("the document has "); });
    }
    result.summary.insert(result.summary.end(), figure.summary.begin(), figure.summary.end());
    result.written.push_back(drawing);
  }
  return result;
}

ImportedFile import_figure_file(const std::string& in, const std::string& out, ImportRequest request) {
  const FigureFile file = read_figure_file(in);
  if (!file.error.empty()) return {{}, {}, 1, file.error};
  return import_figure_bytes(file.bytes, in, out, std::move(request), [](const std::string&) { return true; });
}

}  // namespace plv::import
