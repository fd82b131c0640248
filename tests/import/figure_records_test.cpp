// What a figure's marks and texts become in a drawing.

#include <gtest/gtest.h>

#include <algorithm>

#include "import/figure_records.h"
#include "kinds/box_form.h"
#include "kinds/circle.h"
#include "kinds/colour_mode.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/string.h"

namespace plv::import {
namespace {

constexpr Colour kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{250, 10, 0};

// Paper colours for the test: 0 white, 1 red, 7 black (a black window
// drawn on white paper), the rest grey.
RecordStyle test_style(ImportColours colours = ImportColours::kPalette) {
  RecordStyle s;
  s.colours = colours;
  s.palette_on_paper.fill({128, 128, 128});
  s.palette_on_paper[0] = kWhite;
  s.palette_on_paper[1] = {252, 0, 0};
  s.palette_on_paper[7] = kBlack;
  s.rgb_on_paper = [](int r, int g, int b) {
    if (r == 0 && g == 0 && b == 0) return kWhite;
    if (r == 63 && g == 63 && b == 63) return kBlack;
    return Colour{static_cast<std::uint8_t>(4 * r), static_cast<std::uint8_t>(4 * g), static_cast<std::uint8_t>(4 * b)};
  };
  s.line_width = 0.7;
  return s;
}

// A 350 x 250 point page: ten drawing units a point, its middle at the origin.
Figure page() {
  Figure f;
  f.page = {0, 0, 350, 250};
  return f;
}

Mark stroked(std::vector<PagePoint> points, double width = 0.5, bool dashed = false, bool closed = false) {
  Mark m;
  m.outlines.push_back({std::move(points), closed, false});
  m.stroke = Stroke{kBlack, width, dashed};
  return m;
}

Mark filled(std::vector<PagePoint> points, Colour c = kRed) {
  Mark m;
  m.outlines.push_back({std::move(points), true, false});
  m.fill = c;
  return m;
}

std::vector<Record> without_colours(const std::vector<Record>& records) {
  std::vector<Record> out;
  std::copy_if(records.begin(), records.end(), std::back_inserter(out), [](const Record& r) { return !r.has_code("SC"); });
  return out;
}

TEST(FigureRecords, EachMarkBecomesTheRecordThatDrawsIt) {
  Figure f = page();
  f.marks.push_back(stroked({{0, 125}, {175, 125}, {175.01, 125}, {350, 125}}));  // the repeat is lost in rounding
  f.marks.push_back(stroked({{0, 0}, {35, 0}}, 2.7));                           // wide
  f.marks.push_back(stroked({{0, 10}, {35, 10}}, 2.7, true));                   // dashes win over width
  f.marks.push_back(stroked({{10, 10}, {20, 10}, {20, 30}, {10, 30}}, 0.5, false, true));
  f.marks.push_back(filled({{10, 10}, {20, 10}, {20, 30}, {10, 30}}));
  f.marks.push_back(filled({{0, 0}, {10, 0}, {12, 8}, {-1, 5}}));
  Mark circle = stroked({{0, 0}, {1, 1}}, 0.5);
  circle.ellipse = PageEllipse{{175, 125}, 10, 10};
  f.marks.push_back(circle);
  Mark ellipse = circle;
  ellipse.ellipse = PageEllipse{{175, 125}, 10, 5};
  f.marks.push_back(ellipse);

  const ImportedRecords made = figure_records(f, test_style());
  const std::vector<Record> r = without_colours(made.records);
  const std::vector<Record> expected{
      layer_record({1, 1, 0, 0}),
      line_record({-1750, 0}, {0, 0}, 'S'),
      line_record({0, 0}, {1750, 0}, 'S'),
      wide_line_record({-1750, -1250}, {-1400, -1250}, 10),
      line_record({-1750, -1150}, {-1400, -1150}, 'D'),
      box_record(ElementKind::kBox, {-1650, -1150}, {-1550, -950}),
      box_record(ElementKind::kFilledRectangle, {-1650, -1150}, {-1550, -950}),
      quad_record({DrawingPoint{-1750, -1250}, {-1650, -1250}, {-1630, -1170}, {-1760, -1200}}),
      circle_record({0, 0}, {100, 0}, {100, 0}),
      ellipse_record({0, 0}, 100, 50),
  };
  EXPECT_EQ(r, expected);
  EXPECT_EQ(made.records.front(), bar_mode_record());
  EXPECT_EQ(made.tally.records.at("LI"), 3);
  EXPECT_EQ(made.tally.dashed_wide_lines, 1);
}

TEST(FigureRecords, TextsKeepSizeDirectionAndMiddle) {
  Figure f = page();
  f.texts.push_back({1, "\xE2\x88\x92" "0.5 \xE2\x82\xAC", {100, 100}, {100, 140}, 90.3, 10, kBlack, {}});
  f.texts.push_back({1, std::string(100, 'x'), {0, 0}, {50, 0}, 185, 4, kBlack, {}});
  f.texts.push_back({1, "   ", {0, 0}, {5, 0}, 0, 4, kBlack, {}});
  f.texts.push_back({1, "far", {0, 0}, {5, 0}, 0, 4, kBlack, PageBox{100, 100, 200, 200}});
  f.texts.push_back({1, "end", {0, 0}, {50, 0}, 0, 4, kBlack, {}, 'E'});
  const ImportedRecords made = figure_records(f, test_style());
  const std::vector<Record> r = without_colours(made.records);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(string_values(r[3])->location, (DrawingPoint{-1250, -1250})) << "keyed at its end";
  EXPECT_EQ(string_values(r[3])->key_point, 'E');
  const auto up = string_values(r[1]);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->text.substr(0, up->text.find_last_not_of(" ") + 1), "-0.5 ?");
  EXPECT_EQ(up->direction, 1);
  EXPECT_EQ(up->key_point, 'M');
  EXPECT_EQ(up->location, (DrawingPoint{-750, -50}));
  EXPECT_EQ(up->size, 11);  // capitals of 7.2 points, 72 units: 11 sizes of 6.43
  const auto turned = string_values(r[2]);
  ASSERT_TRUE(turned);
  EXPECT_EQ(turned->direction, 2);
  EXPECT_EQ(turned->text.size(), kStringTextLength);
  EXPECT_EQ(made.tally.texts_cut, 1);
  EXPECT_EQ(made.tally.texts_turned, 1);
  EXPECT_EQ(made.tally.letters_replaced, 1);
  EXPECT_EQ(made.tally.clipped_away, 1);
}

TEST(FigureRecords, ClippingCutsStrokesAndFillsAtTheBox) {
  Figure f = page();
  const PageBox clip{100, 100, 200, 200};
  Mark across = stroked({{0, 150}, {150, 150}, {300, 150}});
  across.clip = clip;
  Mark outside = stroked({{0, 0}, {50, 50}});
  outside.clip = clip;
  Mark fill = filled({{150, 150}, {300, 150}, {300, 180}, {150, 180}});
  fill.clip = clip;
  f.marks = {across, outside, fill};
  const ImportedRecords made = figure_records(f, test_style());
  const std::vector<Record> r = without_colours(made.records);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[1], line_record({-750, 250}, {-250, 250}, 'S'));
  EXPECT_EQ(r[2], line_record({-250, 250}, {250, 250}, 'S'));
  EXPECT_EQ(r[3], quad_record({DrawingPoint{-250, 250}, {250, 250}, {250, 550}, {-250, 550}}));
  EXPECT_EQ(made.tally.clipped, 2);
  EXPECT_EQ(made.tally.clipped_away, 1);
}

