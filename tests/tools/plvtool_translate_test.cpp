// plvtool translate, read back by programs we did not write: poppler for
// PDF, Ghostscript for EPS and PostScript, librsvg for SVG.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "support/ink_overlap.h"
#include "support/outside_reader.h"
#include "tools/tool_run.h"

namespace plv {
namespace {

using namespace testing;

constexpr double kPointsPerMillimetre = 72 / 25.4;

#define NEED(...)                       \
  for (const char* tool : {__VA_ARGS__}) \
    if (!tool_available(tool)) GTEST_SKIP() << tool << " is needed"

ToolRun translate(const TempDir& dir, const std::string& out, const std::string& options = "",
                 const std::string& in = kExample) {
  return run_shell(dir, kTool + " translate " + in + " -o " + dir.file(out) + " " + options);
}

class PlvtoolTranslate : public ::testing::Test {
 protected:
  // The example without the one arc that runs past the window's edge,
  // where the editor's picture cuts it off and a page does not.
  void SetUp() override {
    write_file(within_window_, std::regex_replace(read_file(kExample), std::regex("\nCI -1400 -1000[^\n]*"), ""));
    ASSERT_EQ(plvtool(dir_, "render " + within_window_ + " -o " + dir_.file("screen.png")).status, 0);
    if (tool_available("convert"))
      screen_ = picture("convert " + dir_.file("screen.png") + " " + dir_.file("screen.ppm"), "screen.ppm");
  }
  // The picture a command leaves in the folder's file `ppm`; nothing when it fails.
  std::optional<Ppm> picture(const std::string& command, const std::string& ppm) const {
    if (run_tool(command) != 0) return std::nullopt;
    return read_ppm(dir_.file(ppm));
  }
  // The folder's `name`.pdf as poppler draws it.
  std::optional<Ppm> pdf_picture(const std::string& name) const {
    return picture("pdftoppm -r 100 -singlefile " + dir_.file(name + ".pdf") + " " + dir_.file(name), name + ".ppm");
  }
  TempDir dir_;
  const std::string within_window_ = dir_.file("within-window.plv");
  std::optional<Ppm> screen_;
};

// The width asked for runs across the page as it is turned; the setup line
// lays the page out unless options override it.
TEST_F(PlvtoolTranslate, PdfPagesAreTheWidthAskedInBothOrientations) {
  NEED("pdfinfo", "pdffonts");
  write_file(dir_.file("own.plv"), std::regex_replace(read_file(kExample), std::regex("GLIMPT EP      17.36      1.000 D M P"),
                                                      "GLIMPT MS       9.00      1.000 H C L"));
  const struct {
    std::string in, options;
    double width_mm;
    bool landscape;
    std::string told;
  } cases[] = {{kExample, "", 173.6, false, "portrait, mono, letters in the stroke font"},
               {kExample, "--width-cm 8.5 --landscape", 85, true, "landscape"},
               {dir_.file("own.plv"), "", 90, true, "landscape, colour, letters in"},
               {dir_.file("own.plv"), "--portrait --mono --font D --width-cm 12", 120, false,
                "portrait, mono, letters in the stroke font"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in + " " + c.options);
    const ToolRun r = translate(dir_, "page.pdf", c.options, c.in);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(c.told), std::string::npos) << r.out;
    const std::string info = tool_output("pdfinfo " + dir_.file("page.pdf"));
    std::smatch size;
    ASSERT_TRUE(std::regex_search(info, size, std::regex("Page size: +([0-9.]+) x ([0-9.]+) pts"))) << info;
    const double across = std::stod(size[c.landscape ? 2 : 1]), other = std::stod(size[c.landscape ? 1 : 2]);
    EXPECT_NEAR(across, c.width_mm * kPointsPerMillimetre, 0.5 * kPointsPerMillimetre);
    // The example is wider than it is tall, whichever way it is turned.
    EXPECT_LT(other, across);
    EXPECT_GT(other, across / 2);
    // Only the setup line's H asks for a typeface.
    const bool sans = tool_output("pdffonts " + dir_.file("page.pdf")).find("Sans") != std::string::npos;
    EXPECT_EQ(sans, c.told == "landscape, colour, letters in");
  }
}

// Which face a family gets is checked in process; here each --font reaches
// the page, a face of its own for each family, holding every string.
TEST_F(PlvtoolTranslate, EachLetteringFontReachesThePageAndItsFaceHoldsEveryString) {
  NEED("pdffonts", "pdftotext");
  // The example's strings, its old-style one among them.
  const char* const strings[] = {"MEASURED RESPONSE", "PEAK", "TIME (S)", "SIGNAL", "OLD STYLE LABEL", "DATA", "LIMIT"};
  std::set<std::string> faces;
  for (const char* font : {"D", "C", "H", "T"}) {
    SCOPED_TRACE(font);
    ASSERT_EQ(translate(dir_, "fonts.pdf", std::string("--font ") + font).status, 0);
    std::istringstream listing(tool_output("pdffonts " + dir_.file("fonts.pdf")));
    std::vector<std::string> names;  // after pdffonts' two heading lines
    std::string line;
    for (int n = 0; std::getline(listing, line); ++n)
      if (n >= 2 && !line.empty()) names.push_back(line.substr(0, line.find(' ')));
    if (*font == 'D') {  // the stroke font draws its letters in lines
      EXPECT_TRUE(names.empty()) << names.front();
      continue;
    }
    ASSERT_EQ(names.size(), 1u);
    faces.insert(names[0]);
    const std::string text = tool_output("pdftotext " + dir_.file("fonts.pdf") + " -");
    for (const char* s : strings) EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
  }
  EXPECT_EQ(faces.size(), 3u);
}

TEST_F(PlvtoolTranslate, PdfAndSvgLookLikeTheEditorsPictureAndMonoHasOnlyGreys) {
  NEED("pdftoppm", "rsvg-convert");
  ASSERT_TRUE(screen_) << "ImageMagick's convert is needed";
  ASSERT_EQ(translate(dir_, "mono.pdf", "", within_window_).status, 0);
  const auto pdf = pdf_picture("mono");
  ASSERT_TRUE(pdf);
  EXPECT_GT(overlap(*pdf, *screen_), 0.9) << "laid out as the editor draws it";
  // The measure tells layouts apart: the page turned on its side is not the picture.
  ASSERT_EQ(translate(dir_, "turned.pdf", "--landscape", within_window_).status, 0);
  const auto turned = pdf_picture("turned");
  ASSERT_TRUE(turned);
  EXPECT_LT(overlap(*turned, *screen_), 0.6);
  for (size_t i = 0; i < pdf->rgb.size(); i += 3)
    ASSERT_TRUE(pdf->rgb[i] == pdf->rgb[i + 1] && pdf->rgb[i + 1] == pdf->rgb[i + 2]) << "a colour in mono at " << i / 3;

  ASSERT_EQ(translate(dir_, "colour.svg", "--colour", within_window_).status, 0);
  const std::string png = dir_.file("colour.png");
  ASSERT_EQ(run_tool("rsvg-convert -d 100 -p 100 -b white " + dir_.file("colour.svg") + " -o " + png), 0);
  const auto svg = picture("convert " + png + " " + dir_.file("colour.ppm"), "colour.ppm");
  ASSERT_TRUE(svg);
  EXPECT_GT(overlap(*svg, *screen_), 0.9);
  long coloured = 0;
  for (size_t i = 0; i < svg->rgb.size(); i += 3) coloured += svg->rgb[i] != svg->rgb[i + 1] || svg->rgb[i + 1] != svg->rgb[i + 2];
  EXPECT_GT(coloured, 1000);
}

TEST_F(PlvtoolTranslate, GhostscriptRendersTheEpsWhoseBoundingBoxFitsTheDrawing) {
  NEED("gs");
  ASSERT_TRUE(screen_) << "ImageMagick's convert is needed";
  ASSERT_EQ(translate(dir_, "figure.eps", "", within_window_).status, 0);
  const std::string eps = read_file(dir_.file("figure.eps"));
  EXPECT_EQ(eps.rfind("%!PS-Adobe-3.0 EPSF-3.0", 0), 0u);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(eps, m, std::regex("%%BoundingBox: (-?\\d+) (-?\\d+) (-?\\d+) (-?\\d+)")));
  const int llx = std::stoi(m[1]), lly = std::stoi(m[2]), urx = std::stoi(m[3]), ury = std::stoi(m[4]);
  const double width = 173.6 * kPointsPerMillimetre;
  EXPECT_GE(llx, 0);
  EXPECT_GE(lly, 0);
  EXPECT_NEAR(urx - llx, width, 0.03 * width);
  EXPECT_LT(ury - lly, urx - llx);

