// The records the element menus make, column for column, and their values
// read back as reopening an element reads them.

#include <gtest/gtest.h>

#include "kinds/arrow.h"
#include "kinds/box_form.h"
#include "kinds/bracket.h"
#include "kinds/circle.h"
#include "kinds/comment.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/line.h"
#include "kinds/registry.h"
#include "kinds/string.h"
#include "kinds/two_point.h"

namespace plv {
namespace {

std::string columns(const Record& r, int first, int last) { return std::string(r.text({first, last - first + 1})); }

TEST(ElementRecords, LinesArrowsBracketsAndBoxes) {
  const Record li = line_record({-100, -100}, {100, 100}, 'D');
  EXPECT_EQ(li.trimmed(), "LI-.100000E+03-.100000E+030.100000E+030.100000E+03 D");
  const Record lw = wide_line_record({0, 0}, {10, 0}, 3);
  EXPECT_EQ(columns(lw, 51, 56), "     3");
  EXPECT_EQ(line_values(lw)->width, 3);
  EXPECT_EQ(line_values(li)->type, 'D');

  const Record ar = arrow_record({0, 0}, {100, 0}, {'N', 'N', 'Y', 'N', 'N'});
  EXPECT_EQ(columns(ar, 51, 66), " N N Y N N 0.500");
  EXPECT_EQ(arrow_values(ar)->flags, (ArrowFlags{'N', 'N', 'Y', 'N', 'N'}));

  EXPECT_EQ(bracket_record({100, 0}, {0, 0}).trimmed(), "BR0.100000E+030.000000E+000.000000E+000.000000E+00");

  EXPECT_EQ(box_record(ElementKind::kBox, {0, 0}, {100, 50}).code(), "BX");
  EXPECT_EQ(box_record(ElementKind::kRectangularBox, {0, 0}, {100, 50}).trimmed().size(), 50u);
  EXPECT_EQ(columns(box_record(ElementKind::kFilledRectangle, {0, 0}, {100, 50}), 51, 53), "  0");
  // A rectangle without height is a plain line, unless it is reopened.
  const Record flat = box_record(ElementKind::kFilledRectangle, {0, 0}, {100, 0});
  EXPECT_EQ(flat.code(), "LI");
  EXPECT_TRUE(flat.blank_in({51, 72}));
  EXPECT_EQ(box_record_as_is(ElementKind::kRectangularBox, {0, 0}, {100, 0}).code(), "RB");
}

TEST(ElementRecords, CurvesQuadrilateralsStringsAndComments) {
  const Record ci = circle_record({0, 0}, {100, 0}, {0, 100});
  EXPECT_EQ(ci.trimmed().size(), 74u);
  EXPECT_EQ(circle_points(ci)->at(2).y, 100);

  const Record el = ellipse_record({10, 10}, 40, 60);
  EXPECT_EQ(el.trimmed(), "EL     0.10000E+02    0.10000E+02    0.40000E+02    0.60000E+02");
  EXPECT_EQ(ellipse_values(el)->semi_axis_y, 60);

  const Record qf = quad_record({{{12.7, -100}, {100, 100}, {0, 0}, {0, 0}}});
  EXPECT_EQ(columns(qf, 3, 14), "   13. -100.");
  EXPECT_EQ(quad_corners(qf)->at(0).x, 13);

  const Record ch = string_record({{1, 2}, 4, 'M', 3, "ABC"});
  EXPECT_EQ(columns(ch, 27, 37), "  4 M 3 ABC");
  EXPECT_EQ(string_values(ch)->text.substr(0, 4), "ABC ");
  EXPECT_EQ(string_values(ch)->direction, 3);

  EXPECT_EQ(comment_record("A NOTE").trimmed(), "CM A NOTE");
  EXPECT_EQ(comment_record("").trimmed(), "CM");

  // Snapping finds these points, as stored.
  EXPECT_EQ(kinds().kind_of(ci).defining_points(ci).size(), 3u);
  EXPECT_EQ(kinds().kind_of(el).defining_points(el).size(), 1u);
  EXPECT_EQ(kinds().kind_of(qf).defining_points(qf).size(), 4u);
  EXPECT_TRUE(kinds().kind_of(ch).defining_points(ch).empty());
}

}  // namespace
}  // namespace plv
