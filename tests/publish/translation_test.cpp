#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "publish/translation.h"
#include "support/outside_reader.h"
#include "support/temp_dir.h"

namespace plv::publish {
namespace {

using testing::read_file;
using testing::run_tool;
using testing::TempDir;
using testing::tool_available;
using testing::tool_output;
using testing::write_file;

const std::string kHeader = "p\nGLIMPT EP      10.00      1.000 D M P\nDATE:  8-DEC-26\n";

RecordStore drawing_of(const TempDir& dir, const std::string& records) {
  write_file(dir.file("d.plv"), kHeader + records);
  RecordStore drawing;
  EXPECT_TRUE(read_command_file(dir.file("d.plv"), drawing, kinds()).ok());
  return drawing;
}

TranslationRequest svg_request() {
  TranslationRequest r;
  r.format = PageFormat::kSvg;
  return r;
}

size_t count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
  return n;
}

std::vector<double> stroke_widths(const std::string& svg) {
  std::vector<double> widths;
  const std::regex width("stroke-width:([0-9.]+)");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), width); it != std::sregex_iterator(); ++it)
    widths.push_back(std::stod((*it)[1]));
  return widths;
}

TEST(Translation, CirclesArcsAndEllipsesAreCurvesAndAWideLineIsOneBand) {
  TempDir dir;
  const RecordStore chords = drawing_of(dir, "CI     0     0   100     0   100     0\n"
                                             "CI   500     0   600     0   500   100\n"
                                             "EL     0.00000E+00    0.00000E+00    0.30000E+03    0.10000E+03\n");
  const TranslatedPage curves = translate(chords, RenderState{}, svg_request());
  ASSERT_TRUE(curves.error.empty()) << curves.error;
  // A circle drawn from chords would be some 60 straight pieces; as curves
  // it is four or five Bezier segments, the ellipse four, the quarter arc one.
  EXPECT_GE(count(curves.bytes, " C "), 9u);
  EXPECT_LE(count(curves.bytes, " C "), 12u);
  EXPECT_EQ(count(curves.bytes, " L "), 0u) << curves.bytes;

  const RecordStore wide = drawing_of(dir, "LI  -200     0   200     0 S\nLW  -200  -100   200  -100     5\n");
  const TranslatedPage band = translate(wide, RenderState{}, svg_request());
  ASSERT_TRUE(band.error.empty()) << band.error;
  const auto widths = stroke_widths(band.bytes);
  ASSERT_EQ(widths.size(), 2u) << band.bytes;  // one stroke each, not eleven for the wide line
  EXPECT_GT(widths[1], 5 * widths[0]);
}

TEST(Translation, TheLineWidthIsTheSetupFactorOnAQuarterMillimetre) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir, "LI  -200     0   200     0 S\n");
  for (const double factor : {1.0, 2.5}) {
    TranslationRequest r = svg_request();
    r.setup.line_width = factor;
    const TranslatedPage page = translate(drawing, RenderState{}, r);
    const auto widths = stroke_widths(page.bytes);
    ASSERT_EQ(widths.size(), 1u);
    // The SVG writes the stroke in drawing units under a transform of
    // page points per drawing unit.
    EXPECT_NEAR(widths[0] * page.frame.scale, factor * 0.25 / 25.4 * 72, 1e-3);
  }
}

TEST(Translation, LetteringFontsChooseATypefaceOrTheStrokeFont) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir, "CH     0     0 12 S 0 PLAIN WORDS\n");
  for (const char font : {'D', 'C', 'H', 'T'}) {
    TranslationRequest r;
    r.setup.font = font;
    const TranslatedPage page = translate(drawing, RenderState{}, r);
    ASSERT_TRUE(page.error.empty()) << page.error;
    if (font == 'D') EXPECT_EQ(page.lettering, "the stroke font");
    else EXPECT_NE(page.lettering, "the stroke font") << font;
  }
}

// Pixels with ink on the page's outermost rows and columns, and anywhere.
struct EdgeInk {
  int edge = 0, all = 0;
};
EdgeInk ink_at_edges(const testing::Ppm& page) {
  EdgeInk ink;
  for (int y = 0; y < page.height; ++y)
    for (int x = 0; x < page.width; ++x) {
      const std::uint32_t c = page.at(x, y);
      if (std::min({c >> 16, (c >> 8) & 0xff, c & 0xff}) >= 128) continue;
      ++ink.all;
      ink.edge += x == 0 || y == 0 || x == page.width - 1 || y == page.height - 1;
    }
  return ink;
}

