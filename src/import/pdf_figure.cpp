#include "import/pdf_figure.h"

#include <Error.h>
#include <GfxFont.h>
#include <GfxState.h>
#include <GlobalParams.h>
#include <OutputDev.h>
#include <PDFDoc.h>
#include <Stream.h>

#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>

#include "import/outline_shapes.h"
#include "text/utf8.h"

namespace plv::import {
namespace {

constexpr int kInvisibleText = 3;  // a text render mode that paints nothing
constexpr double kJoinedGap = 0.05;  // of the font size

void quiet(ErrorCategory, Goffset, const char*) {}

// poppler keeps its settings in one object of its own, made once.
void start_poppler() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (!globalParams) globalParams = std::make_unique<GlobalParams>();
    setErrorCallback(quiet);
  });
}

Colour colour_of(const GfxRGB& c) {
  return {static_cast<std::uint8_t>(colToByte(c.r)), static_cast<std::uint8_t>(colToByte(c.g)),
          static_cast<std::uint8_t>(colToByte(c.b))};
}

// Collects what poppler draws, in points of the page.
class FigureCollector : public OutputDev {
 public:
  FigureCollector(Figure& figure, double tolerance) : figure_(figure), tolerance_(tolerance) {}
  void set_layer(int layer) { layer_ = layer; }

  bool upsideDown() override { return false; }
  bool useDrawChar() override { return true; }
  bool interpretType3Chars() override { return false; }
  bool needNonText() override { return true; }

  void stroke(GfxState* state) override {
    if (state->getStrokeOpacity() <= 0) return;
    Mark m = mark_of(state);
    GfxRGB rgb;
    state->getStrokeRGB(&rgb);
    double start = 0;
    m.stroke = Stroke{colour_of(rgb), state->getTransformedLineWidth(), !state->getLineDash(&start).empty()};
    keep(std::move(m));
  }
  void fill(GfxState* state) override { filled(state, false); }
  void eoFill(GfxState* state) override { filled(state, true); }

  void beginString(GfxState*, const GooString*) override { text_.reset(); }
  void endString(GfxState*) override { finish_text(); }
  void drawChar(GfxState* state, double x, double y, double dx, double dy, double, double, CharCode, int,
                const Unicode* u, int length) override;
  void drawImage(GfxState*, Object*, Stream*, int, int, GfxImageColorMap*, bool, const int*, bool) override {
    ++figure_.images;
  }
  void drawImageMask(GfxState*, Object*, Stream*, int, int, bool, bool, bool) override { ++figure_.images; }
  bool useShadedFills(int) override { return true; }
  bool axialShadedFill(GfxState*, GfxAxialShading*, double, double) override { return shaded(); }
  bool radialShadedFill(GfxState*, GfxRadialShading*, double, double) override { return shaded(); }
  bool gouraudTriangleShadedFill(GfxState*, GfxGouraudTriangleShading*) override { return shaded(); }
  bool functionShadedFill(GfxState*, GfxFunctionShading*) override { return shaded(); }

 private:
  bool shaded() {
    ++figure_.shadings;
    return true;
  }
  PagePoint to_page(GfxState* state, double x, double y) const {
    double px = 0, py = 0;
    state->transform(x, y, &px, &py);
    return {px, py};
  }
  Mark mark_of(GfxState* state) const;
  void filled(GfxState* state, bool even_odd) {
    if (state->getFillOpacity() <= 0) return;
    Mark m = mark_of(state);
    GfxRGB rgb;
    state->getFillRGB(&rgb);
    m.fill = colour_of(rgb);
    m.even_odd = even_odd;
    keep(std::move(m));
  }
  void keep(Mark m) {
    if (m.outlines.size() == 1) m.ellipse = traced_ellipse(m.outlines[0], tolerance_);
    if (!m.outlines.empty()) figure_.marks.push_back(std::move(m));
  }
  void finish_text() {
    if (text_ && !text_->utf8.empty() && !joins_last(*text_)) figure_.texts.push_back(std::move(*text_));
    text_.reset();
  }
  // A run that starts where the last one ended, alike, goes on the same
  // text: a letter taken from another face splits a text into runs.
  bool joins_last(const Text& t) {
    if (figure_.texts.empty()) return false;
    Text& last = figure_.texts.back();
    const double gap = std::hypot(t.start.x - last.end.x, t.start.y - last.end.y);
    if (last.layer != t.layer || last.angle != t.angle || gap > kJoinedGap * t.size ||
        std::abs(last.size - t.size) > kJoinedGap * t.size)
      return false;
    last.utf8 += t.utf8;
    last.end = t.end;
    return true;
  }

