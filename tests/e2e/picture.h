#pragma once
// The snapshots of a session in order, text screens and pictures, and the
// pictures decoded to pixels.

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/session.h"

namespace plv::e2e {

// One snapshot: a text screen, or the picture shown at that wait.
struct Snapshot {
  bool picture = false;
  std::string bytes;
};

inline std::vector<Snapshot> snapshots(const Session& s) {
  std::vector<Snapshot> out;
  for (int n = 1;; ++n) {
    const std::string base = Session::snapshot_name(n);
    if (s.exists(base + ".txt")) out.push_back({false, s.file(base + ".txt")});
    else if (s.exists(base + ".png")) out.push_back({true, s.file(base + ".png")});
    else return out;
  }
}

// A picture snapshot decoded to 0xRRGGBB pixels, row by row from the top.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  friend bool operator==(const Picture&, const Picture&) = default;
  bool uniform() const {
    for (const std::uint32_t p : pixels)
      if (p != pixels.front()) return false;
    return !pixels.empty();
  }
};

// Reads 8-bit RGB PNG files without interlace whose rows are not filtered,
// as ours are; nothing for anything else, so that a test fails rather than
// compares garbage.
inline std::optional<Picture> decode_png(const std::string& bytes) {
  static constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
  if (bytes.compare(0, kSignature.size(), kSignature) != 0) return std::nullopt;
  auto u32 = [&bytes](size_t at) {
    std::uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
  };
  Picture picture;
  std::string packed;
  for (size_t at = kSignature.size(); at + 12 <= bytes.size() && bytes.compare(at + 4, 4, "IEND") != 0;) {
    const std::uint32_t length = u32(at);
    if (at + 12 + length > bytes.size()) return std::nullopt;
    if (bytes.compare(at + 4, 4, "IHDR") == 0) {
      picture.width = static_cast<int>(u32(at + 8));
      picture.height = static_cast<int>(u32(at + 12));
      if (bytes.compare(at + 16, 5, std::string("\x08\x02\x00\x00\x00", 5)) != 0) return std::nullopt;
    } else if (bytes.compare(at + 4, 4, "IDAT") == 0) {
      packed += bytes.substr(at + 8, length);
    }
    at += 12 + length;
  }
  const size_t stride = 3 * static_cast<size_t>(picture.width);
  std::vector<unsigned char> raw(static_cast<size_t>(picture.height) * (stride + 1));
  uLongf raw_size = raw.size();
  if (raw.empty() || uncompress(raw.data(), &raw_size, reinterpret_cast<const Bytef*>(packed.data()), packed.size()) != Z_OK ||
      raw_size != raw.size())
    return std::nullopt;
  for (size_t at = 0; at < raw.size(); at += 3) {
    if (at % (stride + 1) == 0 && raw[at++] != 0) return std::nullopt;  // a row's filter
    picture.pixels.push_back(std::uint32_t{raw[at]} << 16 | std::uint32_t{raw[at + 1]} << 8 | raw[at + 2]);
  }
  return picture;
}

}  // namespace plv::e2e
