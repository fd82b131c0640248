// Records pasted point by point: where each kind's points land, what
// follows the paste's scales, what is kept; and the layer records a paste
// writes.

#include "kinds/kinds_fixture.h"
#include "kinds/paste_layer.h"

namespace plv {
namespace {

namespace TP = layout::stored::two_point;

PasteTransform paste(double shift_x, double shift_y, double scale_x, double scale_y, double degrees = 0) {
  const double radians = degrees * 0.01745329;
  return {shift_x, shift_y, scale_x, scale_y, degrees, std::cos(radians), std::sin(radians)};
}

PastePlacement at(const PasteTransform& p, LayerTransform layer = {}, DrawingPoint centre = {}) {
  return {p, layer, centre};
}

Record moved(const Record& r, const PastePlacement& placement) { return kinds().kind_of(r).transformed(r, placement); }


// A layer record's number, scale and shifts as read back; layer -1 when unreadable.
std::tuple<int, double, double, double> layer_of(const Record& r) {
  const LayerTransform t = read_layer_record(r).value_or(LayerTransform{-1});
  return {t.layer, t.scale, t.x_shift, t.y_shift};
}

TEST(PasteTransform, PlacementScalesTurnsAndShiftsAfterTheBufferLayer) {
  const DrawingPoint p = at(paste(100, -50, 2, 3)).place({10, 20});
  EXPECT_EQ(p, (DrawingPoint{120, 10}));

  // A quarter turn about the centre, then the scales.
  const DrawingPoint q = at(paste(0, 0, 2, 1, 90), {}, {100, 0}).place({110, 0});
  EXPECT_NEAR(q.x, 200, 1e-3);
  EXPECT_NEAR(q.y, 10, 1e-3);

  // The buffer's layer first: (10, 0) is (25, 5) in the buffer.
  const DrawingPoint r = at(paste(1, 1, 2, 1), {1, 2, 5, 5}).place({10, 0});
  EXPECT_EQ(r, (DrawingPoint{51, 6}));
}

TEST(PasteTransform, TwoPointAndBoxRecordsMoveTheirPointsAndKeepTheRest) {
  const PastePlacement p = at(paste(100, 200, 2, 3));

  EXPECT_EQ(moved(line_record({10, 10}, {20, 30}, 'D'), p), line_record({120, 230}, {140, 290}, 'D'));
  EXPECT_EQ(moved(bracket_record({0, 0}, {10, 0}), p), bracket_record({100, 200}, {120, 200}));
  EXPECT_EQ(moved(box_record_as_is(ElementKind::kBox, {0, 0}, {10, 10}), p),
            box_record_as_is(ElementKind::kBox, {100, 200}, {120, 230}));
  EXPECT_EQ(moved(box_record_as_is(ElementKind::kRectangularBox, {0, 0}, {10, 10}), p),
            box_record_as_is(ElementKind::kRectangularBox, {100, 200}, {120, 230}));

  // Arrow switches and a bend the menus would not write stay.
  Record ar = arrow_record({0, 0}, {10, 10}, {'Y', 'N', 'Y', 'Y', 'Y'});
  ar.put(TP::kBend, 0.25);
  const Record ar_moved = moved(ar, p);
  EXPECT_EQ(columns(ar_moved, 51, 122), columns(ar, 51, 122));
  EXPECT_EQ(arrow_values(ar_moved)->to, (DrawingPoint{120, 230}));

  Record rf = box_record_as_is(ElementKind::kFilledRectangle, {0, 0}, {10, 10});
  rf.put(layout::stored::box::kEdgeFlags, 5);
  const Record rf_moved = moved(rf, p);
  EXPECT_EQ(columns(rf_moved, 51, 53), "  5");
  EXPECT_EQ(kinds().kind_of(rf_moved).defining_points(rf_moved),
            (std::vector<DrawingPoint>{{100, 200}, {120, 230}}));
}

TEST(PasteTransform, WideLineWidthFollowsTheScaleAcrossTheLine) {
  const PastePlacement p = at(paste(0, 0, 2, 3));
  const auto width = [](const Record& r) { return line_values(r)->width.value(); };
  EXPECT_EQ(width(moved(wide_line_record({0, 5}, {10, 5}, 3), p)), 9);   // horizontal: scale y
  EXPECT_EQ(width(moved(wide_line_record({5, 0}, {5, 10}, 3), p)), 6);   // vertical: scale x
  EXPECT_EQ(width(moved(wide_line_record({0, 0}, {10, 10}, 3), p)), 8);  // 7.5, halves up
  EXPECT_EQ(moved(wide_line_record({0, 0}, {10, 10}, 3), p), wide_line_record({0, 0}, {20, 30}, 8));

  // Judged on the line as stored, before the turn.
  EXPECT_EQ(width(moved(wide_line_record({0, 5}, {10, 5}, 3), at(paste(0, 0, 2, 3, 90)))), 9);
  // Past what the columns hold: a record the file cannot take, so the
  // paste is refused rather than made with a width the user never asked for.
  EXPECT_FALSE(kinds().to_file(moved(wide_line_record({0, 5}, {10, 5}, 10), at(paste(0, 0, 1, 1e6)))).ok());
}

TEST(PasteTransform, StringSizeAndDirection) {
  const auto size = [](const Record& r) { return string_values(r)->size; };
  const Record ch = string_record({{0, 0}, 10, 'M', 0, "TEXT"});

  EXPECT_EQ(moved(ch, at(paste(5, 6, 1.2, 2))), string_record({{5, 6}, 12, 'M', 0, "TEXT"}));  // 12.49
  EXPECT_EQ(size(moved(ch, at(paste(0, 0, 1.202, 1)))), 13);                                  // 12.51
  EXPECT_EQ(size(moved(string_record({{0, 0}, 10, 'S', 1, "UP"}), at(paste(0, 0, 1, 2)))), 20);
  EXPECT_EQ(size(moved(string_record({{0, 0}, 10, 'S', 3, "DOWN"}), at(paste(0, 0, 5, 0.5)))), 5);
  EXPECT_EQ(size(moved(string_record({{0, 0}, 4, 'S', 0, "SMALL"}), at(paste(0, 0, 0.5, 1)))), 3);
  EXPECT_FALSE(kinds().to_file(moved(string_record({{0, 0}, 30, 'S', 0, "LARGE"}), at(paste(0, 0, 5, 5)))).ok());

  // A quarter turn left stands every string up; no other turn changes it.
  const Record left = string_record({{0, 0}, 10, 'E', 2, "LEFT"});
  for (const double degrees : {90.0, -270.0}) {
    const auto v = string_values(moved(left, at(paste(0, 0, 1, 1, degrees))));
    EXPECT_EQ(v->direction, 1) << degrees;
    EXPECT_EQ(v->key_point, 'E');
    EXPECT_EQ(v->text.substr(0, 5), "LEFT ");
  }
  EXPECT_EQ(string_values(moved(left, at(paste(0, 0, 1, 1, 45))))->direction, 2);
  EXPECT_EQ(string_values(moved(left, at(paste(0, 0, 1, 1, 180))))->direction, 2);
}

// Ellipse semi-axes take only the paste's scales; a circle whose ends meet
// keeps its end one unit down; quadrilateral corners stay in whole units.
TEST(PasteTransform, EllipsesCirclesAndQuadrilaterals) {
  const PastePlacement shifted = at(paste(10, 10, 1, 1));
  const std::tuple<Record, PastePlacement, Record> cases[] = {
      {ellipse_record({10, 20}, 40, 60), at(paste(1, 1, 1.5, 0.5), {1, 2, 0, 0}), ellipse_record({31, 21}, 60, 30)},
      {circle_record({0, 0}, {100, 0}, {100, 0}), shifted, circle_record({10, 10}, {110, 10}, {110, 9})},
      {circle_record({0, 0}, {100, 0}, {0, 100}), shifted, circle_record({10, 10}, {110, 10}, {10, 110})},
      {quad_record({{{0, 0}, {10, 0}, {10, 10}, {1, 10}}}), at(paste(0, 0, 1.26, 1.24)),
       quad_record({{{0, 0}, {13, 0}, {13, 12}, {1, 12}}})}};
  for (const auto& [record, placement, expected] : cases)
    EXPECT_EQ(moved(record, placement), expected) << record.trimmed();
}

TEST(PasteTransform, RecordsWithoutPointsOrUnreadableOnesStayAsTheyWere) {
  const PastePlacement p = at(paste(100, 100, 2, 3, 30));
  const Record li = line_record({0, 0}, {10, 10}, 'S');
  Record unreadable = li;
  unreadable.put_text(TP::kX1.at, "   ABC");
  Record deleted("DE");
  deleted.put_text(layout::deleted::kBody, li.text(layout::deleted::kLiveBody));
  for (const Record& r : {Record("SC BAR   7"), Record("SC RGB255  0  0"), comment_record("NOTE 1 2"),
                          layer_record({2, 3, 4, 5}), deleted, Record(), unreadable})
    EXPECT_EQ(moved(r, p), r) << r.trimmed();

  // Beyond all numbers: what comes back is not written to a file.
  const Record far = moved(li, at(paste(0, 0, 1e308, 1)));
  EXPECT_FALSE(kinds().to_file(far).ok());
}

TEST(PasteTransform, LayerRecordsOfAPaste) {
  const PasteTransform simple = paste(5, -7, 2, 2);
  EXPECT_EQ(layer_of(paste_layer_record(simple, 3)), std::tuple(3, 2, 5, -7));
  EXPECT_EQ(layer_of(paste_layer_record(simple, 0)), std::tuple(0, 2, 5, -7));

  const Record buffer_layer = layer_record({1, 0.5, 10, 20});
  EXPECT_EQ(layer_of(composed_layer_record(buffer_layer, simple, 4)), std::tuple(4, 1, 25, 33));
  EXPECT_EQ(layer_of(composed_layer_record(buffer_layer, simple, 0)), std::tuple(1, 1, 25, 33));
  EXPECT_EQ(layer_of(flattened_layer_record(buffer_layer, 4)), std::tuple(4, 1, 0, 0));
  EXPECT_EQ(layer_of(flattened_layer_record(buffer_layer, 0)), std::tuple(1, 1, 0, 0));

  Record unreadable = buffer_layer;
  unreadable.put_text(layout::stored::layer::kScale.at, "X");
  EXPECT_EQ(composed_layer_record(unreadable, simple, 4), unreadable);
  EXPECT_EQ(flattened_layer_record(unreadable, 4), unreadable);
}

}  // namespace
}  // namespace plv
