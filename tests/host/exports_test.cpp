// The picture leaving the program: TIFF, enhanced metafile and printing,
// each file read back by programs we did not write and compared with the
// window's own picture.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "host/pdf_print_job.h"
#include "host/picture_area.h"
#include "host_fixture.h"
#include "support/outside_reader.h"

namespace plv::host {
namespace {

using plv::testing::read_ppm;
using plv::testing::run_tool;
using plv::testing::tool_available;
using plv::testing::tool_output;

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// A red line along y = 0 and a blue box from (-500, 500) to (500, 200).
void draw_known_picture(Host& host) {
  host.enter_graphics_mode(false);
  Picture& p = host.picture();
  p.set_colour(255, 0, 0);
  p.draw_line(-1000, 0, 1000, 0);
  p.set_colour(0, 0, 255);
  p.draw_filled_rectangle(-500, 500, 500, 200, 0, 0, 0, 0);
}

std::uint32_t rgb_of(Rgb c) { return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue; }

TEST(SavedArea, AllOfAVgaBitmapElseThePicturesOwnPartWithinTheBitmap) {
  EXPECT_EQ(saved_area(640, 480, WindowTransform::for_client(640, 480)), (PixelArea{0, 0, 639, 479}));
  // 700 x 500 holds the 7 : 5 picture exactly; its far edges stand one past the bitmap.
  EXPECT_EQ(saved_area(700, 500, WindowTransform::for_client(700, 500)), (PixelArea{0, 0, 699, 499}));
  // A wide window: the picture is 700 wide in its middle.
  EXPECT_EQ(saved_area(1000, 500, WindowTransform::for_client(1000, 500)), (PixelArea{150, 0, 850, 499}));
}

TEST_F(HostTest, TiffHoldsTheBitmapsPixelsInColourOrGrey) {
  if (!tool_available("convert") || !tool_available("tiffinfo")) GTEST_SKIP() << "ImageMagick and libtiff's tools are needed";
  Host& host = start("");
  draw_known_picture(host);
  const std::string tif = (dir_ / "picture.tif").string(), ppm = (dir_ / "picture.ppm").string();
  ws_->save_file_answers.push_back(tif);
  host.menu_command(Command::kWriteTiff);
  ASSERT_EQ(run_tool("convert " + tif + " " + ppm), 0);
  const auto colour = read_ppm(ppm);
  ASSERT_TRUE(colour);
  const Raster& bitmap = host.picture().bitmap();
  ASSERT_EQ(colour->width, bitmap.width());
  ASSERT_EQ(colour->height, bitmap.height());
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
  EXPECT_EQ(grey->at(inside_box.x, inside_box.y) >> 16, host.picture().bitmap().pixel(inside_box.x, inside_box.y).red);
}

TEST_F(HostTest, MetafileDrawsThePictureInPlotUnitsWithItsFrame) {
  if (!tool_available("emf2svg-conv") || !tool_available("rsvg-convert") || !tool_available("convert"))
    GTEST_SKIP() << "emf2svg, rsvg-convert and ImageMagick are needed";
  Host& host = start("");
  host.export_names().set("/somewhere/", "figure.plv");
  draw_known_picture(host);
  const std::string emf = (dir_ / "figure.emf").string(), svg = (dir_ / "figure.svg").string(),
                    png = (dir_ / "figure.png").string(), ppm = (dir_ / "figure.ppm").string();
  ws_->save_file_answers.push_back(emf);
  host.menu_command(Command::kWriteMetafile);
  ASSERT_EQ(ws_->save_file_requests().size(), 1u);
  EXPECT_EQ(ws_->save_file_requests()[0].file_name, "figure.emf");
  EXPECT_EQ(ws_->save_file_requests()[0].directory, "/somewhere/");
  ASSERT_EQ(run_tool("emf2svg-conv -i " + emf + " -o " + svg), 0);
  ASSERT_EQ(run_tool("rsvg-convert -z 0.5 " + svg + " -o " + png + " && convert " + png + " -background white -flatten " + ppm), 0);
  const auto picture = read_ppm(ppm);
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

TEST_F(HostTest, APrintedPageTakesTheMarginsAndWidthOfThePageSetup) {
  if (!tool_available("pdfinfo") || !tool_available("pdftoppm")) GTEST_SKIP() << "poppler's tools are needed";
  Host& host = start("");
  draw_known_picture(host);
  const std::string pdf = (dir_ / "printed.pdf").string();
  ws_->printer_available = true;
  ws_->print_jobs = [&pdf] { return std::make_unique<PdfPrintJob>(pdf, "plivet"); };
  host.menu_command(Command::kPrint);
  EXPECT_TRUE(ws_->messages().empty());
  EXPECT_NE(tool_output("pdfinfo " + pdf).find("Page size:       612 x 792 pts"), std::string::npos);
  // Margins of 1 inch and a width of 6.5: at 100 dots per inch the picture
  // spans 100..750 across and 100..564 down.
  ASSERT_EQ(run_tool("pdftoppm -r 100 " + pdf + " " + (dir_ / "page").string()), 0);
  const auto page = read_ppm((dir_ / "page-1.ppm").string());
  ASSERT_TRUE(page);
  const auto at = [&](int a, int b) { return page->at(100 + 325 + a * 650 / 3500, 100 + 232 - b * 464 / 2500); };
  EXPECT_EQ(at(0, 350), kBlue);
  EXPECT_EQ(at(-400, 450), kBlue);
  EXPECT_EQ(at(-700, 350), kWhite);
  EXPECT_EQ(page->at(50, 50), kWhite);

  // A printer that cannot start says so; the picture stays as it was.
  const auto before = host.picture().bitmap().pixels();
  ws_->print_jobs = nullptr;
  host.menu_command(Command::kPrint);
  ASSERT_EQ(ws_->messages().size(), 1u);
  EXPECT_EQ(ws_->messages()[0].text, "Error accessing printer");
  EXPECT_EQ(host.picture().bitmap().pixels(), before);
  // A page that could not be written says where and why.
  const std::string nowhere = (dir_ / "none" / "printed.pdf").string();
  ws_->print_jobs = [&nowhere] { return std::make_unique<PdfPrintJob>(nowhere, "plivet"); };
  host.menu_command(Command::kPrint);
  ASSERT_EQ(ws_->messages().size(), 2u);
  EXPECT_EQ(ws_->messages()[1].text, "Error accessing printer: " + nowhere + ": cannot write in " +
                                         (dir_ / "none").string() + ": No such file or directory");

  // With no printer at all, printing at once says so too.
  ws_->printer_available = false;
  host.menu_command(Command::kPrint);
  ASSERT_EQ(ws_->messages().size(), 3u);
  EXPECT_EQ(ws_->messages()[2].text, "Error accessing printer");
}

}  // namespace
}  // namespace plv::host