  Figure& figure_;
  double tolerance_;
  int layer_ = 1;
  std::optional<Text> text_;
};

Mark FigureCollector::mark_of(GfxState* state) const {
  Mark m;
  m.layer = layer_;
  double x0, y0, x1, y1;
  state->getClipBBox(&x0, &y0, &x1, &y1);
  m.clip = PageBox{x0, y0, x1, y1};
  const GfxPath* path = state->getPath();
  for (int s = 0; s < path->getNumSubpaths(); ++s) {
    const GfxSubpath* sub = path->getSubpath(s);
    Outline o;
    o.closed = sub->isClosed();
    const int n = sub->getNumPoints();
    if (n == 0) continue;
    o.points.push_back(to_page(state, sub->getX(0), sub->getY(0)));
    for (int i = 1; i < n;) {
      if (sub->getCurve(i) && i + 2 < n) {
        const PagePoint p0 = o.points.back(), p1 = to_page(state, sub->getX(i), sub->getY(i)),
                        p2 = to_page(state, sub->getX(i + 1), sub->getY(i + 1)),
                        p3 = to_page(state, sub->getX(i + 2), sub->getY(i + 2));
        flatten_cubic(p0, p1, p2, p3, tolerance_, o.points);
        o.curved = true;
        i += 3;
      } else {
        o.points.push_back(to_page(state, sub->getX(i), sub->getY(i)));
        ++i;
      }
    }
    if (o.points.size() > 1 || o.closed) m.outlines.push_back(std::move(o));
  }
  return m;
}

void FigureCollector::drawChar(GfxState* state, double x, double y, double dx, double dy, double, double, CharCode,
                               int, const Unicode* u, int length) {
  if (state->getRender() == kInvisibleText) return;
  if (!text_) {
    text_ = Text{};
    text_->layer = layer_;
    text_->start = to_page(state, x, y);
    double m11, m12, m21, m22;
    state->getFontTransMat(&m11, &m12, &m21, &m22);
    text_->angle = std::atan2(m12, m11) * 180 / std::numbers::pi;
    text_->size = state->getTransformedFontSize();
    GfxRGB rgb;
    state->getFillRGB(&rgb);
    text_->colour = colour_of(rgb);
    double x0, y0, x1, y1;
    state->getClipBBox(&x0, &y0, &x1, &y1);
    text_->clip = PageBox{x0, y0, x1, y1};
  }
  text_->end = to_page(state, x + dx, y + dy);
  if (length <= 0) ++figure_.unreadable_texts;
  for (int i = 0; i < length; ++i) text::append_utf8(text_->utf8, u[i]);
}

}  // namespace

PdfFigureRead read_pdf_figure(std::string_view bytes, int first_page, int last_page,
                              double (*tolerance_of)(double width, double height)) {
  start_poppler();
  PdfFigureRead out;
  // poppler reads from memory it does not own; the copy lives as long as the document.
  std::string copy(bytes);
  auto* stream = new MemStream(copy.data(), 0, static_cast<Goffset>(copy.size()), Object(objNull));
  PDFDoc doc(stream);
  if (!doc.isOk()) {
    out.error = "not a PDF file poppler can read (error " + std::to_string(doc.getErrorCode()) + ")";
    return out;
  }
  const int pages = doc.getNumPages();
  out.figure.pages = pages;
  if (last_page == 0) last_page = pages;
  if (first_page < 1 || first_page > pages || last_page < first_page || last_page > pages) {
    out.error = "the file has " + std::to_string(pages) + " page(s)";
    return out;
  }
  // A page turned a quarter turn is drawn turned: its width is its height.
  const bool turned = doc.getPageRotate(first_page) % 180 != 0;
  const double width = turned ? doc.getPageCropHeight(first_page) : doc.getPageCropWidth(first_page);
  const double height = turned ? doc.getPageCropWidth(first_page) : doc.getPageCropHeight(first_page);
  if (!(width > 0) || !(height > 0)) {
    out.error = "the page has no size";
    return out;
  }
  out.figure.page = {0, 0, width, height};
  out.figure.layers = last_page - first_page + 1;
  FigureCollector collector(out.figure, tolerance_of(width, height));
  for (int p = first_page; p <= last_page; ++p) {
    collector.set_layer(p - first_page + 1);
    doc.displayPage(&collector, p, 72, 72, 0, false, true, false);
  }
  return out;
}

}  // namespace plv::import
