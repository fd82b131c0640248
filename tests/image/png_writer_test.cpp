#include "image/png_writer.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "host/raster.h"
#include "support/temp_dir.h"

namespace plv::host {
namespace {

TEST(PngWriter, AnIndependentDecoderReadsThePixels) {
  testing::TempDir dir;
  Raster raster(7, 3, kWhite);
  raster.select_pen(Pen{Rgb{10, 200, 30}, 1});
  raster.line({0, 1}, {7, 1});
  const std::string path = dir.file("p.png");
  const FileResult written = image::write_png(raster.image(), path);
  ASSERT_TRUE(written.ok()) << written.error;
  const std::string command = "/usr/bin/python3 -c \"from PIL import Image; im = Image.open('" + path +
                              "'); print(im.size, im.getpixel((6, 1)), im.getpixel((0, 0)))\"";
  FILE* pipe = popen(command.c_str(), "r");
  char line[128] = {};
  ASSERT_TRUE(fgets(line, sizeof line, pipe));
  pclose(pipe);
  EXPECT_STREQ(line, "(7, 3) (10, 200, 30) (255, 255, 255)\n");
  const FileResult failed = image::write_png(raster.image(), dir.file("no/such/dir/p.png"));
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.error.find("p.png"), std::string::npos);
}

}  // namespace
}  // namespace plv::host
