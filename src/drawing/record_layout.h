#pragma once
// Where every field of every graphics command record stands, in the stored
// form (drawing and buffer stores, real coordinates) and in the file form
// (graphics command files, whole-unit coordinates). Layouts that are the
// same in both forms live in `stored`.

#include <array>
#include <string_view>

#include "drawing/record.h"

namespace plv::layout {

inline constexpr Columns kCode{1, 2};

// A file line kept unread: a code no file can hold (files with NUL bytes
// are refused) and the line's place in the store's list of kept lines.
namespace unread {
inline constexpr std::string_view kCode{"\0?", 2};
inline constexpr IntField kIndex{{3, 10}};
}  // namespace unread

namespace deleted {
inline constexpr Columns kLiveBody{1, kRecordLength - 2};  // what a deleted record keeps
inline constexpr Columns kBody{3, kRecordLength - 2};
}  // namespace deleted

namespace stored {

inline constexpr RealField e12(int first) { return {{first, 12}, RealField::Exponent, 6}; }
inline constexpr RealField e15(int first, int d) { return {{first, 15}, RealField::Exponent, d}; }

namespace layer {  // LA, both forms
inline constexpr IntField kNumber{{3, 3}};
inline constexpr RealField kScale = e15(6, 7);
inline constexpr RealField kXShift = e15(21, 7);
inline constexpr RealField kYShift = e15(36, 7);
}  // namespace layer

namespace two_point {  // LI, AR, BR, BX, LW
inline constexpr RealField kX1 = e12(3), kY1 = e12(15), kX2 = e12(27), kY2 = e12(39);
inline constexpr std::array<RealField, 4> kPoints{kX1, kY1, kX2, kY2};
inline constexpr std::array<Columns, 5> kFlags{{{52, 1}, {54, 1}, {56, 1}, {58, 1}, {60, 1}}};
inline constexpr Columns kLineType = kFlags[0];  // LI: "D" or "Y" dashed
inline constexpr RealField kBend{{62, 5}, RealField::Fixed, 3};  // AR
inline constexpr IntField kHalfWidth{{51, 6}};                    // LW
inline constexpr Columns kTail{51, 30};  // carried whole to and from the file form
}  // namespace two_point

namespace circle {  // CI
inline constexpr RealField kCentreX = e12(3), kCentreY = e12(15);
inline constexpr RealField kStartX = e12(27), kStartY = e12(39);
inline constexpr RealField kEndX = e12(51), kEndY = e12(63);
inline constexpr std::array<RealField, 6> kValues{kCentreX, kCentreY, kStartX, kStartY, kEndX, kEndY};
}  // namespace circle

namespace ellipse {  // EL, both forms
inline constexpr RealField kCentreX = e15(4, 5), kCentreY = e15(19, 5);
inline constexpr RealField kSemiAxisX = e15(34, 5), kSemiAxisY = e15(49, 5);
}  // namespace ellipse

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

namespace box {  // RB, RF
inline constexpr RealField kX1 = e12(3), kY1 = e12(15), kX2 = e12(27), kY2 = e12(39);
inline constexpr std::array<RealField, 4> kPoints{kX1, kY1, kX2, kY2};
inline constexpr IntField kEdgeFlags{{51, 3}};  // RF
}  // namespace box

namespace quad {  // QF, both forms: x1, y1 .. x4, y4
inline constexpr RealField f6(int first) { return {{first, 6}, RealField::Fixed, 0}; }
inline constexpr std::array<RealField, 8> kCorners{f6(3), f6(9), f6(15), f6(21), f6(27), f6(33), f6(39), f6(45)};
}  // namespace quad

namespace colour {  // SC, both forms
inline constexpr Columns kKeyword{4, 5};    // "MODE ", "BAR  ", "RGB", ...
inline constexpr Columns kKeywordInitial{4, 1};  // M for a mode record, B for a palette colour
inline constexpr Columns kBarKeyword{4, 3};      // "BAR", as the create menus write it
inline constexpr Columns kModeName{9, 5};
inline constexpr Columns kLongModeName{9, 13};  // "HOTIRON SCALE"
inline constexpr IntField kBarColour{{9, 2}};
inline constexpr IntField kBarColourAsWritten{{7, 4}};  // code A2, blank, BAR A3, I4
inline constexpr std::array<IntField, 3> kRgb{{{{8, 3}}, {{11, 3}}, {{14, 3}}}};
inline constexpr IntField kGrey{{9, 2}};
inline constexpr IntField kGreyAsRead{{8, 3}};
inline constexpr RealField kCirclValue{{10, 10}, RealField::Fixed, 3};
inline constexpr RealField kHotValue{{7, 10}, RealField::Fixed, 3};
inline constexpr RealField kIronValue{{8, 10}, RealField::Fixed, 3};
}  // namespace colour

namespace comment {  // CM: the comment menu writes the code, a blank and 58 characters
inline constexpr Columns kLead{1, 3};  // the code and a blank
inline constexpr Columns kText{4, 58};
// The first record of a new drawing: the code, its name and the date.
inline constexpr Columns kDrawingName{4, 14};
inline constexpr Columns kDate{20, 9};
}  // namespace comment

}  // namespace stored

namespace file {

inline constexpr IntField i6(int first) { return {{first, 6}}; }
inline constexpr RealField f6(int first) { return {{first, 6}, RealField::Fixed, 0}; }

namespace two_point {  // LI, AR, BR, BX, LW
inline constexpr std::array<IntField, 4> kPoints{i6(3), i6(9), i6(15), i6(21)};
inline constexpr Columns kTail{27, 30};
}  // namespace two_point

namespace circle {
inline constexpr std::array<IntField, 6> kValues{i6(3), i6(9), i6(15), i6(21), i6(27), i6(33)};
}  // namespace circle

namespace string {  // CH, ST
inline constexpr IntField kX = i6(3), kY = i6(9);
inline constexpr Columns kTail{15, 88};
inline constexpr Columns kWholeTail{15, 96};  // as written: stored columns 27-122
}  // namespace string

namespace box {  // RB, RF
inline constexpr std::array<RealField, 4> kPoints{f6(3), f6(9), f6(15), f6(21)};
inline constexpr IntField kEdgeFlags{{27, 3}};
}  // namespace box

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
