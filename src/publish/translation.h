#pragma once
// The drawing translated for publication: one vector page as PDF,
// Encapsulated PostScript, PostScript or SVG, laid out as the
// translation-setup line asks (width, line width, lettering, mono or
// colour, orientation).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/record_store.h"
#include "drawing/setup_line.h"
#include "image/pixels.h"
#include "kinds/render_state.h"
#include "publish/page_frame.h"
#include "text/file_result.h"

namespace plv::publish {

// A setup line's line width of 1 draws lines this wide: a quarter of a
// millimetre, in points.
inline constexpr double kBaseLineWidth = 0.25 / 10 * kPointsPerCentimetre;

enum class PageFormat { kPdf, kEps, kPostScript, kSvg };

// By the name's extension (.pdf, .eps, .ps, .svg, any case).
std::optional<PageFormat> format_for_path(std::string_view path);
std::string_view extension_of(PageFormat format);  // "pdf", "eps", "ps", "svg"

// What a translation mode writes beside its drawing: "EP" Encapsulated
// PostScript, "WP" SVG (what word processors import as vector pictures),
// "MS" PDF (what document and typesetting programs take). "PR" prints,
// and writes nothing.
std::optional<PageFormat> format_for_mode(std::string_view mode);

struct TranslationRequest {
  SetupValues setup;
  PageFormat format = PageFormat::kPdf;
  std::string title;  // the document's title, such as the drawing's name
};

struct TranslatedPage {
  std::string bytes;
  PageFrame frame;
  std::string lettering;         // the typeface used, or "the stroke font"
  std::vector<std::string> notes;  // what the user should know: colour records, stand-in faces
  std::string error;               // empty when the page was made
};

// The page made from the drawing's records as a redraw of all of them
// shows them with `state`'s layer and colour settings (the view and the
// aspect factor belong to the screen and do not apply).
TranslatedPage translate(const RecordStore& drawing, const RenderState& state, const TranslationRequest& request);
// The frame alone of that page, measured without writing it.
PageFrame translated_frame(const RecordStore& drawing, const RenderState& state, const SetupValues& setup);

// The same written to `path` whole or not at all.
struct TranslationOutcome {
  FileResult written;
  PageFrame frame;
  std::string lettering;
  std::vector<std::string> notes;
};
TranslationOutcome translate_to_file(const RecordStore& drawing, const RenderState& state,
                                     const TranslationRequest& request, const std::string& path);

// The page as pixels at `dots_per_inch` (white paper), for printers that
// take pictures; empty pixels and an error when it could not be made.
struct PagePixels {
  image::OwnedPixels pixels;
  PageFrame frame;
  std::string error;
};
PagePixels translate_to_pixels(const RecordStore& drawing, const RenderState& state, const TranslationRequest& request,
                               int dots_per_inch);

}  // namespace plv::publish
