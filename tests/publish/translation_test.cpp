#include <gtest/gtest.h>

#include <regex>

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "publish/translation.h"
#include "support/temp_dir.h"

namespace plv::publish {
namespace {

using testing::read_file;
using testing::TempDir;
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
  EXPECT_GT(both.frame.frame.xmax, 3000);
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