TEST(Translation, TypesetLettersStayWhollyOnThePage) {
  if (!tool_available("pdftoppm") || !tool_available("pdftotext")) GTEST_SKIP() << "poppler's tools are needed";
  TempDir dir;
  // Along x from the start, and up from the middle: the frame takes in the
  // letters as the page sets them, whatever surface measured them.
  const std::string along = "CH   100   600 20 S 0 QUARTERLY PEAK\n", up = "CH   100   600 20 M 1 QUARTERLY PEAK\n";
  for (const std::string& record : {along, up}) {
    TranslationRequest r;
    r.setup.drawing_width = 12;
    r.setup.font = 'H';
    const TranslatedPage page = translate(drawing_of(dir, record), RenderState{}, r);
    ASSERT_TRUE(page.error.empty()) << page.error;
    write_file(dir.file("p.pdf"), page.bytes);
    ASSERT_EQ(run_tool("pdftoppm -r 100 -singlefile " + dir.file("p.pdf") + " " + dir.file("p")), 0);
    const auto picture = testing::read_ppm(dir.file("p.ppm"));
    ASSERT_TRUE(picture) << record;
    const EdgeInk ink = ink_at_edges(*picture);
    EXPECT_GT(ink.all, 0) << record;
    EXPECT_EQ(ink.edge, 0) << record;
    if (record == along) {
      const std::string text = tool_output("pdftotext " + dir.file("p.pdf") + " -");
      EXPECT_NE(text.find("QUARTERLY PEAK"), std::string::npos) << text;
    }
  }
}

TEST(Translation, ValuesOutOfRangeTakeTheirDefaultsAndTheFatalColourPairWritesNothing) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir, "LI  -200     0   200     0 S\n");
  TranslationRequest r;
  r.setup.drawing_width = 0;
  r.setup.font = 'Q';
  const TranslatedPage page = translate(drawing, RenderState{}, r);
  ASSERT_TRUE(page.error.empty());
  EXPECT_NEAR(page.frame.width, 17.36 * kPointsPerCentimetre, 1e-6);
  EXPECT_EQ(page.lettering, "the stroke font");
  ASSERT_EQ(page.notes.size(), 1u);

  const RecordStore two_modes = drawing_of(dir, "SC MODE BAR\nLI  -200     0   200     0 S\nSC MODE RGB\n");
  write_file(dir.file("old.pdf"), "the old file");
  const TranslationOutcome outcome = translate_to_file(two_modes, RenderState{}, TranslationRequest{}, dir.file("old.pdf"));
  EXPECT_FALSE(outcome.written.ok());
  EXPECT_NE(outcome.written.error.find("two different colour modes"), std::string::npos) << outcome.written.error;
  EXPECT_EQ(read_file(dir.file("old.pdf")), "the old file");
}

TEST(Translation, OnlyTheLayersShownAreTranslatedAndTheyFrameThePage) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir,
                                         "LA  1  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI     0     0   100     0 S\n"
                                         "LA  2  0.1000000E+01  0.0000000E+00  0.0000000E+00\nLI  1000  1000  3000  1000 S\n");
  RenderState only_first;
  only_first.work_layer = 1;
  only_first.also_draw_layer = 1;
  const TranslatedPage first = translate(drawing, only_first, svg_request());
  const TranslatedPage both = translate(drawing, RenderState{}, svg_request());
  EXPECT_EQ(count(first.bytes, "<path"), 1u);
  EXPECT_EQ(count(both.bytes, "<path"), 1u);  // one stroke of two segments
  EXPECT_LT(first.frame.frame.xmax, 200);
  // A long run of segments is stroked in pieces.
  std::string zigzag;
  for (int k = 0; k < 5000; ++k) {
    char line[64];
    std::snprintf(line, sizeof line, "LI %5d %5d %5d %5d S\n", k, (k % 2) * 50, k + 1, ((k + 1) % 2) * 50);
    zigzag += line;
  }
  const std::string pieces = translate(drawing_of(dir, zigzag), RenderState{}, svg_request()).bytes;
  EXPECT_EQ(count(pieces, "<path"), 2u);
  EXPECT_GT(both.frame.frame.xmax, 3000);
}

