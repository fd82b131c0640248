#pragma once
// Reading what a session leaves behind: the lines of a written file, the
// records after a drawing's header, the screens shown under a banner, and
// the pixels of the picture snapshots.

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/session.h"

namespace plv::e2e {

// A settings file whose only change from the defaults is the view's scale
// (its E15.7 text, such as "0.1000000E+02").
inline std::string settings_with_view_scale(const std::string& scale) {
  return "\n"
         "CM SETUP FILE FOR PROGRAM PLIVET\n"
         "FI               \n"
         "SC   " + scale + "  0.0000000E+00  0.0000000E+00\n"
         "B1   0.0000000E+00  0.0000000E+00\n"
         "B2   0.1000000E+01  0.1000000E+01\n"
         "B3   0.0000000E+00  0.1000000E+01  0.0000000E+00\n"
         "L1     0    0    0\n"
         "L2   0.1000000E+01  0.0000000E+00  0.0000000E+00\n"
         "C1 SC BAR   8\n"
         "C2 SC BAR  12\n"
         "C3     6\n"
         "AS   0.1000000E+01\n"
         "EN\n";
}

inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The records of a written drawing, after its path, setup and date lines.
inline std::vector<std::string> drawing_records(const Session& s, const std::string& name) {
  const std::vector<std::string> lines = lines_of(s.file(name));
  if (lines.size() < 3) return {"(no header)"};
  return {lines.begin() + 3, lines.end()};
}

// The text screens whose row `row` reads `text`, in the order shown.
inline std::vector<std::string> screens_with(const Session& s, int row, std::string_view text) {
  std::vector<std::string> found;
  for (const std::string& screen : s.screens())
    if (Session::row(screen, row) == text) found.push_back(screen);
  return found;
}

// One snapshot: a text screen, or the picture shown at that wait.
struct Snapshot {
  bool picture = false;
  std::string bytes;
};

inline std::vector<Snapshot> snapshots(const Session& s) {
  std::vector<Snapshot> out;
  for (int n = 1;; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "snaps/%04d", n);
    const std::string base(name);
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

// Reads 8-bit RGB PNG files without interlace, with any row filter; nothing
// for anything else, so that a test fails rather than compares garbage.
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
  for (size_t at = kSignature.size(); at + 12 <= bytes.size();) {
    const std::uint32_t length = u32(at);
    const std::string type = bytes.substr(at + 4, 4);
    if (at + 12 + length > bytes.size()) return std::nullopt;
    const size_t data = at + 8;
    if (type == "IHDR") {
      picture.width = static_cast<int>(u32(data));
      picture.height = static_cast<int>(u32(data + 4));
      if (bytes.compare(data + 8, 5, std::string("\x08\x02\x00\x00\x00", 5)) != 0) return std::nullopt;
    } else if (type == "IDAT") {
      packed += bytes.substr(data, length);
    } else if (type == "IEND") {
      break;
    }
    at = data + length + 4;
  }
  const size_t stride = 3 * static_cast<size_t>(picture.width);
  std::vector<unsigned char> raw(static_cast<size_t>(picture.height) * (stride + 1));
  uLongf raw_size = raw.size();
  if (raw.empty() || uncompress(raw.data(), &raw_size, reinterpret_cast<const Bytef*>(packed.data()),
                                packed.size()) != Z_OK ||
      raw_size != raw.size())
    return std::nullopt;
  std::vector<unsigned char> previous(stride, 0), row(stride);
  for (int y = 0; y < picture.height; ++y) {
    const unsigned char* line = &raw[static_cast<size_t>(y) * (stride + 1)];
    const int filter = line[0];
    for (size_t i = 0; i < stride; ++i) {
      const int a = i >= 3 ? row[i - 3] : 0, b = previous[i], c = i >= 3 ? previous[i - 3] : 0;
      int predicted = 0;
      switch (filter) {
        case 0: break;
        case 1: predicted = a; break;
        case 2: predicted = b; break;
        case 3: predicted = (a + b) / 2; break;
        case 4: {
          const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
          predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
          break;
        }
        default: return std::nullopt;
      }
      row[i] = static_cast<unsigned char>(line[1 + i] + predicted);
    }
    for (size_t x = 0; x < stride; x += 3)
      picture.pixels.push_back(std::uint32_t{row[x]} << 16 | std::uint32_t{row[x + 1]} << 8 | row[x + 2]);
    previous = row;
  }
  return picture;
}

}  // namespace plv::e2e
