// The SVG canvas's own bytes: numbers, where the pen is, and colour groups.

#include <gtest/gtest.h>

#include "publish/svg_canvas.h"

namespace plv::publish {
namespace {

const PageFrame kFrame{.frame = {0, 200, 0, 100}, .width = 200, .height = 100};

// Numbers as short as they go, never "-0", and those too large for the
// quick way written whole; the pen where the painter will look for it.
TEST(SvgCanvas, PathsKeepTheirNumbersAndThePenItsPlace) {
  std::string page;
  SvgCanvas canvas(page, kFrame, 1, {});
  canvas.move_to({-0.0004, 1234.5678});
  canvas.line_to({1e16, -2.25});
  EXPECT_EQ(canvas.current_point(), (DrawingPoint{1e16, -2.25}));
  canvas.close_path();
  EXPECT_EQ(canvas.current_point(), (DrawingPoint{-0.0004, 1234.5678}));
  canvas.rectangle({10, 20}, {5, -2.5});
  EXPECT_EQ(canvas.current_point(), (DrawingPoint{10, 20}));
  canvas.stroke();
  canvas.finish();
  EXPECT_NE(page.find("d=\"M 0 1234.568 L 10000000000000000 -2.25 Z M 10 20 H 15 V 17.5 H 10 Z \""), std::string::npos)
      << page;
}

// A run of strokes in one colour shares a group; a new colour, or fills
// after strokes, open another.
TEST(SvgCanvas, ConsecutiveShapesOfOneColourShareAGroup) {
  std::string page;
  SvgCanvas canvas(page, kFrame, 1, {});
  auto shape = [&canvas](host::Rgb ink, bool filled) {
    canvas.colour(ink);
    canvas.move_to({0, 0});
    canvas.line_to({10, 10});
    filled ? canvas.fill() : canvas.stroke();
  };
  const host::Rgb red{255, 0, 0}, blue{0, 0, 255};
  shape(red, false);
  shape(red, false);
  canvas.band({0, 0}, {5, 5}, 3);
  shape(blue, false);
  shape(blue, true);
  canvas.finish();
  std::string groups;
  for (size_t at = 0; (at = page.find("<g style=\"", at)) != std::string::npos; ++at)
    groups += page.substr(at + 10, page.find('"', at + 10) - at - 10) + ' ';
  EXPECT_EQ(groups, "stroke:#ff0000 stroke:#0000ff stroke:none;fill:#0000ff ") << page;
}

}  // namespace
}  // namespace plv::publish