// The least share, either way round, of one page's inked pixels that have
// ink within a pixel of them on the other.
double ink_overlap(const testing::Ppm& a, const testing::Ppm& b) {
  auto inked = [](const testing::Ppm& p, int x, int y) {
    return x >= 0 && y >= 0 && x < p.width && y < p.height && (p.at(x, y) & 0xff) < 160;
  };
  auto near_share = [&](const testing::Ppm& p, const testing::Ppm& q) {
    int ink = 0, near = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        if (!inked(p, x, y)) continue;
        ++ink;
        bool found = false;
        for (int dy = -1; dy <= 1 && !found; ++dy)
          for (int dx = -1; dx <= 1 && !found; ++dx) found = inked(q, x + dx, y + dy);
        near += found;
      }
    return ink == 0 ? 0.0 : double(near) / ink;
  };
  return std::min(near_share(a, b), near_share(b, a));
}

// The PDF page is our own and the SVG page cairo's: read back by poppler
// and librsvg, they put the same ink in the same places, in both
// orientations; the page carries its typeface, and the letters keep the
// characters a PDF string must escape.
TEST(Translation, PdfAndSvgPagesInkAlike) {
  if (!tool_available("pdftoppm") || !tool_available("rsvg-convert") || !tool_available("pdffonts"))
    GTEST_SKIP() << "poppler's and librsvg's tools are needed";
  TempDir dir;
  const RecordStore drawing = drawing_of(
      dir, "CI     0     0   400     0   400     0\nCI  1000     0  1400     0  1000   400\n"
           "EL     0.10000E+04    0.10000E+04    0.30000E+03    0.10000E+03\nLW  -400  -600  1400  -600     6\n"
           "RF   600   600   650   650\nCH  -400  1200 20 S 1 (A\\B) \xe9t\xe9 DATA\n");
  for (const char orientation : {'P', 'L'}) {
    TranslationRequest r;
    r.setup.font = 'T';
    r.setup.orientation = orientation;
    const TranslatedPage pdf = translate(drawing, RenderState{}, r);
    r.format = PageFormat::kSvg;
    const TranslatedPage svg = translate(drawing, RenderState{}, r);
    ASSERT_TRUE(pdf.error.empty() && svg.error.empty()) << pdf.error << svg.error;
    write_file(dir.file("p.pdf"), pdf.bytes);
    write_file(dir.file("p.svg"), svg.bytes);
    ASSERT_EQ(run_tool("pdftoppm -r 96 -singlefile " + dir.file("p.pdf") + " " + dir.file("p")), 0);
    ASSERT_EQ(run_tool("rsvg-convert -b white -f png -o " + dir.file("s.png") + " " + dir.file("p.svg") +
                       " && convert " + dir.file("s.png") + " " + dir.file("s.ppm")), 0);
    const auto from_pdf = testing::read_ppm(dir.file("p.ppm")), from_svg = testing::read_ppm(dir.file("s.ppm"));
    ASSERT_TRUE(from_pdf && from_svg);
    EXPECT_GT(ink_overlap(*from_pdf, *from_svg), 0.98) << orientation;
    const std::string fonts = tool_output("pdffonts " + dir.file("p.pdf"));
    EXPECT_NE(fonts.find(" yes "), std::string::npos) << "the typeface travels with the page: " << fonts;
    EXPECT_NE(tool_output("pdftotext " + dir.file("p.pdf") + " -").find("(A\\B) \u00e9t\u00e9 DATA"), std::string::npos);
  }
}

TEST(Translation, FormatsByExtensionAndByTranslationMode) {
  EXPECT_EQ(format_for_path("a/b.PDF"), PageFormat::kPdf);
  EXPECT_EQ(format_for_path("x.eps"), PageFormat::kEps);
  EXPECT_EQ(format_for_path("x.ps"), PageFormat::kPostScript);
  EXPECT_EQ(format_for_path("x.svg"), PageFormat::kSvg);
  EXPECT_EQ(format_for_path("x.png"), std::nullopt);
  EXPECT_EQ(format_for_path("dir.pdf/x"), std::nullopt);
  EXPECT_EQ(format_for_mode("EP"), PageFormat::kEps);
  EXPECT_EQ(format_for_mode("WP"), PageFormat::kSvg);
  EXPECT_EQ(format_for_mode("MS"), PageFormat::kPdf);
  EXPECT_EQ(format_for_mode("PR"), std::nullopt);
}

}  // namespace
}  // namespace plv::publish
