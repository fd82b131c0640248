// plvtool import of figures made by plotting programs (matplotlib,
// gnuplot), translated back and compared with the originals as poppler,
// librsvg and Ghostscript draw them.

#include <gtest/gtest.h>

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

// A line plot with title, axis labels, ticks, a legend and markers.
const std::string kWavesFigure = std::string(PLIVET_SOURCE_DIR) + "/scripts/waves_figure.py";

constexpr const char* kGnuplotPlot =
    "set title 'gnuplot title'; set xlabel 'phase'; set ylabel 'level'; "
    "plot sin(x) title 'sin', cos(x) with linespoints dashtype 2 title 'cos'";

class PlvtoolImport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    figures_ = new TempDir;
    const TempDir& d = *figures_;
    made_ = run_tool("cd " + d.path().string() + " && MPLCONFIGDIR=" + d.path().string() + " /usr/bin/python3 " +
                     kWavesFigure + " plot.svg plot.pdf") == 0 &&
            run_tool("cd " + d.path().string() + " && gnuplot -e \"set terminal svg size 600,400; set output 'gnuplot.svg'; " +
                     kGnuplotPlot + "\" && gnuplot -e \"set terminal postscript eps color; set output 'gnuplot.eps'; " +
                     kGnuplotPlot + "\" && gnuplot -e \"set terminal postscript portrait color; set output 'gnuplot.ps'; " +
                     kGnuplotPlot + "\"") == 0;
  }
  static void TearDownTestSuite() { delete figures_; }
  void SetUp() override { ASSERT_TRUE(made_) << "python3-matplotlib and gnuplot make the figures"; }

  std::string figure(const std::string& name) const { return figures_->file(name); }
  ToolRun import(const std::string& name, const std::string& options = "") const {
    return plvtool(dir_, "import " + figure(name) + " -o " + dir_.file(name + ".plv") + " " + options);
  }
  std::optional<Ppm> ppm(const std::string& command, const std::string& name) const {
    if (run_tool(command) != 0) return std::nullopt;
    return read_ppm(dir_.file(name));
  }
  // The figure as the outside reader of its format draws it (an SVG laid
  // out by librsvg as a PDF page, 96 CSS pixels to the inch).
  std::optional<Ppm> original(const std::string& name) const {
    if (name.ends_with("ps"))
      return ppm("gs -q -dSAFER -dBATCH -dNOPAUSE " + crop(name) + " -sDEVICE=ppmraw -r100 -sOutputFile=" +
                     dir_.file("o.ppm") + " " + figure(name), "o.ppm");
    const std::string pdf = name.ends_with(".svg") ? dir_.file("o.pdf") : figure(name);
    if (name.ends_with(".svg") && run_tool("rsvg-convert -f pdf " + figure(name) + " -o " + pdf) != 0) return std::nullopt;
    return ppm("pdftoppm -r 100 -singlefile " + pdf + " " + dir_.file("o"), "o.ppm");
  }
  static std::string crop(const std::string& name) { return name.ends_with(".eps") ? "-dEPSCrop" : ""; }
  // The figure's words as pdftotext finds them (an SVG through librsvg's PDF).
  std::set<std::string> words_of_original(const std::string& name) const {
    std::string pdf = figure(name);
    if (name.ends_with(".svg")) {
      pdf = dir_.file("o.pdf");
      run_tool("rsvg-convert -f pdf " + figure(name) + " -o " + pdf);
    } else if (name.ends_with("ps")) {
      pdf = dir_.file("o.pdf");
      run_tool("gs -q -dSAFER -dBATCH -dNOPAUSE " + crop(name) + " -sDEVICE=pdfwrite -sOutputFile=" + pdf + " " + figure(name));
    }
    return words(tool_output("pdftotext -q " + pdf + " -"));
  }
  static std::set<std::string> words(std::string text) {
    text = std::regex_replace(text, std::regex("\xE2\x88\x92"), "-");  // the minus sign, as a string holds it
    std::istringstream in(text);
    std::set<std::string> out;
    for (std::string w; in >> w;) out.insert(w);
    return out;
  }

  // Imports, reads back whole, translates; the page drawn and its words.
  void round_trip(const std::string& name, double least_overlap, const std::string& options = "") {
    SCOPED_TRACE(name + " " + options);
    const ToolRun imported = import(name, options);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("made "), std::string::npos) << imported.out;
    const ToolRun loaded = plvtool(dir_, "load " + dir_.file(name + ".plv"));
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(loaded.err, "");
    ASSERT_EQ(plvtool(dir_, "translate " + dir_.file(name + ".plv") + " -o " + dir_.file("t.pdf")).status, 0);
    const auto page = ppm("pdftoppm -r 100 -singlefile " + dir_.file("t.pdf") + " " + dir_.file("t"), "t.ppm");
    const auto before = original(name);
    ASSERT_TRUE(page && before);
    EXPECT_GT(overlap(*page, *before), least_overlap);
    // At its own size: the drawing width of the setup line is the figure's.
    const InkBox a = ink_box(*page), b = ink_box(*before);
    EXPECT_NEAR(a.x1 - a.x0, b.x1 - b.x0, 0.02 * (b.x1 - b.x0));
    EXPECT_NEAR(a.y1 - a.y0, b.y1 - b.y0, 0.02 * (b.y1 - b.y0));
    const std::set<std::string> found = words(tool_output("pdftotext -q " + dir_.file("t.pdf") + " -"));
    for (const std::string& w : words_of_original(name)) EXPECT_TRUE(found.count(w)) << "\"" << w << "\" is lost";
    translated_ = *page;
  }

  static TempDir* figures_;
  static bool made_;
  TempDir dir_;
  Ppm translated_;
};

