#include <gtest/gtest.h>

#include "image/pdf_file.h"
#include "publish/pdf_canvas.h"
#include "support/outside_reader.h"
#include "support/temp_dir.h"

namespace plv::publish {
namespace {

using testing::tool_available;
using testing::tool_output;

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
  testing::TempDir dir;
  for (const auto& c : cases) {
    Typeface face = *installed;
    face.file = c.file;
    face.postscript_name = c.postscript_name;
    std::string bytes;
    {
      image::PdfFile file([&bytes](std::string_view b) { bytes.append(b); }, "fonts", 200, 100);
      PageFrame frame;
      frame.frame = {0, 200, 0, 100};
      frame.width = 200;
      frame.height = 100;
      PdfCanvas canvas(file, frame, 1);
      canvas.letters(face, 20, {10, 40}, 0, "Label");
      file.finish();
    }
    testing::write_file(dir.file("f.pdf"), bytes);
    const std::string fonts = tool_output("pdffonts " + dir.file("f.pdf"));
    EXPECT_NE(fonts.find(c.listed), std::string::npos) << fonts;
    EXPECT_NE(tool_output("pdftotext " + dir.file("f.pdf") + " -").find("Label"), std::string::npos) << c.file;
  }
}

}  // namespace
}  // namespace plv::publish
