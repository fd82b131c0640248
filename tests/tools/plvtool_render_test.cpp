// plvtool render: its primitives, its pictures and its colour problems.

#include <gtest/gtest.h>

#include "support/outside_reader.h"
#include "tools/tool_run.h"

namespace plv {
namespace {

using namespace testing;

// Primitives with and without fitting; colour problems go to standard error.
TEST(PlvtoolRender, PrimitivesWithAndWithoutFittingAndColourProblems) {
  TempDir dir;
  write_file(dir.file("d.plv"), kHeader + "SC MODE BAR\nSC BAR   3\nLI     0     0   100     0 S\n");
  const ToolRun plain = run_shell(dir, kTool + " render " + dir.file("d.plv") + " --primitives --no-fit");
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("colourgrey 252 0 252 255\nline 0 0 100 0\n"), std::string::npos) << plain.out;
  const ToolRun fitted = run_shell(dir, kTool + " render " + dir.file("d.plv") + " --primitives");
  // The line's extent is 100 wide and flat: it fills 99 % of the 3300-unit width.
  EXPECT_NE(fitted.out.find("line -1633 0 1633 0\n"), std::string::npos) << fitted.out;

  write_file(dir.file("two.plv"), kHeader + "SC MODE BAR\nSC BAR  99\nSC MODE GREY\nLI     0     0   100     0 S\n");
  const ToolRun r = run_shell(dir, kTool + " render " + dir.file("two.plv") + " --primitives");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("FATAL ERROR>>  INPUT FILE CONTAINS MORE"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("THAN ONE \"SC MODE\" COMMAND"), std::string::npos);
  EXPECT_EQ(run_shell(dir, kTool + " render " + dir.file("two.plv")).status, 2);  // neither -o nor --primitives
}

// Every picture format, read back by programs we did not write.
TEST(PlvtoolRender, EveryPictureFormatAsTheWindowWritesIt) {
  for (const char* tool : {"tiffinfo", "pdfinfo", "emf2svg-conv", "convert"})
    if (!tool_available(tool)) GTEST_SKIP() << tool << " is needed";
  TempDir dir;
  const std::string render = kTool + " render " + kExample + " -o ";
  ASSERT_EQ(run_shell(dir, render + dir.file("small.png") + " --size 350x250").status, 0);
  for (const char* name : {"a.png", "a.pcx", "a.tif", "a.emf", "a.pdf"})
    ASSERT_EQ(run_shell(dir, render + dir.file(name)).status, 0) << name;
  // Every colour of the picture and how many pixels it takes.
  const ToolRun decoded =
      run_shell(dir, "/usr/bin/python3 -c \"from PIL import Image; from collections import Counter; a = Image.open('" +
                         dir.file("small.png") + "'); b = Image.open('" + dir.file("a.pcx") +
                         "').convert('RGB'); count = lambda i: sorted(Counter(i.getdata()).items()); "
                         "print(a.size, count(a)); print(b.size, count(b))\"");
  EXPECT_EQ(decoded.out,
            "(350, 250) [((0, 0, 0), 2103), ((0, 0, 252), 484), ((0, 252, 0), 326), ((124, 0, 0), 165), "
            "((252, 0, 0), 274), ((252, 0, 252), 92), ((252, 252, 0), 112), ((255, 255, 255), 83944)]\n"
            "(640, 480) [((0, 0, 0), 3417), ((0, 0, 252), 944), ((0, 252, 0), 1134), ((124, 0, 0), 547), "
            "((252, 0, 0), 499), ((252, 0, 252), 155), ((252, 252, 0), 175), ((252, 252, 252), 300329)]\n")
      << decoded.err;
  // That the TIFF holds the window's pixels is the host's tests' concern.
  const std::string tiff = tool_output("tiffinfo " + dir.file("a.tif"));
  for (const char* told : {"Image Width: 700 Image Length: 500", "Samples/Pixel: 3"})
    EXPECT_NE(tiff.find(told), std::string::npos) << tiff;
  EXPECT_NE(tool_output("pdfinfo " + dir.file("a.pdf")).find("Page size:       612 x 792 pts"), std::string::npos);
  ASSERT_EQ(run_shell(dir, "emf2svg-conv -i " + dir.file("a.emf") + " -o " + dir.file("a.svg")).status, 0);
  EXPECT_NE(read_file(dir.file("a.svg")).find("<svg"), std::string::npos);
  const ToolRun bad = run_shell(dir, render + dir.file("a.bmp"));
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find(".png, .pcx, .tif, .emf or .pdf"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace plv
