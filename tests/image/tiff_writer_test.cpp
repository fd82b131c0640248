#include "image/tiff_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "support/outside_reader.h"
#include "support/temp_dir.h"

namespace plv::image {
namespace {

// The fixed header, built from its listed fields so a wrong byte shows
// which field it belongs to.
class Header {
 public:
  Header& u16(std::uint16_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  Header& u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16)); }
  Header& entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
    return u16(tag).u16(type).u32(count).u32(value);
  }
  std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> expected_header(std::uint16_t width, std::uint16_t height, bool colour) {
  const std::uint16_t kShort = 3, kLong = 4, kRational = 5;
  Header h;
  h.bytes = {'I', 'I'};
  h.u16(42).u32(8).u16(12);
  h.entry(256, kShort, 1, width);
  h.entry(257, kShort, 1, height);
  if (colour) {
    h.entry(258, kShort, 3, 174);
  } else {
    h.entry(258, kShort, 1, 8);
  }
  h.entry(259, kShort, 1, 1);
  h.entry(262, kShort, 1, colour ? 2 : 1);
  h.entry(273, kShort, 1, 180);
  h.entry(277, kShort, 1, colour ? 3 : 1);
  h.entry(278, kShort, 1, height);
  h.entry(279, kLong, 1, std::uint32_t{width} * height * (colour ? 3u : 1u));
  h.entry(282, kRational, 1, 158);
  h.entry(283, kRational, 1, 166);
  h.entry(296, kShort, 1, 2);
  h.u32(0);
  h.u32(72).u32(1).u32(72).u32(1);
  h.u16(8).u16(8).u16(8);
  return h.bytes;
}

// A picture whose every pixel differs from its neighbours in all three
// components, so a swapped channel, row or column shows.
std::vector<std::uint32_t> test_pattern(int width, int height) {
  std::vector<std::uint32_t> rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t r = (40 * x + 7 * y + 3) & 0xFF, g = (90 + 13 * x + 50 * y) & 0xFF,
                          b = (250 - 31 * x - 17 * y) & 0xFF;
      rgb.push_back(r << 16 | g << 8 | b);
    }
  }
  return rgb;
}

std::vector<std::uint8_t> tail(const std::vector<std::uint8_t>& file, std::size_t from) {
  return {file.begin() + static_cast<std::ptrdiff_t>(std::min(from, file.size())), file.end()};
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

std::vector<std::uint8_t> expected_rgb(const std::vector<std::uint32_t>& pixels, bool colour) {
  std::vector<std::uint8_t> out;
  for (const std::uint32_t c : pixels) {
    const auto red = static_cast<std::uint8_t>(c >> 16);
    if (colour) {
      out.insert(out.end(), {red, static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)});
    } else {
      out.insert(out.end(), {red, red, red});
    }
  }
  return out;
}

// Equal decoded bytes, or where they first differ (not the whole picture).
::testing::AssertionResult same_bytes(const std::vector<std::uint8_t>& decoded,
                                      const std::vector<std::uint8_t>& expected) {
  if (decoded.size() != expected.size()) {
    return ::testing::AssertionFailure() << "decoded " << decoded.size() << " bytes, expected " << expected.size();
  }
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    if (decoded[i] != expected[i]) {
      return ::testing::AssertionFailure()
             << "byte " << i << " is " << int{decoded[i]} << ", expected " << int{expected[i]};
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(TiffWriter, ColourFileIsTheFixedHeaderThenRedGreenBlueRows) {
  const std::vector<std::uint32_t> rgb = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x01FF7F};
  const std::vector<std::uint8_t> file = encode_tiff({3, 2, rgb}, TiffSamples::kColour);
  ASSERT_EQ(file.size(), 180u + 18u);
  EXPECT_EQ(expected_header(3, 2, true), std::vector<std::uint8_t>(file.begin(), file.begin() + 180));
  EXPECT_EQ(tail(file, 180), (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90, 0xA0,
                                                        0xB0, 0xC0, 0xD0, 0xE0, 0xF0, 0x01, 0xFF, 0x7F}));
}

TEST(TiffWriter, GreyFileKeepsTheRedComponentOnly) {
  const std::vector<std::uint32_t> rgb = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x01FF7F};
  const std::vector<std::uint8_t> file = encode_tiff({2, 3, rgb}, TiffSamples::kGrey);
  ASSERT_EQ(file.size(), 180u + 6u);
  EXPECT_EQ(expected_header(2, 3, false), std::vector<std::uint8_t>(file.begin(), file.begin() + 180));
  EXPECT_EQ(tail(file, 180), (std::vector<std::uint8_t>{0x10, 0x40, 0x70, 0xA0, 0xD0, 0x01}));
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
    EXPECT_NE(info.find("Image Width: 7 Image Length: 5"), std::string::npos) << info;
    EXPECT_NE(info.find(colour ? "Samples/Pixel: 3" : "Samples/Pixel: 1"), std::string::npos) << info;
    EXPECT_NE(info.find(colour ? "RGB color" : "min-is-black"), std::string::npos) << info;
    EXPECT_NE(info.find("Resolution: 72, 72 pixels/inch"), std::string::npos) << info;
    EXPECT_EQ(info.find("Warning"), std::string::npos) << info;
    EXPECT_EQ(info.find("Error"), std::string::npos) << info;
    const std::string identified = run("identify -format '%w %h %[channels]\\n' '" + path + "'");
    EXPECT_EQ(identified, colour ? "7 5 srgb\n" : "7 5 gray\n");
    EXPECT_TRUE(same_bytes(decoded_rgb(path), expected_rgb(rgb, colour)));
  }
}

// A side past 65535 does not fit a SHORT, so it goes in as a LONG and the
// layout stays the same. (ImageMagick's usual policy refuses a picture this
// wide, so the pixels are read back through Pillow.)
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

}  // namespace
}  // namespace plv::image
