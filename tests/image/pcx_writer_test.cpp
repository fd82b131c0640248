#include "image/pcx_writer.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace plv::image {
namespace {

std::vector<uint8_t> encoded(std::vector<uint8_t> row) {
  std::vector<uint8_t> out;
  encode_pcx_row(row, out);
  return out;
}

TEST(PcxRows, RunsAreCappedAt63AndHighBytesAlwaysCarryACount) {
  std::vector<uint8_t> expected;
  for (int i = 0; i < 10; ++i) expected.insert(expected.end(), {255, 0});
  expected.insert(expected.end(), {202, 0});
  EXPECT_EQ(encoded(std::vector<uint8_t>(640, 0)), expected);
  EXPECT_EQ(encoded({200}), (std::vector<uint8_t>{193, 200}));
  EXPECT_EQ(encoded({191, 192, 7, 7, 8}), (std::vector<uint8_t>{191, 193, 192, 194, 7, 8}));
  EXPECT_EQ(encoded(std::vector<uint8_t>(64, 9)), (std::vector<uint8_t>{255, 9, 9}));
}

TEST(PcxFile, HeaderRowsAndPaletteTrailer) {
  std::vector<uint8_t> image(kPcxWidth * kPcxHeight, 0);
  image[0] = 5;
  PcxPalette palette{};
  palette[5] = {252, 0, 124};
  const std::vector<uint8_t> bytes = encode_pcx(image, palette);
  const std::vector<uint8_t> head(bytes.begin(), bytes.begin() + 16);
  EXPECT_EQ(head, (std::vector<uint8_t>{10, 5, 1, 8, 0, 0, 0, 0, 0x7f, 2, 0xdf, 1, 44, 1, 44, 1}));
  EXPECT_EQ(bytes[65], 1);
  EXPECT_EQ(bytes[66] | bytes[67] << 8, 640);
  EXPECT_EQ(bytes[68] | bytes[69] << 8, 1);
  EXPECT_EQ(bytes[70] | bytes[71] << 8, 640);
  EXPECT_EQ(bytes[72] | bytes[73] << 8, 480);
  EXPECT_EQ(bytes[128], 5);     // first row starts with the single 5
  EXPECT_EQ(bytes[129], 255);   // then 639 zeros in runs
  const size_t trailer = bytes.size() - 769;
  EXPECT_EQ(bytes[trailer], 12);
  EXPECT_EQ(bytes[trailer + 1 + 15], 252);
  EXPECT_EQ(bytes[trailer + 1 + 17], 124);
  // 479 blank rows of 11 pairs, one row of 1 + 11 pairs.
  EXPECT_EQ(bytes.size(), 128 + 479 * 22 + 23 + 769u);
}


}  // namespace
}  // namespace plv::image
