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

using namespace testing;

constexpr double kPointsPerMillimetre = 72 / 25.4;

#define NEED(tool) \
  if (!tool_available(tool)) GTEST_SKIP() << tool " is needed"

ToolRun translate(const TempDir& dir, const std::string& out, const std::string& options = "",
                 const std::string& in = kExample) {
  return run_shell(dir, kTool + " translate " + in + " -o " + dir.file(out) + " " + options);
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

Mask ink_of(const Ppm& p) {
  Mask m{p.width, p.height, std::vector<bool>(static_cast<size_t>(p.width) * p.height)};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const std::uint32_t c = p.at(x, y);
      const int sum = int(c >> 16 & 255) + int(c >> 8 & 255) + int(c & 255);
      m.ink[static_cast<size_t>(y) * p.width + x] = sum < 3 * 200;
    }
  return m;
}

struct InkBox {
  int x0, x1, y0, y1;  // x1 < 0 when there is no ink
};

InkBox ink_box(const Mask& m) {
  InkBox b{m.width, -1, m.height, -1};
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      if (m.at(x, y)) b = {std::min(b.x0, x), std::max(b.x1, x), std::min(b.y0, y), std::max(b.y1, y)};
  return b;
}

// The mask cut to the box of its ink and shrunk to w x h, a pixel of the
// result inked when any pixel it covers is, so thin lines stay.
Mask cropped(const Mask& m, int w, int h) {
  const auto [x0, x1, y0, y1] = ink_box(m);
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

// How much of each picture's ink lies near the other's, both cut to their
// ink and brought to one size: the lesser share.
double overlap(const Ppm& page, const Ppm& screen) {
  constexpr int kWidth = 400, kHeight = 300, kReach = 4;
  const Mask a = cropped(ink_of(page), kWidth, kHeight), b = cropped(ink_of(screen), kWidth, kHeight);
  return std::min(covered(a, b, kReach), covered(b, a, kReach));
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
  NEED("pdfinfo");
  NEED("pdffonts");
  std::string own = read_file(kExample);
  const std::string plain = "GLIMPT EP      17.36      1.000 D M P";
  ASSERT_NE(own.find(plain), std::string::npos);
  write_file(dir_.file("own.plv"), own.replace(own.find(plain), plain.size(), "GLIMPT MS       9.00      1.000 H C L"));
  const struct {
    std::string in, options;
    double width_mm;
    bool landscape;
    std::string told;
  } cases[] = {{kExample, "", 173.6, false, "portrait, mono, letters in the stroke font"},
               {kExample, "--landscape", 173.6, true, "landscape, mono"},
               {kExample, "--width-cm 8.5", 85, false, "portrait"},
               {kExample, "--width-cm 8.5 --landscape", 85, true, "landscape"},
               {dir_.file("own.plv"), "", 90, true, "landscape, colour, letters in"},
               {dir_.file("own.plv"), "--portrait --mono --font D --width-cm 12", 120, false,
                "portrait, mono, letters in the stroke font"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in + " " + c.options);
    const ToolRun r = translate(dir_, "page.pdf", c.options, c.in);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(c.told), std::string::npos) << r.out;
    const PageSize size = pdf_page_size(dir_.file("page.pdf"));
    const double across = c.landscape ? size.height : size.width, other = c.landscape ? size.width : size.height;
    EXPECT_NEAR(across, c.width_mm * kPointsPerMillimetre, 0.5 * kPointsPerMillimetre);
    // The example is wider than it is tall, whichever way it is turned.
    EXPECT_LT(other, across);
    EXPECT_GT(other, across / 2);
    // Only the setup line's H asks for a typeface.
    const bool sans = tool_output("pdffonts " + dir_.file("page.pdf")).find("Sans") != std::string::npos;
    EXPECT_EQ(sans, c.told == "landscape, colour, letters in");
  }
}

TEST_F(PlvtoolTranslate, TypefacesAreEmbeddedForCourierHelveticaAndTimesAndHoldEveryString) {
  NEED("pdffonts");
  NEED("pdftotext");
  const auto strings = example_strings();
  ASSERT_GE(strings.size(), 5u);
  const struct {
    const char* font;
    std::vector<std::string> faces;  // names with the family's metrics, blanks left out
  } cases[] = {{"D", {}},
               {"C", {"NimbusMono", "Courier", "LiberationMono", "Cousine", "TeXGyreCursor"}},
               {"H", {"NimbusSans", "Helvetica", "LiberationSans", "Arimo", "TeXGyreHeros", "Arial"}},
               {"T", {"NimbusRoman", "Times", "LiberationSerif", "Tinos", "TeXGyreTermes"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.font);
    const ToolRun r = translate(dir_, "fonts.pdf", std::string("--font ") + c.font);
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream listing(tool_output("pdffonts " + dir_.file("fonts.pdf")));
    std::vector<std::string> names;
    std::string line;
    for (int n = 0; std::getline(listing, line); ++n)
      if (n >= 2 && !line.empty()) names.push_back(line.substr(0, line.find(' ')));
    if (c.faces.empty()) {  // the stroke font draws its letters in lines
      EXPECT_TRUE(names.empty()) << names.front();
      continue;
    }
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(std::any_of(c.faces.begin(), c.faces.end(),
                            [&](const std::string& face) { return names[0].find(face) != std::string::npos; }))
        << names[0];
    EXPECT_NE(r.out.find("letters in"), std::string::npos);
    const std::string text = tool_output("pdftotext " + dir_.file("fonts.pdf") + " -");
    for (const std::string& s : strings) EXPECT_NE(text.find(s), std::string::npos) << s << "\n" << text;
  }
}

TEST_F(PlvtoolTranslate, PdfAndSvgLookLikeTheEditorsPictureAndMonoHasOnlyGreys) {
  NEED("pdftoppm");
  NEED("rsvg-convert");
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
  const InkBox box = ink_box(ink_of(*drawn));
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

  const ToolRun missing = translate(dir_, "out.pdf", "", dir_.file("none.plv"));
  EXPECT_EQ(missing.status, 1);
  const ToolRun no_folder = translate(dir_, "no/such/folder/out.pdf");
  EXPECT_EQ(no_folder.status, 1);
  EXPECT_NE(no_folder.err.find("out.pdf"), std::string::npos) << no_folder.err;
}

}  // namespace
}  // namespace plv
