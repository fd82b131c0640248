// The picture leaving the program: TIFF, enhanced metafile and printing,
// each file read back by programs we did not write and compared with the
// window's own picture.

#include "host/host_fixture.h"
#include "host/pdf_print_job.h"
#include "host/picture_area.h"
#include "support/outside_reader.h"

namespace plv::host {
namespace {

using plv::testing::read_ppm;
using plv::testing::run_tool;
using plv::testing::tool_available;
using plv::testing::tool_output;

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

class ExportTest : public HostTest {
 protected:
  // A red line along y = 0 and a blue box from (-500, 500) to (500, 200).
  Host& start_known_picture() {
    start_drawing();
    ink(0, 0, 255).draw_filled_rectangle(-500, 500, 500, 200, 0, 0, 0, 0);
    return *host_;
  }
  std::string file(const std::string& name) const { return (dir_ / name).string(); }
};

std::uint32_t rgb_of(Rgb c) { return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue; }

TEST(SavedArea, AllOfAVgaBitmapElseThePicturesOwnPartWithinTheBitmap) {
  EXPECT_EQ(saved_area(640, 480, WindowTransform::for_client(640, 480)), (PixelArea{0, 0, 639, 479}));
  // 700 x 500 holds the 7 : 5 picture exactly; its far edges stand one past the bitmap.
  EXPECT_EQ(saved_area(700, 500, WindowTransform::for_client(700, 500)), (PixelArea{0, 0, 699, 499}));
  // A wide window: the picture is 700 wide in its middle.
  EXPECT_EQ(saved_area(1000, 500, WindowTransform::for_client(1000, 500)), (PixelArea{150, 0, 850, 499}));
}

TEST_F(ExportTest, TiffHoldsTheBitmapsPixelsInColourOrGrey) {
  if (!tool_available("convert") || !tool_available("tiffinfo")) GTEST_SKIP() << "ImageMagick and libtiff's tools are needed";
  Host& host = start_known_picture();
  const std::string tif = file("picture.tif"), ppm = file("picture.ppm");
  ws_->save_file_answers.push_back(tif);
  host.menu_command(Command::kWriteTiff);
  ASSERT_EQ(run_tool("convert " + tif + " " + ppm), 0);
  const auto colour = read_ppm(ppm);
  ASSERT_TRUE(colour);
  const Raster& bitmap = host.picture().bitmap();
  ASSERT_EQ(std::pair(colour->width, colour->height), std::pair(bitmap.width(), bitmap.height()));
  int differing = 0;
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x) differing += colour->at(x, y) != rgb_of(bitmap.pixel(x, y));
  EXPECT_EQ(differing, 0);
  EXPECT_NE(tool_output("tiffinfo " + tif).find("Samples/Pixel: 3"), std::string::npos);

