// Selecting by box as the buffer's cut and copy use it: what reaches the
// buffer, with which colour and layer records, and what is marked deleted.

#include <gtest/gtest.h>

#include "editor/edit_delete/select_by_box.h"
#include "editor/editor_fixture.h"
#include "kinds/box_form.h"
#include "kinds/colour_mode.h"
#include "kinds/deleted.h"
#include "kinds/layer.h"
#include "kinds/line.h"

namespace plv {
namespace {

using SelectByBoxTest = EditorTest;

TEST_F(SelectByBoxTest, CopiesCarryTheirColourAndLayerRecordsOnlyWhenTheyChange) {
  const Record red = palette_colour_record(2), blue = palette_colour_record(4);
  const Record doubled = layer_record({2, 2.0, 0.0, 0.0});
  const Record a = line_record({0, 0}, {10, 10}, 'S'), b = line_record({5, 5}, {20, 20}, 'S');
  const Record outside = line_record({0, 0}, {90, 0}, 'S');  // 180 after the layer's scale
  const Record c = box_record_as_is(ElementKind::kBox, {1, 1}, {2, 2});
  Editor& e = open({}, {red, doubled, a, b, outside, blue, c});

  EXPECT_EQ(editing::select_by_box(e, e, {0, 0, 100, 100}, editing::BoxAction::kCopy), 3);
  EXPECT_EQ(records_in(e.buffer), (std::vector<Record>{red, doubled, a, b, blue, c}));
  EXPECT_EQ(e.drawing.read(3), a);  // a copy leaves the drawing as it was

  // A cut takes them out of the drawing too; what is already deleted stays out of it.
  e.buffer.clear();
  EXPECT_EQ(editing::select_by_box(e, e, {0, 0, 100, 100}, editing::BoxAction::kDeleteAndCopy), 3);
  EXPECT_EQ(e.drawing.read(3), mark_deleted(a));
  EXPECT_EQ(e.drawing.read(5), outside);
  EXPECT_EQ(editing::select_by_box(e, e, {0, 0, 100, 100}, editing::BoxAction::kDelete), 0);
}

TEST_F(SelectByBoxTest, OnlyTheWorkLayerAndDeletedGraphicsWhileShown) {
  const Record line = line_record({0, 0}, {10, 10}, 'S');
  Editor& e = open({}, {layer_record({1, 1.0, 0.0, 0.0}), line, layer_record({2, 1.0, 0.0, 0.0}), line,
                        mark_deleted(line)});
  e.render.work_layer = 2;
  EXPECT_EQ(editing::graphics_in_box(e, e, {0, 0, 10, 10}), (std::vector<long>{4}));
  e.render.show_deleted = true;
  EXPECT_EQ(editing::graphics_in_box(e, e, {0, 0, 10, 10}), (std::vector<long>{4, 5}));
  EXPECT_TRUE(editing::graphics_in_box(e, e, {0, 0, 9.9, 10}).empty());
}

}  // namespace
}  // namespace plv
