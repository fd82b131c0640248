// Undraw and edit of an element handed over with its colour and layer
// records: the values shown through the layer's transform and stored back,
// and the records each kind comes back as.

#include <gtest/gtest.h>

#include "editor/create/undraw_edit.h"
#include "editor/editor_fixture.h"
#include "kinds/box_form.h"
#include "kinds/bracket.h"
#include "kinds/colour_mode.h"
#include "kinds/comment.h"
#include "kinds/layer.h"
#include "kinds/line.h"

namespace plv {
namespace {

class UndrawEditTest : public EditorTest {
 protected:
  // Reopens `element` under `layer` with the script's keys; what the drawing then holds.
  std::vector<Record> reopen(const std::string& script, const Record& element, const LayerTransform& layer,
                             Record* made = nullptr) {
    Editor& e = open(script);
    const Record result = create::undraw_and_edit(e, element, colour_, layer_record(layer), messages_);
    if (made) *made = result;
    std::vector<Record> held;
    for (long n = 1; n <= e.drawing.count(); ++n) held.push_back(e.drawing.read(n));
    return held;
  }

  const Record colour_ = palette_colour_record(3);
};

TEST_F(UndrawEditTest, ValuesShowThroughTheLayerAndGoBackStored) {
  const LayerTransform doubled{4, 2.0, 10.0, 20.0};
  const Record line = line_record({5, 5}, {10, 10}, 'D');
  const auto held = reopen("key F9\nkey ENTER\n", line, doubled);
  EXPECT_EQ(row(11), "                  LINE FROM: X       20  Y       30");
  EXPECT_EQ(row(13), "                         TO: X       30  Y       40");
  EXPECT_EQ(held, (std::vector<Record>{colour_, layer_record(doubled), line}));

  // A changed end is stored back through the inverse transform.
  const auto moved = reopen("key TAB\nkey TAB\nkey TAB\nkey TAB\nkey DELETE\ntype 50\nkey F9\nkey ENTER\n", line, doubled);
  ASSERT_EQ(moved.size(), 3u);
  EXPECT_EQ(moved[2], line_record({5, 5}, {20, 10}, 'D'));
}

TEST_F(UndrawEditTest, EachKindComesBackInItsOwnCode) {
  // A rectangular box made flat stays a rectangular box.
  const Record rb = box_record_as_is(ElementKind::kRectangularBox, {0, 0}, {100, 50});
  const auto flat = reopen("key TAB\nkey TAB\nkey TAB\nkey DELETE\ntype 0\nkey F9\nkey ENTER\n", rb, {});
  ASSERT_EQ(flat.size(), 3u);
  EXPECT_EQ(flat[2], box_record_as_is(ElementKind::kRectangularBox, {0, 0}, {100, 0}));

  // A bracket reopens facing left and keeps its stored order.
  const Record bracket = bracket_record({100, 0}, {0, 0});
  const auto same = reopen("key F9\nkey ENTER\n", bracket, {});
  EXPECT_EQ(row(11).substr(52, 1), "L");
  ASSERT_EQ(same.size(), 3u);
  EXPECT_EQ(same[2], bracket);

  // Quitting the menu, or a record no menu makes, leaves nothing.
  Record made;
  EXPECT_TRUE(reopen("key F10\n", rb, {}, &made).empty());
  EXPECT_TRUE(made.blank_in({1, 2}));
  EXPECT_TRUE(reopen("", comment_record("NOTE"), {}, &made).empty());
  EXPECT_TRUE(made.blank_in({1, 2}));
}

}  // namespace
}  // namespace plv
