// The window's exports in a whole editor session: the picture printed,
// written as TIFF and metafile and copied, each file opened by a program
// we did not write; the page setup and pen widths kept in the host's
// settings.

#include <gtest/gtest.h>

#include "e2e/session.h"
#include "support/outside_reader.h"

namespace plv::e2e {
namespace {

using plv::testing::read_ppm;
using plv::testing::run_tool;
using plv::testing::tool_available;
using plv::testing::tool_output;

const std::string kDrawing = drawing("SC BAR   2\nLW  -800     0   800     0    20\nSC BAR   4\nBX  -500   200   500   600\n");

TEST(Export, EveryOutputOfTheShownPictureOpensElsewhere) {
  for (const char* tool : {"tiffinfo", "pdfinfo", "emf2svg-conv", "convert"})
    if (!tool_available(tool)) GTEST_SKIP() << tool << " is needed";
  Session s;
  s.put("d.plv", kDrawing);
  // In text mode the picture's commands are not offered: nothing is written.
  ASSERT_TRUE(s.ends(Script().f(10).enter().command("tiff " + s.path("early.tif")).f(4).command("pagesetup 0.5 0.5 7")
                         .command("penwidth 1 3 4").command("tiff " + s.path("p.tif")).command("emf " + s.path("p.emf"))
                         .command("print " + s.path("p.pdf")).command("copy " + s.path("clip.png")).command("about")
                         .enter(), "d.plv"));
  EXPECT_FALSE(s.exists("early.tif"));

  EXPECT_NE(tool_output("tiffinfo " + s.path("p.tif")).find("Image Width: 700 Image Length: 500"), std::string::npos);
  EXPECT_NE(tool_output("pdfinfo " + s.path("p.pdf")).find("Pages:           1"), std::string::npos);
  EXPECT_EQ(run_tool("emf2svg-conv -i " + s.path("p.emf") + " -o " + s.path("p.svg")), 0);
  EXPECT_NE(s.file("p.svg").find("<svg"), std::string::npos);

  // The copy is the window's picture, pixel for pixel the TIFF's.
  ASSERT_EQ(run_tool("convert " + s.path("p.tif") + " " + s.path("tif.ppm") + " && convert " + s.path("clip.png") + " " +
                     s.path("clip.ppm")),
            0);
  const auto tif = read_ppm(s.path("tif.ppm")), clip = read_ppm(s.path("clip.ppm"));
  ASSERT_TRUE(tif && clip);
  EXPECT_EQ(tif->rgb, clip->rgb);

  // The dialogs' values stay in the host's settings.
  const std::string settings = s.file("orvlab.ini");
  EXPECT_NE(settings.find("PageWidth=700"), std::string::npos) << settings;
  EXPECT_NE(settings.find("PageLeftMargin=50"), std::string::npos) << settings;
  EXPECT_NE(settings.find("PenWidthEMF=4"), std::string::npos) << settings;
}

TEST(Export, AFileThatCannotBeWrittenIsToldAndNothingIsLeft) {
  Session s;
  s.put("d.plv", kDrawing);
  ASSERT_TRUE(s.ends(Script().f(10).enter().f(4).command("emf " + s.path("missing/p.emf")).enter(), "d.plv"));
  EXPECT_FALSE(s.exists("missing"));
  EXPECT_NE(s.file("stderr.txt").find("Unable to create enhanced metafile"), std::string::npos) << s.file("stderr.txt");
}

}  // namespace
}  // namespace plv::e2e