  const auto drawn = picture("gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -sDEVICE=ppmraw -r100 -sOutputFile=" +
                                 dir_.file("eps.ppm") + " " + dir_.file("figure.eps"),
                             "eps.ppm");
  ASSERT_TRUE(drawn);
  EXPECT_GT(overlap(*drawn, *screen_), 0.9);
  // The box is tight: ink comes near each of its four edges.
  const InkBox box = ink_box(*drawn);
  EXPECT_LE(box.x0, 4);
  EXPECT_LE(box.y0, 4);
  EXPECT_GE(box.x1, drawn->width - 5);
  EXPECT_GE(box.y1, drawn->height - 5);

  ASSERT_EQ(translate(dir_, "figure.ps").status, 0);
  EXPECT_EQ(run_tool("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage " + dir_.file("figure.ps")), 0);
}

TEST_F(PlvtoolTranslate, UsageErrorsAndFailuresLeaveNothingBehind) {
  for (const std::string options :
       {"--font X", "--width-cm 0", "--width-cm 1e-8", "--width-cm abc", "--line-width -1", "--frobnicate"}) {
    const ToolRun r = translate(dir_, "bad.pdf", options);
    EXPECT_EQ(r.status, 2) << options;
    EXPECT_NE(r.err.find("usage"), std::string::npos) << options;
  }
  // A width the setup menu would not take makes no page of nothing.
  EXPECT_NE(translate(dir_, "bad.pdf", "--width-cm 0.001").err.find("--width-cm takes a width in centimetres of at least 0.01"),
            std::string::npos);
  EXPECT_EQ(translate(dir_, "picture.png").status, 2);
  EXPECT_EQ(run_shell(dir_, kTool + " translate " + kExample).status, 2);
  EXPECT_FALSE(std::ifstream(dir_.file("bad.pdf")).good());

  EXPECT_EQ(translate(dir_, "out.pdf", "", dir_.file("none.plv")).status, 1);
  const ToolRun no_folder = translate(dir_, "no/such/folder/out.pdf");
  EXPECT_EQ(no_folder.status, 1);
  EXPECT_NE(no_folder.err.find("out.pdf"), std::string::npos) << no_folder.err;
}

}  // namespace
}  // namespace plv