TempDir* PlvtoolImport::figures_ = nullptr;
bool PlvtoolImport::made_ = false;

TEST_F(PlvtoolImport, MatplotlibFiguresComeBackAsTheyWere) {
  round_trip("plot.svg", 0.9);
  round_trip("plot.pdf", 0.9);
  // In an RGB drawing the line keeps matplotlib's blue (#1f77b4) to a level.
  round_trip("plot.pdf", 0.9, "--colour-mode rgb --replace");
  long blue = 0;
  for (size_t i = 0; i < translated_.rgb.size(); i += 3)
    blue += std::abs(translated_.rgb[i] - 31) + std::abs(translated_.rgb[i + 1] - 119) + std::abs(translated_.rgb[i + 2] - 180) < 12;
  EXPECT_GT(blue, 500);
  EXPECT_NE(read_file(dir_.file("plot.pdf.plv")).find("\nSC MODE RGB\n"), std::string::npos);
}

TEST_F(PlvtoolImport, GnuplotFiguresComeBackAsTheyWere) {
  round_trip("gnuplot.svg", 0.9);
  round_trip("gnuplot.eps", 0.9);
  round_trip("gnuplot.ps", 0.9);
  const std::string drawing = read_file(dir_.file("gnuplot.svg.plv"));
  EXPECT_GT(std::count(drawing.begin(), drawing.end(), '\n'), 100);
  long layers = 0;
  for (size_t at = drawing.find("\nLA "); at != std::string::npos; at = drawing.find("\nLA ", at + 1)) ++layers;
  EXPECT_GT(layers, 5) << "gnuplot's groups are layers";
}

TEST_F(PlvtoolImport, ADrawingIsReplacedOnlyWhenAskedAndFailuresWriteNothing) {
  const std::string out = dir_.file("plot.svg.plv");
  write_file(out, "mine\n");
  const ToolRun kept = import("plot.svg");
  EXPECT_EQ(kept.status, 1);
  EXPECT_NE(kept.err.find("--replace"), std::string::npos);
  EXPECT_EQ(read_file(out), "mine\n");
  EXPECT_EQ(import("plot.svg", "--replace").status, 0);
  EXPECT_NE(read_file(out), "mine\n");

  // Each page of a document of several is a drawing of its own.
  ASSERT_EQ(run_tool("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -sOutputFile=" + dir_.file("two.pdf") + " " +
                     figure("plot.pdf") + " " + figure("plot.pdf")), 0);
  const ToolRun pages = plvtool(dir_, "import " + dir_.file("two.pdf") + " -o " + dir_.file("two.plv"));
  EXPECT_EQ(pages.status, 0) << pages.err;
  EXPECT_NE(pages.out.find(dir_.file("two-2.plv") + ": made "), std::string::npos) << pages.out;
  EXPECT_TRUE(std::ifstream(dir_.file("two-1.plv")).good() && !std::ifstream(dir_.file("two.plv")).good());

  const ToolRun no_page = import("plot.pdf", "--page 2");
  EXPECT_EQ(no_page.status, 1);
  EXPECT_NE(no_page.err.find("1 page(s)"), std::string::npos) << no_page.err;
  write_file(dir_.file("junk.svg"), "<svg this is not");
  EXPECT_EQ(plvtool(dir_, "import " + dir_.file("junk.svg") + " -o " + dir_.file("junk.plv")).status, 1);
  EXPECT_EQ(plvtool(dir_, "import " + dir_.file("none.pdf") + " -o " + dir_.file("none.plv")).status, 1);
  for (const std::string bad : {"--page 0", "--colour-mode cmyk", "--frobnicate", ""})
    EXPECT_EQ(plvtool(dir_, "import " + figure("plot.pdf") + " " + bad).status, 2) << bad;
  for (const std::string never : {"junk.plv", "none.plv", "plot.pdf.plv"})
    EXPECT_FALSE(std::ifstream(dir_.file(never)).good()) << never;
}

}  // namespace
}  // namespace plv
