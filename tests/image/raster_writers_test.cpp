// The raster picture files, TIFF, PNG and PCX, byte for byte and as
// readers we did not write see them.

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "host/raster.h"
#include "image/pcx_writer.h"
#include "image/png_writer.h"
#include "image/tiff_writer.h"
#include "support/outside_reader.h"
#include "support/temp_dir.h"

namespace plv::image {
namespace {

// The fixed header, built from its listed fields so a wrong byte shows
// which field it belongs to.
std::vector<std::uint8_t> expected_header(std::uint32_t width, std::uint32_t height, bool colour) {
  constexpr std::uint32_t kShort = 3, kLong = 4, kRational = 5;
  const std::uint32_t samples = colour ? 3 : 1;
  // Each directory entry's tag, type, count and value.
  const std::uint32_t entries[][4] = {
      {256, kShort, 1, width}, {257, kShort, 1, height}, {258, kShort, samples, colour ? 174u : 8u},
      {259, kShort, 1, 1}, {262, kShort, 1, colour ? 2u : 1u}, {273, kShort, 1, 180}, {277, kShort, 1, samples},
      {278, kShort, 1, height}, {279, kLong, 1, width * height * samples}, {282, kRational, 1, 158},
      {283, kRational, 1, 166}, {296, kShort, 1, 2}};
  std::vector<std::uint8_t> h = {'I', 'I'};  // then little-endian fields
  const auto u16 = [&h](std::uint32_t v) { h.insert(h.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
  const auto u32 = [&u16](std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
  u16(42), u32(8), u16(12);
  for (const auto& e : entries) u16(e[0]), u16(e[1]), u32(e[2]), u32(e[3]);
  u32(0);  // no next directory
  for (const std::uint32_t v : {72, 1, 72, 1}) u32(v);  // 72 dots an inch either way
  u16(8), u16(8), u16(8);  // eight bits a sample
  return h;
}

// A picture whose every pixel differs from its neighbours in all three
// components, so a swapped channel, row or column shows.
std::vector<std::uint32_t> test_pattern(int width, int height) {
  std::vector<std::uint32_t> rgb;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      rgb.push_back(((40 * x + 7 * y + 3) & 0xFF) << 16 | ((90 + 13 * x + 50 * y) & 0xFF) << 8 | ((250 - 31 * x - 17 * y) & 0xFF));
  return rgb;
}

// What a command prints, both streams.
std::string run(const std::string& command) { return testing::tool_output(command + " 2>&1"); }

std::string written(const testing::TempDir& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const std::string path = dir.file(name);
  testing::write_file(path, std::string(bytes.begin(), bytes.end()));
  return path;
}

// The pixels as an outside decoder sees them: red, green, blue bytes.
std::vector<std::uint8_t> decoded_rgb(const std::string& path) {
  run("convert '" + path + "' -depth 8 '" + path + ".ppm'");
  const std::optional<testing::Ppm> ppm = testing::read_ppm(path + ".ppm");
  return ppm ? ppm->rgb : std::vector<std::uint8_t>{};
}

// What the decoder should see: grey pictures keep only the red component.
std::vector<std::uint8_t> expected_rgb(const std::vector<std::uint32_t>& pixels, bool colour) {
  std::vector<std::uint8_t> out;
  for (const std::uint32_t c : pixels)
    for (const int shift : {16, 8, 0}) out.push_back(static_cast<std::uint8_t>(c >> (colour ? shift : 16)));
  return out;
}

TEST(TiffWriter, TheFixedHeaderThenRedGreenBlueRowsOrTheRedComponentOnly) {
  const std::vector<std::uint32_t> rgb = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x01FF7F};
  const std::vector<std::uint8_t> reds = {0x10, 0x40, 0x70, 0xA0, 0xD0, 0x01};
  for (const auto& [width, height, samples] : {std::tuple{3, 2, TiffSamples::kColour}, {2, 3, TiffSamples::kGrey}}) {
    const bool colour = samples == TiffSamples::kColour;
    SCOPED_TRACE(colour ? "colour" : "grey");
    const std::vector<std::uint8_t> file = encode_tiff({width, height, rgb}, samples);
    const std::vector<std::uint8_t> pixels = colour ? expected_rgb(rgb, true) : reds;
    ASSERT_EQ(file.size(), 180u + pixels.size());
    EXPECT_EQ(expected_header(width, height, colour), std::vector<std::uint8_t>(file.begin(), file.begin() + 180));
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 180, file.end()), pixels);
  }
}

TEST(TiffWriter, OutsideReadersSeeTheSizeSamplesAndPixels) {
  if (!testing::tool_available("tiffinfo") || !testing::tool_available("identify") ||
      !testing::tool_available("convert")) {
    GTEST_SKIP() << "needs tiffinfo (libtiff-tools) and identify, convert (ImageMagick)";
  }
  testing::TempDir dir;
  const int width = 7, height = 5;
  const std::vector<std::uint32_t> rgb = test_pattern(width, height);
  for (const bool colour : {true, false}) {
    SCOPED_TRACE(colour ? "colour" : "grey");
    const std::string path =
        written(dir, colour ? "colour.tif" : "grey.tif",
                encode_tiff({width, height, rgb}, colour ? TiffSamples::kColour : TiffSamples::kGrey));
    const std::string info = run("tiffinfo '" + path + "'");
    for (const char* told : {"Image Width: 7 Image Length: 5", colour ? "Samples/Pixel: 3" : "Samples/Pixel: 1",
                             colour ? "RGB color" : "min-is-black", "Resolution: 72, 72 pixels/inch"})
      EXPECT_NE(info.find(told), std::string::npos) << info;
    for (const char* trouble : {"Warning", "Error"}) EXPECT_EQ(info.find(trouble), std::string::npos) << info;
    const std::string identified = run("identify -format '%w %h %[channels]\\n' '" + path + "'");
    EXPECT_EQ(identified, colour ? "7 5 srgb\n" : "7 5 gray\n");
    EXPECT_EQ(decoded_rgb(path), expected_rgb(rgb, colour));
  }
}

// A side past 65535 goes in as a LONG, the layout unchanged. (ImageMagick's
// usual policy refuses a picture this wide, so Pillow reads it back.)
TEST(TiffWriter, SideTooWideForAShortIsStillReadBack) {
  const int width = 70000;
  std::vector<std::uint32_t> rgb(width, 0xFFFFFF);
  rgb[0] = 0x102030;
  rgb[width - 1] = 0x808080;
  const std::vector<std::uint8_t> file = encode_tiff({width, 1, rgb}, TiffSamples::kColour);
  ASSERT_EQ(file.size(), 180u + 3u * width);
  // Debian's Python, where python3-pil puts Pillow.
  const std::string python = "/usr/bin/python3";
  if (!testing::tool_available("tiffinfo") || run(python + " -c 'import PIL; print(1)'") != "1\n") {
    GTEST_SKIP() << "needs tiffinfo (libtiff-tools) and Pillow (python3-pil)";
  }
  testing::TempDir dir;
  const std::string path = written(dir, "wide.tif", file);
  const std::string info = run("tiffinfo '" + path + "'");
  EXPECT_NE(info.find("Image Width: 70000 Image Length: 1"), std::string::npos) << info;
  EXPECT_NE(info.find("Rows/Strip: 1"), std::string::npos) << info;
  const std::string pixels =
      run(python + " -c \"from PIL import Image; im = Image.open('" + path +
          "'); print(im.size, im.getpixel((0, 0)), im.getpixel((1, 0)), im.getpixel((69999, 0)))\"");
  EXPECT_EQ(pixels, "(70000, 1) (16, 32, 48) (255, 255, 255) (128, 128, 128)\n");
}

TEST(PngWriter, AnIndependentDecoderReadsThePixels) {
  testing::TempDir dir;
  host::Raster raster(7, 3, host::kWhite);
  raster.select_pen(host::Pen{host::Rgb{10, 200, 30}, 1});
  raster.line({0, 1}, {7, 1});
  const std::string path = dir.file("p.png");
  const FileResult written = write_png(raster.image(), path);
  ASSERT_TRUE(written.ok()) << written.error;
  EXPECT_EQ(run("/usr/bin/python3 -c \"from PIL import Image; im = Image.open('" + path +
                "'); print(im.size, im.getpixel((6, 1)), im.getpixel((0, 0)))\""),
            "(7, 3) (10, 200, 30) (255, 255, 255)\n");
  const FileResult failed = write_png(raster.image(), dir.file("no/such/dir/p.png"));
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.error.find("p.png"), std::string::npos);
}

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
  // 8 bits, 0..639 by 0..479 at 300 dots an inch, then (from byte 65) one plane
  // of 640 bytes a row, palette type 1, a 640 x 480 screen; zeros elsewhere.
  std::vector<uint8_t> header = {10, 5, 1, 8, 0, 0, 0, 0, 0x7f, 2, 0xdf, 1, 44, 1, 44, 1};
  header.resize(65);
  header.insert(header.end(), {1, 0x80, 2, 1, 0, 0x80, 2, 0xe0, 1});
  header.resize(128);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 128), header);
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
