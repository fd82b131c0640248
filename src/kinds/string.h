#pragma once
// Character strings ("CH", and "ST" in the older layout): where they start
// after the key point and direction.

#include <optional>
#include <string>
#include <string_view>

#include "drawing/drawing_transforms.h"
#include "drawing/record.h"
#include "drawing/record_layout.h"

// The columns of its records.
namespace plv::layout {

namespace stored {
namespace string {  // CH
inline constexpr RealField kX = e12(3), kY = e12(15);
inline constexpr IntField kSize{{28, 2}};
inline constexpr Columns kKeyPoint{31, 1};  // "S", "M" or "E"
inline constexpr IntField kDirection{{33, 1}};  // 0 = +x, 1 = +y, 2 = -x, 3 = -y
inline constexpr Columns kText{35, 80};
inline constexpr Columns kTail{27, 88};      // what the file form carries
inline constexpr Columns kWholeTail{27, 96};  // blank here: the record is dropped on writing
}  // namespace string

namespace old_string {  // ST: no direction, text two columns to the left
inline constexpr Columns kText{33, 80};
}  // namespace old_string
}  // namespace stored

namespace file {
namespace string {  // CH, ST
inline constexpr IntField kX = i6(3), kY = i6(9);
inline constexpr Columns kTail{15, 88};
inline constexpr Columns kWholeTail{15, 96};  // as written: stored columns 27-122
}  // namespace string
}  // namespace file

// Moving an old string tail (file columns 15-102) to the new arrangement, in
// positions of the 88-character tail.
namespace old_string_tail {
inline constexpr Columns kWhole{1, 88};
inline constexpr Columns kTextKept{7, 30};      // first 30 text characters ...
inline constexpr Columns kTextKeptTo{9, 30};    // ... move two to the right
inline constexpr Columns kDirection{7, 2};      // becomes "0 "
inline constexpr Columns kBlanked{39, 16};      // text characters 31-48 are lost
}  // namespace old_string_tail

}  // namespace plv::layout

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
inline constexpr size_t kStringTextLength = 80;
// The size whose capitals stand `capital_height` drawing units tall, to a
// whole size the record holds (1 to 99).
int string_size_for_capitals(double capital_height);
std::optional<StringValues> string_values(const Record& record);

}  // namespace plv
