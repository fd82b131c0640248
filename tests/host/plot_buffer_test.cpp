#include <gtest/gtest.h>

#include <vector>

#include "host/plot_buffer.h"
#include "host/plot_reader.h"

namespace plv::host {
namespace {

std::vector<int> bytes_of(const PlotBuffer& b) { return {b.bytes().begin(), b.bytes().end()}; }

TEST(PlotBuffer, RecordsAreByteExact) {
  PlotBuffer b;
  b.append_colour(10, 20, 30);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{8, 10, 30, 20}));

  b.clear();
  b.append_line(-1, 1, 256, -32768);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{3, 0xFF, 0xFF, 1, 0, 0, 1, 0x00, 0x80}));

  b.clear();
  b.append_rectangle(1, 2, 3, 4);
  b.append_filled_rectangle(-2, 0, 5, 6, 0b1010);
  b.append_colour_grey(1, 2, 3, 4);
  b.append_colour_index(7, 0, 255, 100);
  const std::int16_t xs[] = {1, -3};
  const std::int16_t ys[] = {2, 300};
  b.append_polygon(xs, ys, 2);
  EXPECT_EQ(bytes_of(b), (std::vector<int>{4, 1, 0, 2, 0, 3, 0, 4, 0,          //
                                           5, 0xFE, 0xFF, 0, 0, 5, 0, 6, 0, 10, //
                                           9, 1, 3, 2, 4,                       //
                                           11, 7, 0, 255, 100,                  //
                                           12, 2, 1, 0, 2, 0, 0xFD, 0xFF, 0x2C, 1}));
}

TEST(PlotBuffer, PolygonsKeepAtMostTenVertices) {
  PlotBuffer b;
  std::int16_t xs[12] = {}, ys[12] = {};
  b.append_polygon(xs, ys, 12);
  EXPECT_EQ(b.count(), 42u);
  EXPECT_EQ(b.bytes()[1], 10);
  EXPECT_EQ(b.append_polygon(xs, ys, 0), AppendResult::kDropped);
  EXPECT_EQ(b.count(), 42u);
}

TEST(PlotBuffer, GrowsInStepsKeepingRoomForTheLargestRecord) {
  PlotBuffer b;
  EXPECT_EQ(b.allocated(), 65536u);
  // Growth happens once the count has reached 65,536 - 42 = 65,494: 7278
  // lines (65,502 bytes) still fit, the 7279th grows the block.
  for (int i = 0; i < 7278; ++i) b.append_line(i, 0, 0, 0);
  EXPECT_EQ(b.count(), 65502u);
  EXPECT_EQ(b.allocated(), 65536u);
  b.append_line(1, 2, 3, 4);
  EXPECT_EQ(b.allocated(), 131072u);
  // Earlier records survive the move.
  PlotReader reader(b.bytes());
  PlotRecord r;
  for (int i = 0; i < 7278; ++i) {
    ASSERT_TRUE(reader.next(r));
    ASSERT_EQ(r.x[0], static_cast<std::int16_t>(i));
  }
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.y[1], 4);
  EXPECT_FALSE(reader.next(r));
}

TEST(PlotBuffer, StopsRecordingWhenGrowthFailsUntilCleared) {
  PlotBuffer b(65536);
  int became_full = 0;
  for (int i = 0; i < 8000; ++i) {
    if (b.append_line(0, 0, 0, 0) == AppendResult::kBecameFull) ++became_full;
  }
  EXPECT_EQ(became_full, 1);
  EXPECT_TRUE(b.full());
  EXPECT_EQ(b.count(), 65502u);
  EXPECT_EQ(b.append_colour(1, 2, 3), AppendResult::kDropped);
  EXPECT_EQ(b.count(), 65502u);
  b.clear();
  EXPECT_FALSE(b.full());
  EXPECT_EQ(b.append_colour(1, 2, 3), AppendResult::kAppended);
  EXPECT_EQ(b.count(), 4u);
}

TEST(PlotBuffer, ClearShrinksButNeverBelowOneStep) {
  PlotBuffer b;
  for (int i = 0; i < 30000; ++i) b.append_line(0, 0, 0, 0);  // 270,000 bytes
  EXPECT_EQ(b.allocated(), 5 * 65536u);
  b.clear();  // shrinks to the count rounded up: 5 steps are needed, so nothing changes
  EXPECT_EQ(b.allocated(), 5 * 65536u);
  EXPECT_EQ(b.count(), 0u);
  b.clear();  // empty now: down to one step, not to nothing
  EXPECT_EQ(b.allocated(), 65536u);
  b.append_line(1, 1, 1, 1);
  EXPECT_EQ(b.count(), 9u);
}

TEST(PlotReader, StopsAtUnknownOrShortRecords) {
  const std::uint8_t bytes[] = {8, 1, 2, 3, 3, 0, 0};
  PlotReader reader(bytes);
  PlotRecord r;
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.kind, RecordKind::kColour);
  EXPECT_FALSE(reader.next(r));
  const std::uint8_t unknown[] = {7, 0, 0};
  PlotReader reader2(unknown);
  EXPECT_FALSE(reader2.next(r));
}

}  // namespace
}  // namespace plv::host
