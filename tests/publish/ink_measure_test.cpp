// The ink measured from the marks at the edges is the ink cairo measures
// from every mark, on drawings whose every kind of element reaches out.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "drawing/command_file.h"
#include "kinds/registry.h"
#include "publish/ink_measure.h"
#include "publish/paper_painter.h"
#include "render/redraw.h"
#include "support/temp_dir.h"

namespace plv::publish {
namespace {

using namespace plv::testing;

class Unheard final : public ColourProblems {
 public:
  void met(const ColourProblem&) override {}
};

// `count` elements of every kind, a few of them far out.
std::string random_records(std::mt19937& random, int count) {
  std::uniform_int_distribution<int> at(-2000, 2000), small(1, 400), kind(0, 8), turn(0, 3);
  auto p = [&] { return at(random); };
  std::string records = "SC MODE BAR\n";
  char line[200];
  for (int n = 0; n < count; ++n) {
    const int x = p(), y = p(), s = small(random);
    switch (kind(random)) {
      case 0: std::snprintf(line, sizeof line, "LI%6d%6d%6d%6d S\n", x, y, p(), p()); break;
      case 1: std::snprintf(line, sizeof line, "LI%6d%6d%6d%6d D\n", x, y, x + s / 8, y); break;
      case 2: std::snprintf(line, sizeof line, "LW%6d%6d%6d%6d%6d\n", x, y, p(), p(), 1 + s % 10); break;
      case 3: std::snprintf(line, sizeof line, "CI%6d%6d%6d%6d%6d%6d\n", x, y, x + s, y, x, y + s); break;
      case 4: std::snprintf(line, sizeof line, "CI%6d%6d%6d%6d%6d%6d\n", x, y, x + s, y, x + s, y); break;
      case 5: std::snprintf(line, sizeof line, "EL%15.5E%15.5E%15.5E%15.5E\n", double(x), double(y), double(s), s / 3.0); break;
      case 6: std::snprintf(line, sizeof line, "RF%5d.%5d.%5d.%5d.%3d\n", x, y, x + s, y + s, s % 16); break;
      case 7: std::snprintf(line, sizeof line, "QF%5d.%5d.%5d.%5d.%5d.%5d.%5d.%5d.\n", x, y, x + s, y, x + s, y + s, x, y + 2 * s); break;
      default: std::snprintf(line, sizeof line, "CH%6d%6d%3d S %d WORDS AT THE EDGE\n", x, y, 5 + s % 20, turn(random)); break;
    }
    records += line;
  }
  return records;
}

// Both measures of the drawing of `records` in both lettering kinds, fine
// and wide lines, on a small page and a large one.
void expect_the_same_ink(const TempDir& dir, const std::string& records, const std::string& label) {
  write_file(dir.file("d.plv"), "d\nGLIMPT EP      10.00      1.000 D M P\nDATE: 11-DEC-26\n" + records);
  RecordStore drawing;
  ASSERT_TRUE(read_command_file(dir.file("d.plv"), drawing, kinds()).ok());
  for (const char font : {'D', 'H'})
    for (const double line_width : {0.7, 9.0})
      for (const double width_cm : {2.5, 12.0}) {
        PaperStyle style;
        style.line_width = line_width;
        if (font != 'D') style.typeface = typeface_for(font);
        const RenderState state;
        const PageFrame trial = frame_page(drawing_extent(drawing, state), std::nullopt, width_cm, Orientation::kPortrait);
        const PaintRun paint = [&](PaperCanvas& canvas) {
          PaperPainter painter(canvas, trial, style);
          Unheard unheard;
          RenderState run = state;
          redraw_through(drawing, run, painter, unheard);
          painter.finish();
        };
        const auto edges = measured_ink(paint, trial, line_width), every = measured_ink_of_every_mark(paint, trial, line_width);
        ASSERT_TRUE(edges && every);
        const std::string where = label + ' ' + font + ' ' + std::to_string(line_width) + ' ' + std::to_string(width_cm);
        EXPECT_EQ(edges->xmin, every->xmin) << where;
        EXPECT_EQ(edges->xmax, every->xmax) << where;
        EXPECT_EQ(edges->ymin, every->ymin) << where;
        EXPECT_EQ(edges->ymax, every->ymax) << where;
      }
}

TEST(InkMeasure, TheEdgeMarksGiveTheInkOfEveryMark) {
  TempDir dir;
  std::mt19937 random(20261211);
  for (int n = 0; n < 24; ++n) expect_the_same_ink(dir, random_records(random, n == 0 ? 800 : 30), std::to_string(n));
  // Thousands of marks at the edges, and the one line that alone reaches
  // the sides long before them.
  std::string crowded = "LI -1000     0  1000     0 S\n";
  for (int n = 0; n < 5000; ++n) crowded += "LI     0  -500     0   500 S\n";
  expect_the_same_ink(dir, crowded, "crowded");
}

TEST(InkMeasure, NothingInkedMeasuresNothing) {
  const PageFrame trial = frame_page({0, 100, 0, 100}, std::nullopt, 10, Orientation::kPortrait);
  const PaintRun moves_only = [](PaperCanvas& canvas) {
    canvas.move_to({10, 10});
    canvas.stroke();
  };
  EXPECT_FALSE(measured_ink(moves_only, trial, 1));
  EXPECT_FALSE(measured_ink_of_every_mark(moves_only, trial, 1));
}

}  // namespace
}  // namespace plv::publish
