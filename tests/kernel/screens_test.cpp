// The screens the kernel shows itself: the version, the palette, and the
// dump of the picture to a file.

#include <gtest/gtest.h>

#include <string>

#include "host/picture_exports.h"
#include "host/raster.h"
#include "kernel/kernel_fixture.h"
#include "kernel/palette_screen.h"
#include "kernel/screen_dump.h"
#include "kernel/version_screen.h"

namespace plv::kernel {
namespace {

TEST(VersionScreen, NameVersionLineClosesUpItsBlanks) {
  EXPECT_EQ(version_line("PLIVET", "4O(c)"), "PLIVET VERSION 4O(c)" + std::string(60, ' '));
  EXPECT_EQ(version_line("ABCDEFGH", "123456").substr(0, 25), "ABCDEFGH VERSION 123456  ");
  EXPECT_EQ(build_year().size(), 4u);
}

TEST_F(KernelTest, VersionScreenFillsTheLowerRows) {
  open();
  show_version_screen(*host_, {"PLIVET", "4O(c)", "2026", 2});
  const host::TextGrid& grid = host_->text();
  EXPECT_EQ(grid.line(17).substr(0, 20), "PLIVET VERSION 4O(c)");
  EXPECT_EQ(grid.line(18).substr(0, 18), "COPYRIGHT (C) 2026");
  EXPECT_EQ(grid.line(17).substr(43, 10), "DISCLAIMER");
  EXPECT_EQ(grid.attribute(17, 43), 112);
  EXPECT_NE(grid.line(24).find("OF THE DRAWINGS"), std::string::npos);
  EXPECT_EQ(grid.line(16), "");  // nothing above the block

  // The window's About box says the same.
  const host::AboutText about = about_text({"PLIVET", "4O(c)", "2026", 2});
  EXPECT_EQ(about.heading, "PLIVET VERSION 4O(c)");
  ASSERT_FALSE(about.notice.empty());
  EXPECT_EQ(about.notice.front(), "COPYRIGHT (C) 2026 THE PLIVET DEVELOPERS");
  EXPECT_EQ(about.notice.back(), "OF THE DRAWINGS YOU CARE ABOUT.");
}

TEST_F(KernelTest, ColourPaletteScreenDrawsFifteenBoxesAndWaitsForAKey) {
  open("key ENTER");
  show_colour_palette(*kernel_);
  const Lines boxes = records_of("fillrect ");
  ASSERT_EQ(boxes.size(), 15u);
  EXPECT_EQ(boxes.front(), "fillrect -1000 860 -600 770 15");  // colour 1 the highest
  EXPECT_EQ(boxes.back(), "fillrect -1000 -960 -600 -1050 15");  // colour 15 the lowest
  EXPECT_EQ(ws_->steps_left(), 0u);
  EXPECT_FALSE(host_->graphics_mode());
  EXPECT_EQ(kernel_->colour_mode(), KernelMode::kIndex);
}

TEST(ScreenDump, PixelsBecomeNearestPaletteIndicesAndNamesSkipExistingFiles) {
  host::Raster bitmap(320, 240, host::kWhite);
  bitmap.select_pen(host::Pen{host::Rgb{250, 0, 0}, 1});
  bitmap.line({0, 0}, {320, 0});
  const PcxPalette palette = pcx_palette_of(realised_palette(1));
  const auto indices = host::pcx_indices(bitmap, palette);
  EXPECT_EQ(indices[0], 1);             // red, scaled up to rows 0 and 1
  EXPECT_EQ(indices[kPcxWidth], 1);
  EXPECT_EQ(indices[2 * kPcxWidth], 7);  // white
  EXPECT_EQ(indices.back(), 7);

  // Dump names skip existing files and keep counting.
  testing::TempDir dir;
  testing::write_file(dir.file("MDL001.PCX"), "");
  testing::write_file(dir.file("MDL002.PCX"), "");
  int counter = 0;
  EXPECT_EQ(next_dump_name(dir.path(), counter), dir.path() / "MDL003.PCX");
  EXPECT_EQ(next_dump_name(dir.path(), counter), dir.path() / "MDL004.PCX");
  counter = 998;
  EXPECT_EQ(next_dump_name(dir.path(), counter), dir.path() / "MDL999.PCX");
  EXPECT_FALSE(next_dump_name(dir.path(), counter));
}

}  // namespace
}  // namespace plv::kernel
