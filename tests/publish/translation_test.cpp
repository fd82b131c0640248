// Drawings translated to pages, and the pages read back by poppler and librsvg.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>

#include "drawing/command_file.h"
#include "image/pdf_file.h"
#include "kinds/registry.h"
#include "publish/pdf_canvas.h"
#include "publish/translation.h"
#include "support/outside_reader.h"
#include "support/temp_dir.h"

namespace plv::publish {
namespace {

using namespace plv::testing;

const std::string kHeader = "p\nGLIMPT EP      10.00      1.000 D M P\nDATE:  8-DEC-26\n";

RecordStore drawing_of(const TempDir& dir, const std::string& records) {
  write_file(dir.file("d.plv"), kHeader + records);
  RecordStore drawing;
  EXPECT_TRUE(read_command_file(dir.file("d.plv"), drawing, kinds()).ok());
  return drawing;
}

TranslationRequest request(const SetupValues& setup, PageFormat format = PageFormat::kPdf) {
  return {setup, format, {}};
}

// The drawing on an SVG page as `state` shows it, lines `line_width` times the usual.
TranslatedPage svg_page(const RecordStore& drawing, const RenderState& state = {}, double line_width = 1) {
  TranslatedPage page = translate(drawing, state, request({.line_width = line_width}, PageFormat::kSvg));
  EXPECT_TRUE(page.error.empty()) << page.error;
  return page;
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

TEST(Translation, CirclesArcsAndEllipsesAreCurves) {
  TempDir dir;
  const std::string curves = svg_page(drawing_of(dir, "CI     0     0   100     0   100     0\n"
                                                      "CI   500     0   600     0   500   100\n"
                                                      "EL     0.00000E+00    0.00000E+00    0.30000E+03    0.10000E+03\n"))
                                 .bytes;
  // A circle drawn from chords would be some 60 straight pieces; as curves
  // it is four or five Bezier segments, the ellipse four, the quarter arc one.
  EXPECT_GE(count(curves, " C "), 9u);
  EXPECT_LE(count(curves, " C "), 12u);
  EXPECT_EQ(count(curves, " L "), 0u) << curves;
}

// The SVG strokes in drawing units under a transform of page points per unit.
TEST(Translation, AWideLineIsOneBandAndTheLineWidthIsTheSetupFactorOnAQuarterMillimetre) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir, "LI  -200     0   200     0 S\nLW  -200  -100   200  -100     5\n");
  for (const double factor : {1.0, 2.5}) {
    const TranslatedPage page = svg_page(drawing, {}, factor);
    const auto widths = stroke_widths(page.bytes);
    ASSERT_EQ(widths.size(), 2u) << page.bytes;  // one stroke each, not eleven for the wide line
    EXPECT_NEAR(widths[0] * page.frame.scale, factor * 0.25 / 25.4 * 72, 1e-3);
    EXPECT_GT(widths[1], 5 * widths[0]);
  }
}

// D letters in the stroke font, the others in a face drawn to the family's widths.
TEST(Translation, LetteringFontsChooseAFaceOfTheFamilysWidthsOrTheStrokeFont) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir, "CH     0     0 12 S 0 PLAIN WORDS\n");
  const std::pair<char, std::vector<std::string>> cases[] = {
      {'D', {"the stroke font"}},
      {'C', {"Nimbus Mono", "Courier", "Liberation Mono", "Cousine", "TeX Gyre Cursor"}},
      {'H', {"Nimbus Sans", "Helvetica", "Liberation Sans", "Arimo", "TeX Gyre Heros", "Arial"}},
      {'T', {"Nimbus Roman", "Times", "Liberation Serif", "Tinos", "TeX Gyre Termes"}}};
  for (const auto& [font, faces] : cases) {
    const TranslatedPage page = translate(drawing, RenderState{}, request({.font = font}));
    ASSERT_TRUE(page.error.empty()) << page.error;
    EXPECT_TRUE(std::ranges::any_of(faces, [&](const std::string& f) { return page.lettering.starts_with(f); }))
        << font << ": " << page.lettering;
  }
}