TEST(FigureRecords, ColoursLayersAndHolesFollowTheFigure) {
  Figure f = page();
  f.layers = 2;
  Mark black = stroked({{0, 0}, {10, 0}});
  Mark red = black;
  red.stroke->colour = kRed;
  red.layer = 2;
  Mark holed = filled({{0, 0}, {50, 0}, {50, 50}, {0, 50}});
  holed.outlines.push_back({{{10, 10}, {20, 10}, {20, 20}, {10, 20}}, true, false});
  holed.even_odd = true;
  holed.layer = 2;
  f.marks = {black, black, red, holed};

  const ImportedRecords bar = figure_records(f, test_style());
  const std::vector<Record> expected_bar{bar_mode_record(), layer_record({1, 1, 0, 0}), palette_colour_record(7)};
  EXPECT_TRUE(std::equal(expected_bar.begin(), expected_bar.end(), bar.records.begin()));
  EXPECT_EQ(bar.tally.records.at("SC"), 3) << "the mode, black, then red: a colour is set when it changes";
  EXPECT_EQ(bar.tally.records.at("LA"), 2);
  EXPECT_EQ(bar.tally.fills_outlined, 2);

  const ImportedRecords rgb = figure_records(f, test_style(ImportColours::kRgb));
  EXPECT_EQ(rgb.records[0], rgb_mode_record());
  EXPECT_EQ(rgb.records[2], rgb_colour_record(63, 63, 63)) << "black on paper";
  EXPECT_NE(std::find(rgb.records.begin(), rgb.records.end(), rgb_colour_record(62, 2, 0)), rgb.records.end());
}

}  // namespace
}  // namespace plv::import
