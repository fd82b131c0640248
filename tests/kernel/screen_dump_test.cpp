#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host/picture_exports.h"
#include "host/raster.h"
#include "kernel/screen_dump.h"
#include "kernel/kernel_fixture.h"

namespace plv::kernel {
namespace {

std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buf[256];
  while (fgets(buf, sizeof buf, pipe)) out += buf;
  pclose(pipe);
  return out;
}

TEST(ScreenDump, BitmapPixelsBecomeNearestPaletteIndices) {
  host::Raster bitmap(320, 240, host::kWhite);
  bitmap.select_pen(host::Pen{host::Rgb{250, 0, 0}, 1});
  bitmap.line({0, 0}, {320, 0});
  const PcxPalette palette = pcx_palette_of(realised_palette(1));
  const auto indices = host::pcx_indices(bitmap, palette);
  EXPECT_EQ(indices[0], 1);             // red, scaled up to rows 0 and 1
  EXPECT_EQ(indices[kPcxWidth], 1);
  EXPECT_EQ(indices[2 * kPcxWidth], 7);  // white
  EXPECT_EQ(indices.back(), 7);
}

TEST_F(KernelTest, ADumpReadsBackWithAnIndependentDecoder) {
  Kernel& k = open("type f");
  k.gkpage(kernel::PageStart::kErased);
  k.gkcolor(1);
  k.box_filled(-1750, -1250, 0, 1250, 0b1111);  // the left half red
  k.tekflush(kernel::Flush::kShowAndWait);
  const std::string path = (dir_.path() / "MDL001.PCX").string();
  ASSERT_TRUE(std::filesystem::exists(path));
  const std::string out = run("/usr/bin/python3 -c \"from PIL import Image; im = Image.open('" + path +
                              "'); print(im.size, im.mode, im.getpixel((100, 240)), "
                              "im.convert('RGB').getpixel((100, 240)), im.convert('RGB').getpixel((600, 240)))\"");
  EXPECT_EQ(out, "(640, 480) P 1 (252, 0, 0) (252, 252, 252)\n");
}

TEST(PcxFile, DumpNamesSkipExistingFilesAndKeepCounting) {
  testing::TempDir dir;
  testing::write_file(dir.file("MDL001.PCX"), "");
  testing::write_file(dir.file("MDL002.PCX"), "");
  int counter = 0;
  EXPECT_EQ(next_dump_name(dir.path(), counter), dir.path() / "MDL003.PCX");
  testing::write_file(dir.file("MDL001.PCX"), "");
  EXPECT_EQ(next_dump_name(dir.path(), counter), dir.path() / "MDL004.PCX");
  counter = 998;
  EXPECT_EQ(next_dump_name(dir.path(), counter), dir.path() / "MDL999.PCX");
  EXPECT_FALSE(next_dump_name(dir.path(), counter));
}

}  // namespace
}  // namespace plv::kernel
