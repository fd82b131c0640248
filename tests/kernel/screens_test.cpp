#include <gtest/gtest.h>

#include "kernel/palette_screen.h"
#include "kernel/version_screen.h"
#include "kernel/kernel_fixture.h"

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
  std::vector<std::string> boxes;
  for (const auto& r : records())
    if (r.rfind("fillrect", 0) == 0) boxes.push_back(r);
  ASSERT_EQ(boxes.size(), 15u);
  EXPECT_EQ(boxes.front(), "fillrect -1000 860 -600 770 15");  // colour 1 the highest
  EXPECT_EQ(boxes.back(), "fillrect -1000 -960 -600 -1050 15");  // colour 15 the lowest
  EXPECT_EQ(ws_->steps_left(), 0u);
  EXPECT_FALSE(host_->graphics_mode());
  EXPECT_EQ(kernel_->colour_mode(), KernelMode::kIndex);
}

}  // namespace
}  // namespace plv::kernel
