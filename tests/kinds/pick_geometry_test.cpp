// How far the pointer is from each kind of graphic, which points a selecting
// box must hold, and the colour and layer records a graphic stands under
// (and those graphics appended at the end are drawn with).

#include <limits>

#include "drawing/record_store.h"
#include "kinds/colour_in_force.h"
#include "kinds/colour_mode.h"
#include "kinds/kinds_fixture.h"
#include "kinds/pick_geometry.h"
#include "kinds/record_context.h"

namespace plv {
namespace {

constexpr double kNothing = std::numeric_limits<double>::quiet_NaN();

// The distance by the record's kind; not a number when it cannot be picked,
// so that any expected value fails.
double distance(const Record& r, DrawingPoint p, const LayerTransform& layer = {}) {
  return kinds().kind_of(r).distance_to(r, layer, p).value_or(kNothing);
}

std::vector<DrawingPoint> test_points(const Record& r, const LayerTransform& layer = {}) {
  return kinds().kind_of(r).test_points(r, layer);
}

Record box(ElementKind kind) { return box_record(kind, {0, 0}, {100, 50}); }

TEST(SegmentDistance, PerpendicularOnTheSegmentNearerEndOffItPointWithoutLength) {
  const std::tuple<DrawingPoint, DrawingPoint, DrawingPoint, double> cases[] = {
      {{5, 3}, {0, 0}, {10, 0}, 3}, {{5, -3}, {10, 0}, {0, 0}, 3},
      {{0, 7}, {0, 0}, {10, 0}, 7},  // foot on the end itself
      {{13, 4}, {0, 0}, {10, 0}, 5}, {{-3, -4}, {0, 0}, {10, 0}, 5}, {{3, 4}, {0, 0}, {0, 0}, 5}};
  for (const auto& [p, a, b, d] : cases) EXPECT_DOUBLE_EQ(segment_distance(p, a, b), d) << p.x << "," << p.y;

  // Every line-like kind measures to its segment: a press just past the end
  // of a line is near it, whatever else the drawing holds.
  for (const Record& r : {line_record({0, 0}, {100, 0}, 'S'), wide_line_record({0, 0}, {100, 0}, 5),
                          arrow_record({0, 0}, {100, 0}, {'N', 'N', 'Y', 'Y', 'Y'}), bracket_record({0, 0}, {100, 0})}) {
    EXPECT_DOUBLE_EQ(distance(r, {50, 8}), 8) << r.code();
    EXPECT_DOUBLE_EQ(distance(r, {106, 8}), 10) << r.code();
  }
}

TEST(PickDistance, BoxesAndQuadrilateralsByTheirEdgesNotTheirInside) {
  for (const ElementKind kind : {ElementKind::kBox, ElementKind::kRectangularBox, ElementKind::kFilledRectangle}) {
    const Record r = box(kind);
    SCOPED_TRACE(std::string(r.code()));
    EXPECT_DOUBLE_EQ(distance(r, {50, 25}), 25);  // on the diagonal, inside
    EXPECT_DOUBLE_EQ(distance(r, {90, 25}), 10);
    EXPECT_DOUBLE_EQ(distance(r, {50, 52}), 2);
    EXPECT_DOUBLE_EQ(distance(r, {-3, -4}), 5);
  }

  // A quadrilateral by its edges in record order.
  const Record square = quad_record({{{0, 0}, {100, 0}, {100, 100}, {0, 100}}});
  EXPECT_DOUBLE_EQ(distance(square, {50, -5}), 5);
  EXPECT_DOUBLE_EQ(distance(square, {-5, 50}), 5);  // the edge back to the first corner
  EXPECT_DOUBLE_EQ(distance(square, {50, 40}), 40);
  // Corners in crossing order make a bow tie: its edges, not its box.
  const Record bow_tie = quad_record({{{0, 0}, {100, 100}, {100, 0}, {0, 100}}});
  EXPECT_NEAR(distance(bow_tie, {50, -5}), 55 / std::sqrt(2.0), 1e-9);
}

TEST(PickDistance, ArcByItsChordsOnlyWhereItIsDrawn) {
  const DrawingPoint near_45{72, 72}, near_225{-72, -72};
  const Record quarter = circle_record({0, 0}, {100, 0}, {0, 100});
  EXPECT_NEAR(distance(quarter, near_45), std::hypot(72, 72) - 100, 0.5);
  EXPECT_NEAR(distance(quarter, {100, 0}), 0, 1e-9);
  EXPECT_NEAR(distance(quarter, near_225), std::hypot(172, 72), 1e-6);  // the nearer end
  // The rest of the circle: counter-clockwise from the first point.
  const Record rest = circle_record({0, 0}, {0, 100}, {100, 0});
  EXPECT_NEAR(distance(rest, near_225), std::hypot(72, 72) - 100, 0.5);
  EXPECT_GT(distance(rest, near_45), 75);  // its start, (0, 100), is nearest
  // An end in the start's direction, or at the centre, closes the circle.
  for (const DrawingPoint end : {DrawingPoint{200, 0}, DrawingPoint{0, 0}}) {
    const Record full = circle_record({0, 0}, {100, 0}, end);
    EXPECT_NEAR(distance(full, near_45), 1.8, 0.5);
    EXPECT_NEAR(distance(full, near_225), 1.8, 0.5);
  }
  // An arc starting at its centre is that point; a tiny or huge one ends.
  EXPECT_DOUBLE_EQ(distance(circle_record({10, 10}, {10, 10}, {0, 100}), {13, 14}), 5);
  EXPECT_TRUE(std::isfinite(distance(circle_record({0, 0}, {0.001, 0}, {0, 1}), {3, 4})));
  EXPECT_NEAR(distance(circle_record({0, 0}, {1e30, 0}, {0, 1e30}), {1e30, 0}), 0, 1e-9);
}

TEST(PickDistance, EllipseByItsChords) {
  const Record el = ellipse_record({0, 0}, 100, 50);
  EXPECT_NEAR(distance(el, {100, 0}), 0, 1e-9);
  EXPECT_NEAR(distance(el, {-100, 0}), 0, 0.6);  // 10-unit chords cut the sharp end
  EXPECT_NEAR(distance(el, {0, -60}), 10, 0.2);
  EXPECT_NEAR(distance(el, {0, 0}), 50, 0.2);
  // Negative semi-axes make the same ellipse; a flat one is its segment.
  EXPECT_NEAR(distance(ellipse_record({0, 0}, -100, -50), {0, 0}), 50, 0.2);
  EXPECT_DOUBLE_EQ(distance(ellipse_record({0, 0}, 100, 0), {130, 40}), 50);
  EXPECT_DOUBLE_EQ(distance(ellipse_record({0, 0}, 0, 0), {3, 4}), 5);
  // Enormous semi-axes take bounded steps; past all numbers, nothing.
  EXPECT_NEAR(distance(ellipse_record({0, 0}, 1e30, 1e30), {1e30, 0}), 0, 1e-9);
  const LayerTransform beyond{1, 1e300, 0, 0};
  EXPECT_FALSE(kinds().kind_of(el).distance_to(ellipse_record({0, 0}, 1e30, 1), beyond, {0, 0}));
}

TEST(PickDistance, StringBoxByKeyPointAndDirection) {
  // "ABC" at size 10: 180 units along, 62 across.
  auto ch = [](char key, int direction, std::string text = "ABC") {
    return string_record({{100, 200}, 10, key, direction, text});
  };
  const std::tuple<char, int, std::string, DrawingPoint, double> cases[] = {
      {'S', 0, "ABC", {190, 190}, 10}, {'S', 0, "ABC", {190, 231}, 31}, {'S', 0, "ABC", {290, 231}, 10},
      {'E', 0, "ABC", {110, 231}, 10},
      // The middle stands back by whole characters: one of three.
      {'M', 0, "ABC", {30, 231}, 10}, {'M', 0, "ABCD", {10, 231}, 30},
      // +y runs up with the letters' tops to the left; -x and -y turn on.
      {'S', 1, "ABC", {110, 290}, 10}, {'S', 2, "ABC", {10, 128}, 10}, {'S', 3, "ABC", {172, 110}, 10},
      {'E', 3, "ABC", {110, 390}, 10},
      // Blanks inside the text count, trailing ones do not; no text is a point.
      {'S', 0, "A C  ", {290, 231}, 10}, {'S', 0, "A   E", {290, 262}, 0}, {'E', 0, "", {103, 196}, 5}};
  for (const auto& [key, direction, text, p, d] : cases)
    EXPECT_DOUBLE_EQ(distance(ch(key, direction, text), p), d) << key << direction << text;
}

TEST(PickDistance, CoordinatesGoThroughTheLayerFirst) {
  const LayerTransform layer{3, 2, 10, 20};
  EXPECT_DOUBLE_EQ(distance(line_record({0, 0}, {100, 0}, 'S'), {110, 25}, layer), 5);
  EXPECT_DOUBLE_EQ(distance(box(ElementKind::kRectangularBox), {110, 125}, layer), 5);
  EXPECT_DOUBLE_EQ(distance(quad_record({{{0, 0}, {100, 0}, {100, 100}, {0, 100}}}), {215, 100}, layer), 5);
  EXPECT_NEAR(distance(circle_record({0, 0}, {100, 0}, {0, 100}), {210, 20}, layer), 0, 1e-9);
  EXPECT_NEAR(distance(ellipse_record({0, 0}, 100, 50), {10, 20}, layer), 100, 0.2);
  // The string size is scaled and cut to whole units: 5.5 becomes 5.
  const Record ch = string_record({{100, 200}, 10, 'S', 0, "ABC"});
  EXPECT_DOUBLE_EQ(distance(ch, {155, 120}, {1, 0.55, 0, 0}), 10);
  EXPECT_DOUBLE_EQ(distance(ch, {200, 430}, layer), 10);  // at (210, 420), size 20
}

TEST(PickDistance, RecordsThatAreNotGraphicsGiveNothing) {
  Record old_string = string_record({{0, 0}, 10, 'S', 0, "ABC"});
  old_string.put_text({1, 2}, "ST");
  RecordStore store;
  store.append_unread("?? what this program cannot read");
  const Record line = line_record({0, 0}, {100, 0}, 'S');
  for (const Record& r : {comment_record("A NOTE"), palette_colour_record(3), layer_record({1, 1, 0, 0}), Record(),
                          mark_deleted(line), Record("XXLI"), Record("ZZ  0.1E+01"), old_string, store.read(1),
                          Record("LI  0.1E+01 garbage")}) {
    EXPECT_FALSE(kinds().kind_of(r).distance_to(r, {}, {0, 0})) << r.trimmed();
    EXPECT_TRUE(test_points(r).empty()) << r.trimmed();
  }
}

TEST(TestPoints, EndsCornersCentresAndBoundingBoxesAfterTheLayer) {
  using Points = std::vector<DrawingPoint>;
  const LayerTransform layer{2, 2, 10, 20};
  const Points ends{{10, 20}, {210, 120}};
  for (const Record& r : {line_record({0, 0}, {100, 50}, 'S'), wide_line_record({0, 0}, {100, 50}, 2),
                          arrow_record({0, 0}, {100, 50}, {'N', 'N', 'N', 'N', 'N'}), bracket_record({0, 0}, {100, 50}),
                          box(ElementKind::kBox), box(ElementKind::kRectangularBox),
                          box(ElementKind::kFilledRectangle)})
    EXPECT_EQ(test_points(r, layer), ends) << r.code();

  EXPECT_EQ(test_points(circle_record({0, 0}, {100, 0}, {0, 100}), layer), (Points{{10, 20}, {210, 20}, {10, 220}}));
  EXPECT_EQ(test_points(string_record({{100, 200}, 10, 'E', 2, "ABC"}), layer), (Points{{210, 420}}));
  EXPECT_EQ(test_points(quad_record({{{0, 50}, {100, -20}, {30, 80}, {-40, 0}}}), layer),
            (Points{{-70, -20}, {210, 180}}));
  EXPECT_EQ(test_points(ellipse_record({5, 5}, 40, 10), layer), (Points{{-60, 10}, {100, 50}}));
}

TEST(RecordContext, TheLastLayerRecordBeforeAGraphicOrLayerOne) {
  RecordStore store;
  const Record fallback = layer_record_before(store, 1);
  EXPECT_EQ(fallback, layer_record({1, 1.0, 0.0, 0.0}));

  const Record two = layer_record({2, 0.5, 0, 0}), three = layer_record({3, 1, 100, 0});
  const Record line = line_record({0, 0}, {1, 1}, 'S');
  for (const Record& r : {palette_colour_record(4), line, two, line, three, comment_record("LA"), line})
    store.append(r);
  EXPECT_EQ(layer_record_before(store, 3), fallback);  // a record's own layer is not before it
  EXPECT_EQ(layer_record_before(store, 4), two);
  EXPECT_EQ(layer_record_before(store, 5), two);
  EXPECT_EQ(layer_record_before(store, 7), three);
  EXPECT_EQ(layer_record_before(store, 50), three);
  EXPECT_EQ(colour_record_before(store, 1), palette_colour_record(7));
  EXPECT_EQ(colour_record_before(store, 7), palette_colour_record(4));
}

TEST(ColourInForce, TheLastColourSettingBeforeThePlaceAndColourSevenWithoutOne) {
  RecordStore store;
  EXPECT_EQ(colour_setting_in_force(store, store.count()), palette_colour_record(7));
  store.append(bar_mode_record());
  store.append(Record("LI  0.000000E+00"));
  EXPECT_EQ(colour_setting_in_force(store, store.count()), palette_colour_record(7));  // a mode is no colour
  store.append(palette_colour_record(12));
  store.append(Record("SC RGB   1.0 0.0 0.0"));
  store.append(Record("LA  0"));
  store.append(bar_mode_record());
  EXPECT_EQ(colour_setting_in_force(store, store.count()), Record("SC RGB   1.0 0.0 0.0"));
  EXPECT_EQ(colour_setting_in_force(store, 3), palette_colour_record(12));
  EXPECT_EQ(colour_setting_in_force(store, 2), palette_colour_record(7));
}

}  // namespace
}  // namespace plv
