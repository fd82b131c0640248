#include "image/pcx_writer.h"

#include <cstdio>

namespace plv::image {
namespace {

constexpr uint8_t kRunMarker = 192;
constexpr int kLongestRun = 63;
constexpr uint8_t kPaletteMarker = 12;

void put16(std::vector<uint8_t>& out, int v) {
  out.push_back(static_cast<uint8_t>(v & 0xff));
  out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

void put_header(std::vector<uint8_t>& out) {
  out.insert(out.end(), {10, 5, 1, 8});  // maker, version, run-length, bits per pixel
  for (int v : {0, 0, kPcxWidth - 1, kPcxHeight - 1, 300, 300}) put16(out, v);
  out.insert(out.end(), 48, 0);  // the 16-colour palette is unused
  out.push_back(0);
  out.push_back(1);  // one plane
  put16(out, kPcxWidth);
  put16(out, 1);  // palette type
  put16(out, kPcxWidth);
  put16(out, kPcxHeight);
  out.insert(out.end(), 54, 0);
}

void put_run(std::vector<uint8_t>& out, uint8_t value, int count) {
  if (count == 1 && value < kRunMarker) {
    out.push_back(value);
    return;
  }
  out.push_back(static_cast<uint8_t>(kRunMarker + count));
  out.push_back(value);
}

}  // namespace

void encode_pcx_row(std::span<const uint8_t> row, std::vector<uint8_t>& out) {
  size_t i = 0;
  while (i < row.size()) {
    const uint8_t value = row[i];
    int count = 1;
    while (i + count < row.size() && row[i + count] == value && count < kLongestRun) ++count;
    put_run(out, value, count);
    i += static_cast<size_t>(count);
  }
}

std::vector<uint8_t> encode_pcx(std::span<const uint8_t> indices, const PcxPalette& palette) {
  std::vector<uint8_t> out;
  out.reserve(128 + indices.size() / 2 + 769);
  put_header(out);
  for (int y = 0; y < kPcxHeight; ++y) {
    const size_t start = static_cast<size_t>(y) * kPcxWidth;
    if (start + kPcxWidth <= indices.size()) encode_pcx_row(indices.subspan(start, kPcxWidth), out);
    else {
      const std::vector<uint8_t> blank(kPcxWidth, 0);
      encode_pcx_row(blank, out);
    }
  }
  out.push_back(kPaletteMarker);
  for (const Rgb8& c : palette) out.insert(out.end(), {c.red, c.green, c.blue});
  return out;
}

}  // namespace plv::image
