#include "image/png_writer.h"

#include <zlib.h>

#include "text/whole_file.h"

namespace plv::image {
namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void put_chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  put32(out, static_cast<std::uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
  put32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> encode_png(const Pixels& pixels) {
  const int w = pixels.width, h = pixels.height;
  std::vector<std::uint8_t> rows;
  rows.reserve(static_cast<size_t>(h) * (1 + 3 * static_cast<size_t>(w)));
  for (int y = 0; y < h; ++y) {
    rows.push_back(0);  // no filter
    for (int x = 0; x < w; ++x) {
      const std::uint32_t c = pixels.at(x, y);
      rows.insert(rows.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)});
    }
  }
  uLongf packed_size = compressBound(static_cast<uLong>(rows.size()));
  std::vector<std::uint8_t> packed(packed_size);
  compress2(packed.data(), &packed_size, rows.data(), static_cast<uLong>(rows.size()), 6);
  packed.resize(packed_size);

  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<std::uint8_t> header;
  put32(header, static_cast<std::uint32_t>(w));
  put32(header, static_cast<std::uint32_t>(h));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace
  put_chunk(out, "IHDR", header);
  put_chunk(out, "IDAT", packed);
  put_chunk(out, "IEND", {});
  return out;
}

FileResult write_png(const Pixels& pixels, const std::string& path) {
  const std::vector<std::uint8_t> bytes = encode_png(pixels);
  return write_whole_file(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace plv::image
