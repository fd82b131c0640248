#include "publish/translation.h"

#include <cairo-ps.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "image/pdf_file.h"
#include "kinds/colour_problem.h"
#include "publish/cairo_canvas.h"
#include "publish/ink_measure.h"
#include "publish/pdf_canvas.h"
#include "publish/paper_painter.h"
#include "publish/svg_canvas.h"
#include "render/redraw.h"
#include "text/whole_file.h"

namespace plv::publish {
namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

// Most of an SVG page is its paths' numbers, a few dozen bytes a record.
constexpr std::size_t kSvgBytesPerRecord = 32;

// What the colour records would have told the user, kept as notes; the
// fatal pair of colour modes stops the translation.
struct TranslationStopped {};
constexpr const char* kTwoColourModes = "the drawing holds two different colour modes";
class NoteTaker final : public ColourProblems {
 public:
  explicit NoteTaker(std::vector<std::string>& notes) : notes_(notes) {}
  void met(const ColourProblem& p) override {
    notes_.push_back(p.second.empty() ? p.first : p.first + " " + p.second);
    if (p.telling == ColourProblem::Telling::kFatal) throw TranslationStopped{};
  }

 private:
  std::vector<std::string>& notes_;
};

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Printable ASCII only: the title goes into PostScript comments.
std::string plain_title(std::string_view title) {
  std::string out;
  for (const char c : title) out += (c >= 0x20 && c < 0x7f && c != '(' && c != ')' && c != '\\') ? c : '_';
  return out;
}

Surface page_surface(const TranslationRequest& request, const PageFrame& frame, std::string& bytes) {
  const double w = frame.width, h = frame.height;
  cairo_surface_t* s = nullptr;
  const std::string title = plain_title(request.title);
  switch (request.format) {
    case PageFormat::kEps:
    case PageFormat::kPostScript:
      s = cairo_ps_surface_create_for_stream(append_bytes, &bytes, w, h);
      cairo_ps_surface_set_eps(s, request.format == PageFormat::kEps);
      cairo_ps_surface_dsc_comment(s, ("%%Title: " + title).c_str());
      break;
    case PageFormat::kSvg:  // our own pages, not cairo's
    case PageFormat::kPdf:
      break;
  }
  return Surface(s);
}

PaperStyle paper_style(const SetupValues& setup, TranslatedPage& page) {
  PaperStyle style;
  style.line_width = setup.line_width * kBaseLineWidth;
  style.in_colour = setup.colour == 'C';
  page.lettering = "the stroke font";
  if (setup.font == 'D') return style;
  style.typeface = typeface_for(setup.font);
  const std::string named = named_family(setup.font);
  if (!style.typeface) {
    page.notes.push_back("no typeface for " + named + " is installed; the letters are drawn in the stroke font");
    return style;
  }
  page.lettering = style.typeface->family;
  if (!style.typeface->metric_compatible)
    page.notes.push_back("no face with " + named + "'s widths is installed; " + style.typeface->family + " stands in");
  return style;
}

// Every record drawn through the painter onto `canvas`; false when the
// colour modes stopped it.
bool draw_drawing(PaperCanvas& canvas, const RecordStore& drawing, RenderState state, const PageFrame& frame,
                  const PaperStyle& style, std::vector<std::string>& notes) {
  state.view = ViewTransform{};
  state.aspect = 1.0f;
  PaperPainter painter(canvas, frame, style);
  NoteTaker messages(notes);
  try {
    redraw_through(drawing, state, painter, messages);
  } catch (const TranslationStopped&) {
    return false;
  }
  painter.finish();
  return true;
}

// What the drawing puts on paper, strokes and letters included, in
// drawing units; measured on a page fitted to the extent alone.
std::optional<Extent> ink_extent(const RecordStore& drawing, const RenderState& state, const PageFrame& trial,
                                 const PaperStyle& style) {
  std::vector<std::string> ignored;
  return measured_ink(
      [&](PaperCanvas& canvas) {
        ignored.clear();
        draw_drawing(canvas, drawing, state, trial, style, ignored);
      },
      trial, style.line_width);
}

}  // namespace

std::optional<PageFormat> format_for_path(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos) return std::nullopt;
  std::string ext(path.substr(dot + 1));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "pdf") return PageFormat::kPdf;
  if (ext == "eps") return PageFormat::kEps;
  if (ext == "ps") return PageFormat::kPostScript;
  if (ext == "svg") return PageFormat::kSvg;
  return std::nullopt;
}

std::string_view extension_of(PageFormat format) {
  switch (format) {
    case PageFormat::kPdf: return "pdf";
    case PageFormat::kEps: return "eps";
    case PageFormat::kPostScript: return "ps";
    case PageFormat::kSvg: return "svg";
  }
  return "pdf";
}

std::optional<PageFormat> format_for_mode(std::string_view mode) {
  if (mode == "EP") return PageFormat::kEps;
  if (mode == "WP") return PageFormat::kSvg;
  if (mode == "MS") return PageFormat::kPdf;
  return std::nullopt;
}

