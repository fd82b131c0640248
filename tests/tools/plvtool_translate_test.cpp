// plvtool translate, read back by programs we did not write: poppler for
// PDF, Ghostscript for EPS and PostScript, librsvg for SVG.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/outside_reader.h"
#include "tools/tool_run.h"

namespace plv {
namespace {

using testing::read_file;
using testing::TempDir;
using testing::tool_available;
using testing::tool_output;
using testing::write_file;
using Result = testing::ToolRun;

const std::string kTool = PLVTOOL_PATH;
const std::string kExample = std::string(PLIVET_SOURCE_DIR) + "/examples/example.plv";
constexpr double kPointsPerMillimetre = 72 / 25.4;

#define NEED(tool) \
  if (!tool_available(tool)) GTEST_SKIP() << tool " is needed"

Result translate(const TempDir& dir, const std::string& out, const std::string& options = "",
                 const std::string& in = kExample) {
  return testing::run_shell(dir, kTool + " translate " + in + " -o " + dir.file(out) + " " + options);
}

struct PageSize {
  double width = 0, height = 0;
};
PageSize pdf_page_size(const std::string& pdf) {
  const std::string info = tool_output("pdfinfo '" + pdf + "'");
  std::smatch m;
  PageSize size;
  if (std::regex_search(info, m, std::regex("Page size: +([0-9.]+) x ([0-9.]+) pts")))
    size = {std::stod(m[1]), std::stod(m[2])};
  return size;
}

// The texts of the example's string records, in the order they stand.
std::vector<std::string> example_strings() {
  std::vector<std::string> texts;
  std::istringstream in(read_file(kExample));
  const std::regex string_record(R"(^(?:CH +-?\d+ +-?\d+ +\d+ [SME] \d|ST +-?\d+ +-?\d+ +\d+ [SME]) (.*\S))");
  std::smatch m;
  for (std::string line; std::getline(in, line);)
    if (std::regex_search(line, m, string_record)) texts.push_back(m[1]);
  return texts;
}

// Pixels with ink: anything clearly not white (the picture, like paper,
// is white behind its ink).
struct Mask {
  int width = 0, height = 0;
  std::vector<bool> ink;
  bool at(int x, int y) const { return ink[static_cast<size_t>(y) * width + x]; }
};

Mask ink_of(const testing::Ppm& p) {
  Mask m{p.width, p.height, std::vector<bool>(static_cast<size_t>(p.width) * p.height)};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const std::uint32_t c = p.at(x, y);
      const int sum = int(c >> 16 & 255) + int(c >> 8 & 255) + int(c & 255);
      m.ink[static_cast<size_t>(y) * p.width + x] = sum < 3 * 200;
    }
  return m;
}

// The mask cut to the box of its ink and shrunk to w x h, a pixel of the
// result inked when any pixel it covers is, so thin lines stay.
Mask cropped(const Mask& m, int w, int h) {
  int x0 = m.width, x1 = -1, y0 = m.height, y1 = -1;
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      if (m.at(x, y)) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  Mask out{w, h, std::vector<bool>(static_cast<size_t>(w) * h)};
  if (x1 < 0) return out;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (m.at(x, y)) {
        const int u = (x - x0) * w / (x1 - x0 + 1), v = (y - y0) * h / (y1 - y0 + 1);
        out.ink[static_cast<size_t>(v) * w + u] = true;
      }
  return out;
}

// The share of a's ink that has b's ink within `reach` pixels.
double covered(const Mask& a, const Mask& b, int reach) {
  long ink = 0, near = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) {
      if (!a.at(x, y)) continue;
      ++ink;
      bool found = false;
      for (int dy = -reach; dy <= reach && !found; ++dy)
        for (int dx = -reach; dx <= reach && !found; ++dx) {
          const int u = x + dx, v = y + dy;
          found = u >= 0 && v >= 0 && u < b.width && v < b.height && b.at(u, v);
        }
      near += found;
    }
  return ink == 0 ? 0 : double(near) / double(ink);
}

std::optional<testing::Ppm> as_ppm(const TempDir& dir, const std::string& command, const std::string& ppm) {
  if (testing::run_tool(command) != 0) return std::nullopt;
  return testing::read_ppm(dir.file(ppm));
}

// How much of each picture's ink lies near the other's, both cut to their
// ink and brought to one size: the lesser share.
double overlap(const testing::Ppm& page, const testing::Ppm& screen) {
  constexpr int kWidth = 400, kHeight = 300, kReach = 4;
  const Mask a = cropped(ink_of(page), kWidth, kHeight), b = cropped(ink_of(screen), kWidth, kHeight);
  return std::min(covered(a, b, kReach), covered(b, a, kReach));
}

// The translation laid out as the editor draws the same drawing.
void expect_same_layout(const testing::Ppm& page, const testing::Ppm& screen, const std::string& what) {
  EXPECT_GT(overlap(page, screen), 0.9) << what;
}