  // Without colour, one grey byte a pixel: the red component.
  host.menu_command(Command::kColour);
  ws_->save_file_answers.push_back(tif);
  host.menu_command(Command::kWriteTiff);
  EXPECT_NE(tool_output("tiffinfo " + tif).find("Samples/Pixel: 1"), std::string::npos);
  ASSERT_EQ(run_tool("convert " + tif + " -type TrueColor " + ppm), 0);
  const auto grey = read_ppm(ppm);
  ASSERT_TRUE(grey);
  const Point inside_box = host.picture().transform().to_pixel(0, 350);
  EXPECT_EQ(grey->at(inside_box.x, inside_box.y) >> 16, bitmap.pixel(inside_box.x, inside_box.y).red);
}

TEST_F(ExportTest, MetafileDrawsThePictureInPlotUnitsWithItsFrame) {
  if (!tool_available("emf2svg-conv") || !tool_available("rsvg-convert") || !tool_available("convert"))
    GTEST_SKIP() << "emf2svg, rsvg-convert and ImageMagick are needed";
  Host& host = start_known_picture();
  host.export_names().set("/somewhere/", "figure.plv");
  const std::string emf = file("figure.emf"), svg = file("figure.svg"), png = file("figure.png");
  ws_->save_file_answers.push_back(emf);
  host.menu_command(Command::kWriteMetafile);
  ASSERT_EQ(ws_->save_file_requests().size(), 1u);
  EXPECT_EQ(std::tuple(ws_->save_file_requests()[0].file_name, ws_->save_file_requests()[0].directory),
            std::tuple("figure.emf", "/somewhere/"));
  ASSERT_EQ(run_tool("emf2svg-conv -i " + emf + " -o " + svg), 0);
  ASSERT_EQ(run_tool("rsvg-convert -z 0.5 " + svg + " -o " + png + " && convert " + png +
                     " -background white -flatten " + file("figure.ppm")), 0);
  const auto picture = read_ppm(file("figure.ppm"));
  ASSERT_TRUE(picture);
  // The frame runs from (-2000, 1400) to (2000, -1400): 4000 x 2800 units.
  EXPECT_NEAR(picture->width, 2000, 1);
  EXPECT_NEAR(picture->height, 1400, 1);
  const auto at = [&](int a, int b) { return picture->at((a + 2000) / 2, (1400 - b) / 2); };
  EXPECT_EQ(at(0, 350), kBlue);
  EXPECT_EQ(at(1500, -1000), kWhite);
  // The line, a thin pen, drawn (shaded by the renderer's smoothing)
  // within a pixel of y = 0 and nowhere near it otherwise.
  const auto reddish = [](std::uint32_t c) { return (c >> 16) == 0xFF && (c & 0xFFFF) < 0xF0F0 && (c >> 8 & 0xFF) == (c & 0xFF); };
  EXPECT_TRUE(reddish(at(0, 0)) || reddish(at(0, 2)) || reddish(at(0, -2))) << std::hex << at(0, 0);
  EXPECT_EQ(at(0, 40), kWhite);
  EXPECT_EQ(at(0, -40), kWhite);
}

TEST_F(ExportTest, APrintedPageTakesTheMarginsAndWidthOfThePageSetup) {
  if (!tool_available("pdfinfo") || !tool_available("pdftoppm")) GTEST_SKIP() << "poppler's tools are needed";
  Host& host = start_known_picture();
  const std::string pdf = file("printed.pdf");
  ws_->printer_available = true;
  ws_->print_jobs = [&pdf] { return std::make_unique<PdfPrintJob>(pdf, "plivet"); };
  host.menu_command(Command::kPrint);
  EXPECT_TRUE(ws_->messages().empty());
  EXPECT_NE(tool_output("pdfinfo " + pdf).find("Page size:       612 x 792 pts"), std::string::npos);
  // Margins of 1 inch and a width of 6.5: at 100 dots per inch the picture
  // spans 100..750 across and 100..564 down.
  ASSERT_EQ(run_tool("pdftoppm -r 100 " + pdf + " " + file("page")), 0);
  const auto page = read_ppm(file("page-1.ppm"));
  ASSERT_TRUE(page);
  const auto at = [&](int a, int b) { return page->at(100 + 325 + a * 650 / 3500, 100 + 232 - b * 464 / 2500); };
  EXPECT_EQ(at(0, 350), kBlue);
  EXPECT_EQ(at(-400, 450), kBlue);
  EXPECT_EQ(at(-700, 350), kWhite);
  EXPECT_EQ(page->at(50, 50), kWhite);
  // At ten pixels a millimetre the red line is a quarter of a millimetre
  // thick, though the pen is 2 dots of the printer's 600 a inch.
  ASSERT_EQ(run_tool("pdftoppm -r 254 " + pdf + " " + file("fine")), 0);
  const auto fine = read_ppm(file("fine-1.ppm"));
  ASSERT_TRUE(fine);
  int red_rows = 0;
  for (int y = 820; y < 870; ++y) red_rows += (fine->at(1079, y) >> 16) > 128 && ((fine->at(1079, y) >> 8) & 0xFF) < 128;
  EXPECT_TRUE(red_rows >= 2 && red_rows <= 4) << red_rows;

  // A page that could not be written says where and why.
  const std::string nowhere = file("none/printed.pdf");
  ws_->print_jobs = [&nowhere] { return std::make_unique<PdfPrintJob>(nowhere, "plivet"); };
  host.menu_command(Command::kPrint);
  EXPECT_EQ(ws_->messages(), (Messages{{"Error accessing printer: " + nowhere + ": cannot write in " +
                                            file("none") + ": No such file or directory", "Error"}}));
}

}  // namespace
}  // namespace plv::host
