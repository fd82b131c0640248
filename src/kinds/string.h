#pragma once
// Character strings ("CH", and "ST" in the older layout): where they start
// after the key point and direction.

#include <optional>
#include <string>
#include <string_view>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"

namespace plv {

struct StringPlacement {
  DrawingPoint key;       // the key point after the layer transform
  double anchor;          // where along the text it stands: 0, 0.5 or 1
  DrawingPoint start;     // after the layer transform and the key-point offset
  double height;          // size times layer scale
  int direction;          // 0 = +x, 1 = +y, 2 = -x, 3 = -y
  int length;             // position of the text's last non-blank character
  std::string_view text;  // the text columns, blank padded
};

std::optional<StringPlacement> place_string(const Record& record, const LayerTransform& layer);

// What the string menu makes and reopens.
struct StringValues {
  DrawingPoint location;
  int size = 10;
  char key_point = 'S';  // "S" start, "M" middle, "E" end
  int direction = 0;     // 0 = +x, 1 = +y, 2 = -x, 3 = -y
  std::string text;      // up to 80 characters
};
// The key point a character stands for: "M" the middle, "E" the end,
// anything else the start ("S").
char key_point_meant(char key_point);

// "CH" with the text from column 35 (at most 80 characters).
Record string_record(const StringValues& values);
std::optional<StringValues> string_values(const Record& record);

}  // namespace plv
