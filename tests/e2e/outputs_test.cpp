// What a whole session writes for use elsewhere, each file opened by a
// program we did not write: the shown picture exported and printed, and
// the drawing translated as its mode asks.

#include <gtest/gtest.h>

#include <regex>

#include "e2e/session.h"
#include "support/outside_reader.h"

namespace plv::e2e {
namespace {

using plv::testing::read_ppm;
using plv::testing::run_tool;
using plv::testing::tool_available;
using plv::testing::tool_output;

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kPicture = "SC BAR   2\nLW  -800     0   800     0    20\nSC BAR   4\nBX  -500   200   500   600\n";

using Export = SessionTest;

TEST_F(Export, EveryOutputOfTheShownPictureOpensElsewhereAndOneThatCannotBeWrittenIsTold) {
  Session failing;
  const Script emf_in_a_missing_folder = Script().f(10).enter().f(4).command("emf " + failing.path("missing/p.emf"));
  ASSERT_TRUE(failing.ends_in(kPicture, Script(emf_in_a_missing_folder).enter()));
  EXPECT_FALSE(failing.exists("missing"));
  EXPECT_TRUE(holds(failing.file("stderr.txt"), "Unable to create enhanced metafile")) << failing.file("stderr.txt");

  for (const char* tool : {"tiffinfo", "pdfinfo", "emf2svg-conv", "convert"})
    if (!tool_available(tool)) GTEST_SKIP() << tool << " is needed";
  // In text mode the picture's commands are not offered: nothing is written.
  ASSERT_TRUE(s.ends_in(kPicture, Script().f(10).enter().command("tiff " + s.path("early.tif")).f(4)
                                      .command("pagesetup 0.5 0.5 7").command("penwidth 1 3 4")
                                      .command("tiff " + s.path("p.tif")).command("emf " + s.path("p.emf"))
                                      .command("print " + s.path("p.pdf")).command("copy " + s.path("clip.png"))
                                      .command("about").enter()));
  EXPECT_FALSE(s.exists("early.tif"));
  EXPECT_TRUE(holds(tool_output("tiffinfo " + s.path("p.tif")), "Image Width: 700 Image Length: 500"));
  EXPECT_TRUE(holds(tool_output("pdfinfo " + s.path("p.pdf")), "Pages:           1"));
  EXPECT_EQ(run_tool("emf2svg-conv -i " + s.path("p.emf") + " -o " + s.path("p.svg")), 0);
  EXPECT_TRUE(holds(s.file("p.svg"), "<svg"));
  // The copy is the window's picture, pixel for pixel the TIFF's.
  ASSERT_EQ(run_tool("convert " + s.path("p.tif") + " " + s.path("tif.ppm") + " && convert " + s.path("clip.png") + " " +
                     s.path("clip.ppm")),
            0);
  const auto tif = read_ppm(s.path("tif.ppm")), clip = read_ppm(s.path("clip.ppm"));
  ASSERT_TRUE(tif && clip);
  EXPECT_EQ(tif->rgb, clip->rgb);
  // The dialogs' values stay in the host's settings.
  const std::string settings = s.file("orvlab.ini");
  for (const char* value : {"PageWidth=700", "PageLeftMargin=50", "PenWidthEMF=4"})
    EXPECT_TRUE(holds(settings, value)) << settings;
}

const std::string kDrawing =
    "d.plv\nGLIMPT EP      12.00      1.000 H M P\nDATE:  1-JAN-26\n"
    "SC MODE BAR\nSC BAR   4\nLI  -800     0   800     0 S\nCI     0     0   300     0   300     0\n"
    "CH  -500   500 20 S 0 ANNOTATED\n";

// Into the translation setup menu, the mode typed over, F9, a key, back.
Script translate_in_mode(const std::string& mode) { return Script().f(10).enter().f(1).f(8).field(mode).f(9).enter().f(10); }

using Translate = SessionTest;

TEST_F(Translate, TheSetupMenuTranslatesBesideTheDrawingOrPrintsAsItsModeAsks) {
  const struct {
    const char* mode;
    const char* file;
    const char* begins;
  } cases[] = {{"EP", "d.eps", "%!PS-Adobe-3.0 EPSF-3.0"}, {"WP", "d.svg", "<?xml"}, {"MS", "d.pdf", "%PDF-"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    Session translated;
    translated.put("d.plv", kDrawing);
    ASSERT_TRUE(translated.ends(translate_in_mode(c.mode), "d.plv"));
    EXPECT_TRUE(translated.file(c.file).starts_with(c.begins));
    // The screen says where the file went, as a full path, and how large it is.
    const auto told = translated.screens_with(3, "THE DRAWING WAS TRANSLATED TO:");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(row(told[0], 5), translated.path(c.file));
    EXPECT_TRUE(holds(row(told[0], 7), "12.00 CM X")) << told[0];
    // The mode typed stays in the setup line the drawing is written with.
    EXPECT_EQ(translated.file("d.plv"), kDrawing) << "the menu changes nothing but the setup line, kept until written";
  }
  // An earlier translation is replaced only when the user says so.
  for (const bool yes : {false, true}) {
    Session again;
    again.put("d.plv", kDrawing);
    again.put("d.eps", "earlier");
    ASSERT_TRUE(again.ends(Script().replace(yes).then(translate_in_mode("EP")), "d.plv"));
    EXPECT_EQ(again.file("d.eps") == "earlier", !yes);
    EXPECT_EQ(again.screens_with(3, "NOTHING WAS TRANSLATED: THE FILE WAS KEPT AS IT WAS:").size(), yes ? 0u : 1u);
  }

  // Print mode, with no printer chosen and with one.
  Session without;
  without.put("d.plv", kDrawing);
  ASSERT_EQ(without.run(translate_in_mode("PR"), "d.plv"), 0);
  EXPECT_EQ(without.screens_with(5, "NOTHING WAS PRINTED.").size(), 1u);

  s.put("d.plv", kDrawing);
  // A PDF file stands for the printer the user chooses.
  ASSERT_TRUE(s.ends(Script().command("print " + s.path("s.pdf")).then(translate_in_mode("PR")), "d.plv"));
  EXPECT_EQ(s.screens_with(5, "THE DRAWING WAS SENT TO THE PRINTER.").size(), 1u);
  ASSERT_TRUE(s.exists("s.pdf"));
  if (!tool_available("pdfimages")) GTEST_SKIP() << "pdfimages is needed";
  // One picture on the page, at the printer's 600 dots per inch: 12 cm wide.
  const std::string images = tool_output("pdfimages -list " + s.path("s.pdf"));
  std::smatch m;
  ASSERT_TRUE(std::regex_search(images, m, std::regex("\\n +1 +0 +image +([0-9]+) +([0-9]+)"))) << images;
  EXPECT_NEAR(std::stod(m[1]), 12 / 2.54 * 600, 2);
}

TEST_F(Translate, TheWindowsExportWritesTheChosenFileAndSaysWhereItWent) {
  if (!tool_available("pdfinfo")) GTEST_SKIP() << "pdfinfo is needed";
  s.put("d.plv", kDrawing);
  ASSERT_TRUE(s.ends(Script().f(10).enter().command("export " + s.path("figure.pdf"))
                         .command("export " + s.path("figure.svg")).command("export " + s.path("plain"))
                         .command("export " + s.path("chosen.pdf") + " colour times")
                         .command("export " + s.path("refused.pdf") + " sepia")
                         .command("export"), "d.plv"));
  std::smatch m;
  const std::string info = tool_output("pdfinfo " + s.path("figure.pdf"));
  ASSERT_TRUE(std::regex_search(info, m, std::regex("Page size: +([0-9.]+) x"))) << info;
  EXPECT_NEAR(std::stod(m[1]) / 72 * 2.54, 12.0, 0.05);
  EXPECT_TRUE(holds(tool_output("pdffonts " + s.path("figure.pdf")), "Sans"));
  EXPECT_TRUE(s.file("figure.svg").starts_with("<?xml"));
  EXPECT_TRUE(s.exists("plain.pdf")) << "a name without an extension we write becomes a PDF";
  const std::string told = s.file("stderr.txt");
  EXPECT_TRUE(holds(told, "The drawing was exported to " + s.path("figure.pdf") + " (in mono, 12.00 cm x")) << told;
  EXPECT_TRUE(holds(told, "The drawing was exported to " + s.path("plain.pdf"))) << told;
  // The dialog's choices win over the setup line's, for this page only.
  EXPECT_TRUE(holds(told, "The drawing was exported to " + s.path("chosen.pdf") + " (in colour, ")) << told;
  EXPECT_TRUE(holds(tool_output("pdffonts " + s.path("chosen.pdf")), "Roman"));
  EXPECT_FALSE(s.exists("refused.pdf")) << "an answer the dialog does not offer cancels it";
  EXPECT_TRUE(holds(told, "\"sepia\" is neither colour, mono nor a lettering offered")) << told;
  EXPECT_TRUE(holds(s.file("d.plv"), "GLIMPT EP      12.00      1.000 H M P"));

  Session failing;
  failing.put("d.plv", kDrawing);
  ASSERT_EQ(failing.run(Script().f(10).enter().command("export " + failing.path("no/such/figure.pdf")), "d.plv"), 0);
  EXPECT_TRUE(holds(failing.file("stderr.txt"), "The drawing could not be exported: ")) << failing.file("stderr.txt");
}

}  // namespace
}  // namespace plv::e2e