namespace {

// The page's frame and style as the setup line asks, with what the user
// should know about them.
struct PageLayout {
  PaperStyle style;
  PageFrame frame;
  std::string lettering;
  std::vector<std::string> notes;
};

PageLayout lay_out(const RecordStore& drawing, const RenderState& state, const SetupValues& asked) {
  PageLayout layout;
  // A value the setup menu would not take gives way to its default.
  const SetupValues setup = accept_typed(SetupValues{}, asked);
  SetupValues shaping = asked;
  shaping.mode = setup.mode;  // the mode does not shape the page
  if (shaping != setup)
    layout.notes.push_back("the setup line holds values out of range; their defaults are used: " + format_setup_line(setup));
  TranslatedPage named;
  layout.style = paper_style(setup, named);
  layout.lettering = named.lettering;
  layout.notes.insert(layout.notes.end(), named.notes.begin(), named.notes.end());
  const Orientation orientation = setup.orientation == 'L' ? Orientation::kLandscape : Orientation::kPortrait;
  const Extent extent = drawing_extent(drawing, state);
  const PageFrame trial = frame_page(extent, std::nullopt, setup.drawing_width, Orientation::kPortrait);
  layout.frame = frame_page(extent, ink_extent(drawing, state, trial, layout.style), setup.drawing_width, orientation);
  return layout;
}

// The page as cairo writes it; what went wrong, or nothing.
std::string cairo_page(const TranslationRequest& request, TranslatedPage& page, const PageLayout& layout,
                       const RecordStore& drawing, const RenderState& state) {
  Surface surface = page_surface(request, page.frame, page.bytes);
  if (!surface) return "no such page";
  Context cr(cairo_create(surface.get()));
  CairoCanvas canvas(cr.get(), page.frame, layout.style.line_width);
  const bool drawn = draw_drawing(canvas, drawing, state, page.frame, layout.style, page.notes);
  cairo_show_page(cr.get());
  const cairo_status_t status = cairo_status(cr.get());
  cr.reset();
  cairo_surface_finish(surface.get());
  const cairo_status_t finished = cairo_surface_status(surface.get());
  if (!drawn) return kTwoColourModes;
  if (status != CAIRO_STATUS_SUCCESS) return cairo_status_to_string(status);
  if (finished != CAIRO_STATUS_SUCCESS) return cairo_status_to_string(finished);
  return {};
}

}  // namespace

PageFrame translated_frame(const RecordStore& drawing, const RenderState& state, const SetupValues& setup) {
  return lay_out(drawing, state, setup).frame;
}

TranslatedPage translate(const RecordStore& drawing, const RenderState& state, const TranslationRequest& request) {
  PageLayout layout = lay_out(drawing, state, request.setup);
  TranslatedPage page;
  page.frame = layout.frame;
  page.lettering = layout.lettering;
  page.notes = std::move(layout.notes);

  if (request.format == PageFormat::kPdf) {
    image::PdfFile file([&page](std::string_view bytes) { page.bytes.append(bytes); }, request.title,
                        page.frame.width, page.frame.height);
    PdfCanvas canvas(file, page.frame, layout.style.line_width);
    if (!draw_drawing(canvas, drawing, state, page.frame, layout.style, page.notes)) page.error = kTwoColourModes;
    file.finish();
  } else if (request.format == PageFormat::kSvg) {
    page.bytes.reserve(static_cast<std::size_t>(drawing.count()) * kSvgBytesPerRecord);
    SvgCanvas canvas(page.bytes, page.frame, layout.style.line_width, request.title);
    if (!draw_drawing(canvas, drawing, state, page.frame, layout.style, page.notes)) page.error = kTwoColourModes;
    canvas.finish();
  } else {
    page.error = cairo_page(request, page, layout, drawing, state);
  }
  if (!page.error.empty()) page.bytes.clear();
  return page;
}

PagePixels translate_to_pixels(const RecordStore& drawing, const RenderState& state, const TranslationRequest& request,
                               int dots_per_inch) {
  // Printers finer than this gain nothing from a finer picture.
  constexpr int kFinestPicture = 600;
  constexpr double kLargestPicture = 4e8;  // pixels, some 1.6 GB
  PagePixels out;
  PageLayout layout = lay_out(drawing, state, request.setup);
  out.frame = layout.frame;
  const double dots = std::clamp(dots_per_inch, 72, kFinestPicture) / 72.0;
  const double w = std::ceil(layout.frame.width * dots), h = std::ceil(layout.frame.height * dots);
  if (!(w * h <= kLargestPicture)) {
    out.error = "the page is too large to print as a picture";
    return out;
  }
  Surface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(w), static_cast<int>(h)));
  Context cr(cairo_create(image.get()));
  cairo_set_source_rgb(cr.get(), 1, 1, 1);
  cairo_paint(cr.get());
  cairo_scale(cr.get(), dots, dots);  // the page's own map goes on top
  CairoCanvas canvas(cr.get(), layout.frame, layout.style.line_width);
  const bool drawn = draw_drawing(canvas, drawing, state, layout.frame, layout.style, layout.notes);
  const cairo_status_t status = cairo_status(cr.get());
  cr.reset();
  if (!drawn || status != CAIRO_STATUS_SUCCESS || cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) {
    out.error = drawn ? "the picture could not be made" : kTwoColourModes;
    return out;
  }
  cairo_surface_flush(image.get());
  out.pixels.width = static_cast<int>(w);
  out.pixels.height = static_cast<int>(h);
  out.pixels.rgb.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
  const unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < out.pixels.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < out.pixels.width; ++x) out.pixels.rgb[static_cast<size_t>(y) * out.pixels.width + x] = row[x] & 0xffffff;
  }
  return out;
}

TranslationOutcome translate_to_file(const RecordStore& drawing, const RenderState& state,
                                     const TranslationRequest& request, const std::string& path) {
  TranslatedPage page = translate(drawing, state, request);
  TranslationOutcome outcome{{}, page.frame, page.lettering, std::move(page.notes)};
  if (!page.error.empty()) outcome.written.error = path + ": not written: " + page.error;
  else outcome.written = write_whole_file(path, page.bytes);
  return outcome;
}

}  // namespace plv::publish