class PlvtoolTranslate : public ::testing::Test {
 protected:
  // The example without the one arc that runs past the window's edge,
  // where the editor's picture cuts it off and a page does not.
  void SetUp() override {
    std::istringstream in(read_file(kExample));
    std::string kept;
    for (std::string line; std::getline(in, line);)
      if (!line.starts_with("CI -1400 -1000")) kept += line + "\n";
    write_file(within_window_, kept);
    ASSERT_EQ(testing::plvtool(dir_, "render " + within_window_ + " -o " + dir_.file("screen.png")).status, 0);
    if (tool_available("convert"))
      screen_ = as_ppm(dir_, "convert " + dir_.file("screen.png") + " " + dir_.file("screen.ppm"), "screen.ppm");
  }
  TempDir dir_;
  const std::string within_window_ = dir_.file("within-window.plv");
  std::optional<testing::Ppm> screen_;
};

TEST_F(PlvtoolTranslate, PdfPagesAreTheWidthAskedInBothOrientations) {
  NEED("pdfinfo");
  const struct {
    std::string options;
    double width_mm;
    bool landscape;
  } cases[] = {{"", 173.6, false}, {"--landscape", 173.6, true}, {"--width-cm 8.5", 85, false},
               {"--width-cm 8.5 --landscape", 85, true}};
  for (const auto& c : cases) {
    const Result r = translate(dir_, "page.pdf", c.options);
    ASSERT_EQ(r.status, 0) << r.err;
    const PageSize size = pdf_page_size(dir_.file("page.pdf"));
    const double across = c.landscape ? size.height : size.width, other = c.landscape ? size.width : size.height;
    EXPECT_NEAR(across, c.width_mm * kPointsPerMillimetre, 0.5 * kPointsPerMillimetre) << c.options;
    // The example is wider than it is tall, whichever way it is turned.
    EXPECT_LT(other, across) << c.options;
    EXPECT_GT(other, across / 2) << c.options;
  }
}

TEST_F(PlvtoolTranslate, TypefacesAreEmbeddedForCourierHelveticaAndTimesAndNoneForTheStrokeFont) {
  NEED("pdffonts");
  const struct {
    const char* font;
    std::vector<std::string> faces;  // names with the family's metrics, blanks left out
  } cases[] = {{"D", {}},
               {"C", {"NimbusMono", "Courier", "LiberationMono", "Cousine", "TeXGyreCursor"}},
               {"H", {"NimbusSans", "Helvetica", "LiberationSans", "Arimo", "TeXGyreHeros", "Arial"}},
               {"T", {"NimbusRoman", "Times", "LiberationSerif", "Tinos", "TeXGyreTermes"}}};
  for (const auto& c : cases) {
    const Result r = translate(dir_, "fonts.pdf", std::string("--font ") + c.font);
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream listing(tool_output("pdffonts " + dir_.file("fonts.pdf")));
    std::vector<std::string> names;
    std::string line;
    for (int n = 0; std::getline(listing, line); ++n)
      if (n >= 2 && !line.empty()) names.push_back(line.substr(0, line.find(' ')));
    if (c.faces.empty()) {
      EXPECT_TRUE(names.empty()) << names.front();
      continue;
    }
    ASSERT_EQ(names.size(), 1u) << c.font;
    EXPECT_TRUE(std::any_of(c.faces.begin(), c.faces.end(),
                            [&](const std::string& face) { return names[0].find(face) != std::string::npos; }))
        << c.font << ": " << names[0];
    EXPECT_NE(r.out.find("letters in"), std::string::npos);
  }
}

TEST_F(PlvtoolTranslate, EveryStringCanBeFoundInThePdfsText) {
  NEED("pdftotext");
  for (const char* font : {"H", "C", "T"}) {
    ASSERT_EQ(translate(dir_, "text.pdf", std::string("--font ") + font).status, 0);
    const std::string text = tool_output("pdftotext " + dir_.file("text.pdf") + " -");
    const auto strings = example_strings();
    ASSERT_GE(strings.size(), 5u);
    for (const std::string& s : strings) EXPECT_NE(text.find(s), std::string::npos) << font << ": " << s << "\n" << text;
  }
}

