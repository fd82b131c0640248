#pragma once
// The columns every graphics command record shares: its code, and the
// forms of an unread and a deleted record; and the field shapes the
// element kinds name their own columns with, in the stored form (drawing
// and buffer stores, real coordinates) and in the file form (graphics
// command files, whole-unit coordinates). Each kind's module names its
// columns; layouts that are the same in both forms live in `stored`.

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

}  // namespace stored

namespace file {

inline constexpr IntField i6(int first) { return {{first, 6}}; }
inline constexpr RealField f6(int first) { return {{first, 6}, RealField::Fixed, 0}; }

}  // namespace file

}  // namespace plv::layout
