#include "image/tiff_writer.h"

#include <limits>
#include <stdexcept>

namespace plv::image {
namespace {

constexpr std::uint16_t kShort = 3, kLong = 4, kRational = 5;
constexpr std::uint16_t kEntryCount = 12;
// Where the values too big for an entry sit, after the directory.
constexpr std::uint32_t kXResolutionAt = 158, kYResolutionAt = 166, kBitsPerSampleAt = 174;
constexpr std::uint32_t kDotsPerInch = 72;

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}

  void u16(std::uint16_t v) {
    out_.insert(out_.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v));
    u16(static_cast<std::uint16_t>(v >> 16));
  }
  // A SHORT value fills the first half of the entry's value field.
  void short_entry(std::uint16_t tag, std::uint16_t count, std::uint16_t value) {
    u16(tag);
    u16(kShort);
    u32(count);
    u16(value);
    u16(0);
  }
  void long_entry(std::uint16_t tag, std::uint32_t value) {
    u16(tag);
    u16(kLong);
    u32(1);
    u32(value);
  }
  // Sizes go in as SHORT, as readers expect of a small picture; a side
  // past 65535 goes in as LONG, which these tags allow, so the directory
  // keeps its size and the pixels still start at the same place.
  void size_entry(std::uint16_t tag, std::uint32_t value) {
    if (value <= std::numeric_limits<std::uint16_t>::max()) {
      short_entry(tag, 1, static_cast<std::uint16_t>(value));
    } else {
      long_entry(tag, value);
    }
  }
  void offset_entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t offset) {
    u16(tag);
    u16(type);
    u32(count);
    u32(offset);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> encode_tiff(const Pixels& pixels, TiffSamples samples) {
  const bool colour = samples == TiffSamples::kColour;
  const std::uint32_t width = static_cast<std::uint32_t>(pixels.width > 0 ? pixels.width : 0);
  const std::uint32_t height = static_cast<std::uint32_t>(pixels.height > 0 ? pixels.height : 0);
  const std::uint64_t pixel_bytes = std::uint64_t{width} * height * (colour ? 3 : 1);
  // The strip's byte count and every offset are 32-bit.
  if (pixel_bytes > std::numeric_limits<std::uint32_t>::max() - kTiffHeaderSize) {
    throw std::length_error("picture too big for a TIFF file");
  }

  std::vector<std::uint8_t> out;
  out.reserve(kTiffHeaderSize + static_cast<std::size_t>(pixel_bytes));
  Writer w(out);
  out.insert(out.end(), {'I', 'I'});
  w.u16(42);
  w.u32(8);
  w.u16(kEntryCount);
  w.size_entry(256, width);
  w.size_entry(257, height);
  if (colour) {
    w.offset_entry(258, kShort, 3, kBitsPerSampleAt);
  } else {
    w.short_entry(258, 1, 8);
  }
  w.short_entry(259, 1, 1);               // no compression
  w.short_entry(262, 1, colour ? 2 : 1);  // RGB, or grey with black at zero
  w.short_entry(273, 1, kTiffHeaderSize);
  w.short_entry(277, 1, colour ? 3 : 1);
  w.size_entry(278, height);  // the whole picture is one strip
  w.long_entry(279, static_cast<std::uint32_t>(pixel_bytes));
  w.offset_entry(282, kRational, 1, kXResolutionAt);
  w.offset_entry(283, kRational, 1, kYResolutionAt);
  w.short_entry(296, 1, 2);  // resolution in inches
  w.u32(0);                  // no further directory
  for (int i = 0; i < 2; ++i) {
    w.u32(kDotsPerInch);
    w.u32(1);
  }
  // Written in grey too, so the pixels always start at the same offset.
  for (int i = 0; i < 3; ++i) w.u16(8);

  out.resize(kTiffHeaderSize + static_cast<std::size_t>(pixel_bytes));
  std::uint8_t* next = out.data() + kTiffHeaderSize;
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint32_t c = pixels.at(static_cast<int>(x), static_cast<int>(y));
      *next++ = static_cast<std::uint8_t>(c >> 16);
      if (colour) {
        *next++ = static_cast<std::uint8_t>(c >> 8);
        *next++ = static_cast<std::uint8_t>(c);
      }
    }
  }
  return out;
}

}  // namespace plv::image