// Pixels with ink anywhere on the page, and on its outermost rows and columns.
std::pair<int, int> ink_all_and_at_edges(const testing::Ppm& page) {
  std::pair<int, int> ink;
  for (int y = 0; y < page.height; ++y)
    for (int x = 0; x < page.width; ++x) {
      const std::uint32_t c = page.at(x, y);
      if (std::min({c >> 16, (c >> 8) & 0xff, c & 0xff}) >= 128) continue;
      ++ink.first;
      ink.second += x == 0 || y == 0 || x == page.width - 1 || y == page.height - 1;
    }
  return ink;
}

TEST(Translation, TypesetLettersStayWhollyOnThePage) {
  if (!tool_available("pdftoppm")) GTEST_SKIP() << "poppler's pdftoppm is needed";
  TempDir dir;
  // Along x from the start, and up from the middle: the frame takes in the
  // letters as the page sets them, whatever surface measured them.
  for (const std::string record : {"CH   100   600 20 S 0 QUARTERLY PEAK\n", "CH   100   600 20 M 1 QUARTERLY PEAK\n"}) {
    const TranslatedPage page =
        translate(drawing_of(dir, record), RenderState{}, request({.drawing_width = 12, .font = 'H'}));
    ASSERT_TRUE(page.error.empty()) << page.error;
    write_file(dir.file("p.pdf"), page.bytes);
    ASSERT_EQ(run_tool("pdftoppm -r 100 -singlefile " + dir.file("p.pdf") + " " + dir.file("p")), 0);
    const auto picture = testing::read_ppm(dir.file("p.ppm"));
    ASSERT_TRUE(picture) << record;
    const auto [all, at_edges] = ink_all_and_at_edges(*picture);
    EXPECT_GT(all, 0) << record;
    EXPECT_EQ(at_edges, 0) << record;
  }
}

TEST(Translation, ValuesOutOfRangeTakeTheirDefaultsAndTheFatalColourPairWritesNothing) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir, "LI  -200     0   200     0 S\n");
  const TranslatedPage page = translate(drawing, RenderState{}, request({.drawing_width = 0, .font = 'Q'}));
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
  const TranslatedPage first = svg_page(drawing, only_first), both = svg_page(drawing);
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
  EXPECT_EQ(count(svg_page(drawing_of(dir, zigzag)).bytes, "<path"), 2u);
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

// How much ink a page holds: a line drawn too wide or too narrow, or
// letters too large, change it though they lie where they should.
double darkness(const testing::Ppm& page) {
  double sum = 0;
  for (int y = 0; y < page.height; ++y)
    for (int x = 0; x < page.width; ++x) sum += 255 - (page.at(x, y) & 0xff);
  return sum;
}

// Our own PDF and SVG, read back by poppler and librsvg, ink alike either
// way round and as heavily; the PDF carries its typeface and keeps the
// characters a PDF string must escape.
TEST(Translation, PdfAndSvgPagesInkAlike) {
  if (!tool_available("pdftoppm") || !tool_available("rsvg-convert") || !tool_available("pdffonts"))
    GTEST_SKIP() << "poppler's and librsvg's tools are needed";
  TempDir dir;
  const RecordStore drawing = drawing_of(
      dir, "CI     0     0   400     0   400     0\nCI  1000     0  1400     0  1000   400\n"
           "EL     0.10000E+04    0.10000E+04    0.30000E+03    0.10000E+03\nLW  -400  -600  1400  -600     6\n"
           "LI  -400  -300  1400   100 S\nRF   600   600   650   650\nCH  -400  1200 20 S 1 (A\\B) \xe9t\xe9 DATA\n"
           "CH  1300   200 14 S 1 Quarterly\n");
  for (const auto& [font, orientation] : {std::pair{'T', 'P'}, std::pair{'H', 'L'}}) {
    TranslationRequest r = request({.font = font, .orientation = orientation});
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
    EXPECT_GT(ink_overlap(*from_pdf, *from_svg), 0.98) << font << orientation;
    EXPECT_NEAR(darkness(*from_svg) / darkness(*from_pdf), 1.0, 0.04) << font << orientation;
    const std::string fonts = tool_output("pdffonts " + dir.file("p.pdf"));
    EXPECT_NE(fonts.find(" yes "), std::string::npos) << "the typeface travels with the page: " << fonts;
    EXPECT_NE(tool_output("pdftotext " + dir.file("p.pdf") + " -").find("(A\\B) \u00e9t\u00e9 DATA"), std::string::npos);
  }
}

