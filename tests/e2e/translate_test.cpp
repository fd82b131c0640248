// The open drawing translated for publication from a whole editor session:
// beside its file from the translation setup menu, as its mode asks, or
// printed; and exported from the window's File menu.

#include <gtest/gtest.h>

#include <regex>

#include "e2e/session.h"
#include "support/outside_reader.h"

namespace plv::e2e {
namespace {

using plv::testing::tool_available;
using plv::testing::tool_output;

const std::string kDrawing =
    "d.plv\nGLIMPT EP      12.00      1.000 H M P\nDATE:  1-JAN-26\n"
    "SC MODE BAR\nSC BAR   4\nLI  -800     0   800     0 S\nCI     0     0   300     0   300     0\n"
    "CH  -500   500 20 S 0 ANNOTATED\n";

// Into the translation setup menu, the mode typed over, F9, a key, back.
Script translate_in_mode(const std::string& mode) { return Script().f(10).enter().f(1).f(8).field(mode).f(9).enter().f(10); }

double pdf_width_cm(const std::string& path) {
  std::smatch m;
  const std::string info = tool_output("pdfinfo " + path);
  return std::regex_search(info, m, std::regex("Page size: +([0-9.]+) x")) ? std::stod(m[1]) / 72 * 2.54 : 0;
}

TEST(Translate, TheSetupMenuTranslatesBesideTheDrawingAsItsModeAsks) {
  const struct {
    const char* mode;
    const char* file;
    const char* begins;
  } cases[] = {{"EP", "d.eps", "%!PS-Adobe-3.0 EPSF-3.0"}, {"WP", "d.svg", "<?xml"}, {"MS", "d.pdf", "%PDF-"}};
  for (const auto& c : cases) {
    Session s;
    s.put("d.plv", kDrawing);
    ASSERT_TRUE(s.ends(translate_in_mode(c.mode), "d.plv"));
    ASSERT_TRUE(s.exists(c.file)) << c.mode;
    EXPECT_EQ(s.file(c.file).rfind(c.begins, 0), 0u) << c.mode;
    // The screen says where the file went, as a full path, and how large it is.
    const auto told = s.screens_with(3, "THE DRAWING WAS TRANSLATED TO:");
    ASSERT_EQ(told.size(), 1u) << c.mode;
    EXPECT_EQ(row(told[0], 5), s.path(c.file));
    EXPECT_NE(row(told[0], 7).find("12.00 CM X"), std::string::npos) << told[0];
    // The mode typed stays in the setup line the drawing is written with.
    EXPECT_EQ(s.file("d.plv"), kDrawing) << "the menu changes nothing but the setup line, kept until written";
  }
}

TEST(Translate, PrintModeSendsThePageToTheChosenPrinterOrSaysNothingWasPrinted) {
  Session without;
  without.put("d.plv", kDrawing);
  ASSERT_EQ(without.run(translate_in_mode("PR"), "d.plv"), 0);
  EXPECT_EQ(without.screens_with(5, "NOTHING WAS PRINTED.").size(), 1u);

  Session s;
  s.put("d.plv", kDrawing);
  // A PDF file stands for the printer the user chooses.
  ASSERT_TRUE(s.ends(Script().command("print " + s.path("printed.pdf")).then(translate_in_mode("PR")), "d.plv"));
  EXPECT_EQ(s.screens_with(5, "THE DRAWING WAS SENT TO THE PRINTER.").size(), 1u);
  ASSERT_TRUE(s.exists("printed.pdf"));
  if (!tool_available("pdfimages")) GTEST_SKIP() << "pdfimages is needed";
  // One picture on the page, at the printer's 600 dots per inch: 12 cm wide.
  const std::string images = tool_output("pdfimages -list " + s.path("printed.pdf"));
  std::smatch m;
  ASSERT_TRUE(std::regex_search(images, m, std::regex("\\n +1 +0 +image +([0-9]+) +([0-9]+)"))) << images;
  EXPECT_NEAR(std::stod(m[1]), 12 / 2.54 * 600, 2);
}

TEST(Translate, TheWindowsExportWritesTheChosenFileAndSaysWhereItWent) {
  if (!tool_available("pdfinfo")) GTEST_SKIP() << "pdfinfo is needed";
  Session s;
  s.put("d.plv", kDrawing);
  ASSERT_TRUE(s.ends(Script().f(10).enter().command("export " + s.path("figure.pdf")).command("export " + s.path("figure.svg"))
                         .command("export " + s.path("plain")).command("export"), "d.plv"));
  EXPECT_NEAR(pdf_width_cm(s.path("figure.pdf")), 12.0, 0.05);
  EXPECT_NE(tool_output("pdffonts " + s.path("figure.pdf")).find("Sans"), std::string::npos);
  EXPECT_EQ(s.file("figure.svg").rfind("<?xml", 0), 0u);
  EXPECT_TRUE(s.exists("plain.pdf")) << "a name without an extension we write becomes a PDF";
  const std::string told = s.file("stderr.txt");
  EXPECT_NE(told.find("The drawing was exported to " + s.path("figure.pdf") + " (12.00 cm x"), std::string::npos) << told;
  EXPECT_NE(told.find("The drawing was exported to " + s.path("plain.pdf")), std::string::npos) << told;

  Session failing;
  failing.put("d.plv", kDrawing);
  ASSERT_EQ(failing.run(Script().f(10).enter().command("export " + failing.path("no/such/figure.pdf")), "d.plv"), 0);
  EXPECT_NE(failing.file("stderr.txt").find("The drawing could not be exported: "), std::string::npos)
      << failing.file("stderr.txt");
}

}  // namespace
}  // namespace plv::e2e
