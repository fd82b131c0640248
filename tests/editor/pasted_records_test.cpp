// What pasting the buffer appends: simple pastes carried by one leading
// layer record, general ones point by point, and fitting into a box.

#include <gtest/gtest.h>

#include <tuple>

#include "editor/paste/pasted_records.h"
#include "kinds/colour_mode.h"
#include "kinds/comment.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/string.h"

namespace plv::paste {
namespace {

RecordStore store_of(const std::vector<Record>& records) {
  RecordStore store;
  for (const Record& r : records) store.append(r);
  return store;
}

// A bar-coloured drawing's work layer (0: all layers).
PasteTarget bar_layer(int work_layer = 0) { return {work_layer, ColourMode::kBar}; }

TEST(PastedRecords, SimplePasteLeadsWithOneLayerRecordAndComposesTheBuffersOwn) {
  const PasteTransform paste{.shift_x = 10, .shift_y = -5, .scale_x = 2, .scale_y = 2};
  const Record line = line_record({0, 0}, {100, 0}, 'S');
  const RecordStore buffer =
      store_of({palette_colour_record(3), layer_record({4, 0.5, 1, 2}), line, comment_record("KEPT")});
  const auto out = pasted_records(buffer, paste, {50, 0}, bar_layer());
  EXPECT_EQ(out, (std::vector<Record>{layer_record({0, 2, 10, -5}), palette_colour_record(3),
                                      layer_record({4, 1.0, 12, -1}), line, comment_record("KEPT")}));
  // On a work layer every layer record takes its number.
  EXPECT_EQ(pasted_records(buffer, paste, {50, 0}, bar_layer(7))[2], layer_record({7, 1.0, 12, -1}));
  // An empty buffer still gives the leading layer record.
  EXPECT_EQ(pasted_records(RecordStore(), paste, {0, 0}, bar_layer()).size(), 1u);
}

TEST(PastedRecords, GeneralPasteMovesEveryPointAndFlattensLayerRecords) {
  const PasteTransform turned = with_rotation(PasteTransform{}, 90);
  EXPECT_FALSE(is_simple(turned));
  const RecordStore buffer = store_of({layer_record({2, 1.0, 100, 0}), line_record({0, 0}, {10, 0}, 'D'),
                                       string_record({{0, 0}, 12, 'S', 0, "HELLO"})});
  const auto out = pasted_records(buffer, turned, {100, 0}, bar_layer());
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], layer_record({2, 1.0, 0, 0}));
  // The buffer's layer moves the line to 100..110, then it turns about 100, 0.
  const auto ends = line_values(out[1]);
  ASSERT_TRUE(ends);
  EXPECT_NEAR(ends->start.x, 100, 1e-3);
  EXPECT_NEAR(ends->end.y, 10, 1e-3);
  EXPECT_EQ(ends->type, 'D');
  EXPECT_EQ(string_values(out[2])->direction, 1);
  // Unequal scales are general too.
  const PasteTransform stretched{.scale_x = 2};
  EXPECT_FALSE(is_simple(stretched));
  EXPECT_TRUE(pasted_records(RecordStore(), stretched, {0, 0}, bar_layer()).empty());
}

TEST(PastedRecords, APointByPointPasteStartsFromTheIdentityLayerAsItsPreviewDoes) {
  const PasteTransform turned = with_rotation(PasteTransform{}, 90);
  const Record line = line_record({-100, 0}, {100, 0}, 'S');
  const auto out = pasted_records(store_of({palette_colour_record(3), line}), turned, {0, 0}, bar_layer(5));
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], layer_record({5, 1.0, 0, 0}));
  EXPECT_NEAR(line_values(out[2])->start.y, -100, 1e-3);
  // A buffer with a layer record of its own before its graphics needs none.
  EXPECT_EQ(pasted_records(store_of({layer_record({2, 3, 0, 0}), line}), turned, {0, 0}, PasteTarget{})[0],
            layer_record({2, 1.0, 0, 0}));
}

TEST(PastedRecords, OnlyColoursTheDrawingsModeTakesArePasted) {
  const Record line = line_record({0, 0}, {100, 0}, 'S');
  const RecordStore buffer = store_of({Record("SC MODE GREY"), Record("SC GREY 40"), palette_colour_record(3), line});
  const PasteTransform paste;
  // Never a mode record; in a bar drawing its palette colours, in a grey
  // one its grey levels; white and black everywhere.
  EXPECT_EQ(pasted_records(buffer, paste, {0, 0}, bar_layer()),
            (std::vector<Record>{layer_record({0, 1, 0, 0}), palette_colour_record(3), line}));
  EXPECT_EQ(pasted_records(buffer, paste, {0, 0}, PasteTarget{0, ColourMode::kGrey}),
            (std::vector<Record>{layer_record({0, 1, 0, 0}), Record("SC GREY 40"), line}));
  const PasteTarget rgb{0, ColourMode::kRgb};
  EXPECT_EQ(pasted_records(store_of({palette_colour_record(7), line}), paste, {0, 0}, rgb).size(), 3u);
}

TEST(PastedRecords, FittingKeepsProportionsAndNeedsASize) {
  // A horizontal line takes its scale from the box's width.
  const auto fit = fitted_into({0, 100, 50, 50}, {200, 400, 0, 1000});
  ASSERT_TRUE(fit);
  EXPECT_EQ(std::tuple(fit->scale_x, fit->scale_y, fit->shift_x, fit->shift_y), std::tuple(2.0, 2.0, 200.0, -100.0));
  // The tighter direction wins.
  EXPECT_DOUBLE_EQ(fitted_into({0, 100, 0, 100}, {0, 300, 0, 50})->scale_x, 0.5);
  EXPECT_FALSE(fitted_into({5, 5, 7, 7}, {0, 100, 0, 100}));
}

}  // namespace
}  // namespace plv::paste