// The SVG page is XML any reader takes: its title escaped, stray bytes
// and control characters made letters it may hold, each glyph defined once
// however often it is set.
TEST(Translation, SvgPagesAreWellFormedAndDefineEachGlyphOnce) {
  TempDir dir;
  const RecordStore drawing = drawing_of(dir, "CH     0     0 12 S 0 ABBA BA\nCH     0   100 12 S 1 AB\n");
  TranslationRequest r = request({.font = 'H'}, PageFormat::kSvg);
  r.title = "Plot <&\"> \xff\x01 \xc3\xa9";
  const TranslatedPage page = translate(drawing, RenderState{}, r);
  ASSERT_TRUE(page.error.empty()) << page.error;
  EXPECT_NE(page.bytes.find("<title>Plot &lt;&amp;&quot;&gt; \xc3\xbf  \xc3\xa9</title>"), std::string::npos) << page.bytes;
  EXPECT_EQ(count(page.bytes, "<path id="), 2u) << page.bytes;
  EXPECT_EQ(count(page.bytes, "<use "), 8u);
  EXPECT_EQ(count(page.bytes, "<text"), 0u);
  if (!tool_available("xmllint")) GTEST_SKIP() << "xmllint is needed to read the page as XML";
  write_file(dir.file("p.svg"), page.bytes);
  EXPECT_EQ(run_tool("xmllint --noout " + dir.file("p.svg")), 0) << page.bytes;
}

TEST(Translation, FormatsByExtensionAndByTranslationMode) {
  const std::pair<const char*, std::optional<PageFormat>> paths[] = {
      {"a/b.PDF", PageFormat::kPdf}, {"x.eps", PageFormat::kEps}, {"x.ps", PageFormat::kPostScript},
      {"x.svg", PageFormat::kSvg},   {"x.png", std::nullopt},     {"dir.pdf/x", std::nullopt}};
  for (const auto& [path, format] : paths) EXPECT_EQ(format_for_path(path), format) << path;
  const std::pair<const char*, std::optional<PageFormat>> modes[] = {
      {"EP", PageFormat::kEps}, {"WP", PageFormat::kSvg}, {"MS", PageFormat::kPdf}, {"PR", std::nullopt}};
  for (const auto& [mode, format] : modes) EXPECT_EQ(format_for_mode(mode), format) << mode;
}

// A face's program travels in the page as the reader needs it: the compact
// program of an OpenType face, a TrueType file whole, and for a file that
// holds neither, the standard face of the family's name, left to the reader.
TEST(PdfFont, EachProgramTravelsInTheFormItCameIn) {
  if (!tool_available("pdffonts") || !tool_available("pdftotext")) GTEST_SKIP() << "poppler's tools are needed";
  const auto installed = typeface_for('H');
  ASSERT_TRUE(installed);
  const struct {
    std::string file, postscript_name, listed;
  } cases[] = {{installed->file, installed->postscript_name, "Type 1C"},
               {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "DejaVuSans", "TrueType"},
               {"/no/such/font.otf", "Nothing", "Helvetica"}};
  TempDir dir;
  for (const auto& c : cases) {
    Typeface face = *installed;
    face.file = c.file;
    face.postscript_name = c.postscript_name;
    std::string bytes;
    image::PdfFile file([&bytes](std::string_view b) { bytes.append(b); }, "fonts", 200, 100);
    PdfCanvas canvas(file, PageFrame{.frame = {0, 200, 0, 100}, .width = 200, .height = 100}, 1);
    canvas.letters(face, 20, {10, 40}, 0, "Label");
    file.finish();
    write_file(dir.file("f.pdf"), bytes);
    const std::string fonts = tool_output("pdffonts " + dir.file("f.pdf"));
    EXPECT_NE(fonts.find(c.listed), std::string::npos) << fonts;
    EXPECT_NE(tool_output("pdftotext " + dir.file("f.pdf") + " -").find("Label"), std::string::npos) << c.file;
  }
}

}  // namespace
}  // namespace plv::publish
