#include <gtest/gtest.h>

#include "host/text_grid.h"
#include "host/text_layout.h"

namespace plv::host {
namespace {

TEST(TextGrid, WritesAdvanceAndClearRestoresBlanks) {
  TextGrid g;
  EXPECT_EQ(g.character(0, 0), ' ');
  EXPECT_EQ(g.attribute(24, 79), 7);
  g.set_cell(3, 10);
  g.write("MAIN MENU", 112);
  EXPECT_EQ(g.line(2), "         MAIN MENU");
  EXPECT_EQ(g.attribute(2, 9), 112);
  EXPECT_EQ(g.attribute(2, 18), 7);
  EXPECT_EQ(g.column(), 18);
  g.write("!", 15);
  EXPECT_EQ(g.line(2), "         MAIN MENU!");
  // A write past column 80 is cut at the row's end and never reaches the next row.
  g.set_cell(5, 78);
  g.write("ABCDE", 7);
  EXPECT_EQ(g.line(4).size(), 80u);
  EXPECT_EQ(g.line(4).substr(77), "ABC");
  EXPECT_EQ(g.line(5), "");
  EXPECT_EQ(g.column(), 80);
  g.write("X", 7);
  EXPECT_EQ(g.line(5), "");
  // Cells outside the screen are brought to its edge.
  g.set_cell(0, 99);
  EXPECT_EQ(g.row(), 0);
  EXPECT_EQ(g.column(), 79);
  g.clear();
  EXPECT_EQ(g.line(2), "");
  EXPECT_EQ(g.attribute(2, 9), 7);
}

TEST(TextLayout, FontChoiceAndMargins) {
  const TextLayout l = choose_text_layout(640, 452);
  EXPECT_EQ(l.font_index, 4);
  EXPECT_TRUE(l.stock_font());
  EXPECT_EQ(l.char_width, 8);
  EXPECT_EQ(l.line_height, 16);
  EXPECT_EQ(l.left_margin, 0);
  EXPECT_EQ(l.top_margin, 26);

  const TextLayout tiny = choose_text_layout(100, 50);
  EXPECT_EQ(tiny.font_index, 0);
  EXPECT_EQ(tiny.char_width, 4);
  EXPECT_EQ(tiny.line_height, 2);
  EXPECT_EQ(tiny.left_margin, 0);
  EXPECT_EQ(tiny.top_margin, 0);

  const TextLayout big = choose_text_layout(1400, 1000);  // 78 x 16 = 1248, 45 x 16 = 720
  EXPECT_EQ(big.font_index, 11);
  EXPECT_EQ(big.font_height, 30);
  EXPECT_FALSE(big.stock_font());
  EXPECT_EQ(big.line_height, 32);
  EXPECT_EQ(big.left_margin, 60);
  EXPECT_EQ(big.top_margin, 100);

  // 700 x 500: width allows 8 (78 x 8 = 624), height 11 (45 x 11 = 495): 8 wins.
  const TextLayout mid = choose_text_layout(700, 500);
  EXPECT_EQ(mid.char_width, 8);
  EXPECT_EQ(mid.line_height, 16);
  EXPECT_EQ(mid.left_margin, 30);
  EXPECT_EQ(mid.top_margin, 50);
  EXPECT_EQ(mid.cell_origin(2, 3), (Point{54, 82}));
  EXPECT_EQ(caret_position(mid, 2, 3, 13), (Point{54, 95}));
  EXPECT_EQ(mid.cell_at(54, 82), (Point{3, 2}));
  EXPECT_EQ(mid.cell_at(0, 999), (Point{0, 24}));
}

TEST(TextLayout, AttributeColoursOnBothBackgrounds) {
  EXPECT_EQ(attribute_colours(7, false), (AttributeColours{kBlack, kWhite}));
  EXPECT_EQ(attribute_colours(7, true), (AttributeColours{kWhite, kBlack}));
  EXPECT_EQ(attribute_colours(112, false), (AttributeColours{kWhite, kBlack}));
  EXPECT_EQ(attribute_colours(112, true), (AttributeColours{kBlack, kWhite}));
  EXPECT_EQ(attribute_colours(15, true), (AttributeColours{{255, 255, 0}, kBlack}));
  EXPECT_EQ(attribute_colours(15, false), (AttributeColours{{0, 0, 255}, kWhite}));
  EXPECT_EQ(attribute_colours(135, false), (AttributeColours{{0, 255, 0}, kWhite}));
  EXPECT_EQ(attribute_colours(240, true), (AttributeColours{{255, 0, 0}, kBlack}));
  EXPECT_EQ(attribute_colours(1, true), (AttributeColours{kWhite, kBlack}));
}

TEST(TextLayout, RowsArePaintedInRunsOfOneAttribute) {
  TextGrid g;
  g.set_cell(1, 5);
  g.write("AB", 112);
  g.write("C", 15);
  const auto runs = row_runs(g, 0);
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].column, 0);
  EXPECT_EQ(runs[0].text, "    ");
  EXPECT_EQ(runs[1].text, "AB");
  EXPECT_EQ(runs[1].attribute, 112);
  EXPECT_EQ(runs[2].text, "C");
  EXPECT_EQ(runs[3].column, 7);
  EXPECT_EQ(runs[3].text.size(), 73u);
  EXPECT_EQ(row_runs(g, 1).size(), 1u);
}

}  // namespace
}  // namespace plv::host