TEST_F(PlvtoolTranslate, PdfAndSvgLookLikeTheEditorsPictureAndMonoHasOnlyGreys) {
  NEED("pdftoppm");
  NEED("rsvg-convert");
  ASSERT_TRUE(screen_) << "ImageMagick's convert is needed";
  ASSERT_EQ(translate(dir_, "mono.pdf", "", within_window_).status, 0);
  const auto pdf = as_ppm(dir_, "pdftoppm -r 100 -singlefile " + dir_.file("mono.pdf") + " " + dir_.file("mono"), "mono.ppm");
  ASSERT_TRUE(pdf);
  expect_same_layout(*pdf, *screen_, "pdf");
  // The measure tells layouts apart: the page turned on its side is not the picture.
  ASSERT_EQ(translate(dir_, "turned.pdf", "--landscape", within_window_).status, 0);
  const auto turned =
      as_ppm(dir_, "pdftoppm -r 100 -singlefile " + dir_.file("turned.pdf") + " " + dir_.file("turned"), "turned.ppm");
  ASSERT_TRUE(turned);
  EXPECT_LT(overlap(*turned, *screen_), 0.6);
  for (size_t i = 0; i < pdf->rgb.size(); i += 3)
    ASSERT_TRUE(pdf->rgb[i] == pdf->rgb[i + 1] && pdf->rgb[i + 1] == pdf->rgb[i + 2]) << "a colour in mono at " << i / 3;

  ASSERT_EQ(translate(dir_, "colour.svg", "--colour", within_window_).status, 0);
  const std::string png = dir_.file("colour.png");
  ASSERT_EQ(testing::run_tool("rsvg-convert -d 100 -p 100 -b white " + dir_.file("colour.svg") + " -o " + png), 0);
  const auto svg = as_ppm(dir_, "convert " + png + " " + dir_.file("colour.ppm"), "colour.ppm");
  ASSERT_TRUE(svg);
  expect_same_layout(*svg, *screen_, "svg");
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

  const auto picture = as_ppm(dir_, "gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -sDEVICE=ppmraw -r100 -sOutputFile=" +
                                        dir_.file("eps.ppm") + " " + dir_.file("figure.eps"),
                              "eps.ppm");
  ASSERT_TRUE(picture);
  expect_same_layout(*picture, *screen_, "eps");
  // The box is tight: ink comes near each of its four edges.
  const Mask ink = ink_of(*picture);
  int x0 = ink.width, x1 = 0, y0 = ink.height, y1 = 0;
  for (int y = 0; y < ink.height; ++y)
    for (int x = 0; x < ink.width; ++x)
      if (ink.at(x, y)) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  EXPECT_LE(x0, 4);
  EXPECT_LE(y0, 4);
  EXPECT_GE(x1, ink.width - 5);
  EXPECT_GE(y1, ink.height - 5);

  ASSERT_EQ(translate(dir_, "figure.ps").status, 0);
  EXPECT_EQ(testing::run_tool("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage " + dir_.file("figure.ps")), 0);
}

TEST_F(PlvtoolTranslate, TheSetupLineLaysOutThePageAndOptionsOverrideIt) {
  NEED("pdfinfo");
  NEED("pdffonts");
  std::string example = read_file(kExample);
  const std::string plain = "GLIMPT EP      17.36      1.000 D M P";
  ASSERT_NE(example.find(plain), std::string::npos);
  example.replace(example.find(plain), plain.size(), "GLIMPT MS       9.00      1.000 H C L");
  write_file(dir_.file("own.plv"), example);
  Result r = translate(dir_, "own.pdf", "", dir_.file("own.plv"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NEAR(pdf_page_size(dir_.file("own.pdf")).height, 90 * kPointsPerMillimetre, 0.5 * kPointsPerMillimetre);
  EXPECT_NE(tool_output("pdffonts " + dir_.file("own.pdf")).find("Sans"), std::string::npos);
  EXPECT_NE(r.out.find("landscape, colour"), std::string::npos) << r.out;

  r = translate(dir_, "own.pdf", "--portrait --mono --font D --width-cm 12", dir_.file("own.plv"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NEAR(pdf_page_size(dir_.file("own.pdf")).width, 120 * kPointsPerMillimetre, 0.5 * kPointsPerMillimetre);
  EXPECT_EQ(tool_output("pdffonts " + dir_.file("own.pdf")).find("Sans"), std::string::npos);
  EXPECT_NE(r.out.find("portrait, mono, letters in the stroke font"), std::string::npos) << r.out;
}

TEST_F(PlvtoolTranslate, UsageErrorsAndFailuresLeaveNothingBehind) {
  for (const std::string options :
       {"--font X", "--width-cm 0", "--width-cm 1e-8", "--width-cm abc", "--line-width -1", "--frobnicate"}) {
    const Result r = translate(dir_, "bad.pdf", options);
    EXPECT_EQ(r.status, 2) << options;
    EXPECT_NE(r.err.find("usage"), std::string::npos) << options;
  }
  // A width the setup menu would not take makes no page of nothing.
  EXPECT_NE(translate(dir_, "bad.pdf", "--width-cm 0.001").err.find("--width-cm takes a width in centimetres of at least 0.01"),
            std::string::npos);
  EXPECT_EQ(translate(dir_, "picture.png").status, 2);
  EXPECT_EQ(testing::run_shell(dir_, kTool + " translate " + kExample).status, 2);
  EXPECT_FALSE(std::ifstream(dir_.file("bad.pdf")).good());

  const Result missing = translate(dir_, "out.pdf", "", dir_.file("none.plv"));
  EXPECT_EQ(missing.status, 1);
  const Result no_folder = translate(dir_, "no/such/folder/out.pdf");
  EXPECT_EQ(no_folder.status, 1);
  EXPECT_NE(no_folder.err.find("out.pdf"), std::string::npos) << no_folder.err;
}

}  // namespace
}  // namespace plv
