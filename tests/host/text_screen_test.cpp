#include "host/host_fixture.h"

namespace plv::host {
namespace {

TEST(TextGrid, WritesAdvanceAndClearRestoresBlanks) {
  TextGrid g;
  EXPECT_EQ(std::pair(g.character(0, 0), g.attribute(24, 79)), std::pair(' ', std::uint8_t{7}));
  g.set_cell(3, 10);
  g.write("MAIN MENU", 112);
  EXPECT_EQ(std::tuple(g.line(2), g.attribute(2, 9), g.attribute(2, 18), g.column()),
            std::tuple("         MAIN MENU", 112, 7, 18));
  g.write("!", 15);
  EXPECT_EQ(g.line(2), "         MAIN MENU!");
  // A write past column 80 is cut at the row's end and never reaches the next row.
  g.set_cell(5, 78);
  g.write("ABCDE", 7);
  EXPECT_EQ(std::tuple(g.line(4).size(), g.line(4).substr(77), g.line(5), g.column()), std::tuple(80u, "ABC", "", 80));
  g.write("X", 7);
  EXPECT_EQ(g.line(5), "");
  // Cells outside the screen are brought to its edge.
  g.set_cell(0, 99);
  EXPECT_EQ(std::pair(g.row(), g.column()), std::pair(0, 79));
  g.clear();
  EXPECT_EQ(std::pair(g.line(2), g.attribute(2, 9)), std::pair(std::string(), std::uint8_t{7}));
}

TEST(TextLayout, FontChoiceAndMargins) {
  // font index, character width, line height, margins left and top.
  using Fields = std::tuple<int, int, int, int, int>;
  const auto fields = [](const TextLayout& l) {
    return Fields(l.font_index, l.char_width, l.line_height, l.left_margin, l.top_margin);
  };
  EXPECT_EQ(fields(choose_text_layout(640, 452)), Fields(4, 8, 16, 0, 26));
  EXPECT_TRUE(choose_text_layout(640, 452).stock_font());
  EXPECT_EQ(fields(choose_text_layout(100, 50)), Fields(0, 4, 2, 0, 0));
  const TextLayout big = choose_text_layout(1400, 1000);  // 78 x 16 = 1248, 45 x 16 = 720
  EXPECT_EQ(fields(big), Fields(11, 16, 32, 60, 100));
  EXPECT_EQ(std::pair(big.font_height, big.stock_font()), std::pair(30, false));
  // 700 x 500: width allows 8 (78 x 8 = 624), height 11 (45 x 11 = 495): 8 wins.
  const TextLayout mid = choose_text_layout(700, 500);
  EXPECT_EQ(fields(mid), Fields(4, 8, 16, 30, 50));
  EXPECT_EQ(std::tuple(mid.cell_origin(2, 3), caret_position(mid, 2, 3, 13), mid.cell_at(54, 82), mid.cell_at(0, 999)),
            std::tuple(Point{54, 82}, Point{54, 95}, Point{3, 2}, Point{0, 24}));
}

TEST(TextLayout, RowsArePaintedInRunsOfOneAttributeInItsColoursOnEitherBackground) {
  const std::tuple<int, bool, AttributeColours> cases[] = {
      {7, false, {kBlack, kWhite}},           {7, true, {kWhite, kBlack}},
      {112, false, {kWhite, kBlack}},         {112, true, {kBlack, kWhite}},
      {15, true, {{255, 255, 0}, kBlack}},    {15, false, {{0, 0, 255}, kWhite}},
      {135, false, {{0, 255, 0}, kWhite}},    {240, true, {{255, 0, 0}, kBlack}},
      {1, true, {kWhite, kBlack}}};
  for (const auto& [attribute, black, colours] : cases) EXPECT_EQ(attribute_colours(attribute, black), colours) << attribute;
  // A row is painted in runs of one attribute.
  TextGrid g;
  g.set_cell(1, 5);
  g.write("AB", 112);
  g.write("C", 15);
  std::vector<std::tuple<int, std::string, int>> seen;
  for (const auto& run : row_runs(g, 0)) seen.emplace_back(run.column, std::string(run.text), run.attribute);
  EXPECT_EQ(seen, (std::vector<std::tuple<int, std::string, int>>{
                      {0, "    ", 7}, {4, "AB", 112}, {6, "C", 15}, {7, std::string(73, ' '), 7}}));
  EXPECT_EQ(row_runs(g, 1).size(), 1u);
}

}  // namespace
}  // namespace plv::host
